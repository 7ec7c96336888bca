// Plays the game like a monkey: random clicks and keystrokes on whatever
// window is open, for a while, then ends the game one of three ways. Fails
// (exit 1) when the game does not end as it should; a crash or a sanitizer
// report ends it by itself. Prints what it did and the resident memory.
//   monkey SECONDS [SEED] [--end=none|close-main|end-button]
//     none        the monkey stops by itself after SECONDS
//     close-main  at a random moment it opens the other windows and closes
//                 the main window with its close box: everything must go
//     end-button  at a random moment it presses "終了": the game must end at once

#include "accessiblefactory.h"
#include "controlnames.h"
#include "gamefont.h"
#include "splashwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <cstdio>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

enum class Ending { None, CloseMain, EndButton };

long residentKilobytes()
{
#ifdef Q_OS_UNIX
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : 0;
#else
    return 0; // /proc is Linux's: elsewhere the figure reads 0.
#endif
}

class Monkey : public QObject {
public:
    Monkey(int seconds, quint32 seed, Ending ending)
        : m_random(seed)
        , m_seconds(seconds)
        , m_ending(ending)
    {
        // The ending comes somewhere in the second half of the run.
        m_endAtMs = seconds * 1000 / 2 + int(m_random.bounded(quint32(seconds * 1000 / 2 + 1)));
        m_clock.start();
        connect(&m_actions, &QTimer::timeout, this, &Monkey::act);
        connect(&m_memory, &QTimer::timeout, this, &Monkey::sampleMemory);
        m_actions.start(4);
        m_memory.start(1000);
    }

    void printSummary() const
    {
        std::printf("monkey: %ld actions (%ld clicks, %ld keys, %ld typed texts, %ld closes) in %.1f s\n",
                    m_actionCount, m_clicks, m_keys, m_texts, m_closes, m_clock.elapsed() / 1000.0);
        std::printf("monkey: resident memory %ld kB after 1 minute, %ld kB at the end, %ld kB at most\n",
                    m_residentAfterMinute, residentKilobytes(), m_residentPeak);
    }

    bool endedAsItShould() const { return m_endedAsItShould; }
    bool endingStarted() const { return m_endingStarted; }
    Ending ending() const { return m_ending; }

private:
    QWidget *mainWindow() const
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String(ControlNames::kMainWindow) && window->isVisible())
                return window;
        }
        return nullptr;
    }

    // The windows a player could reach now: a modal box takes every click.
    QList<QWidget *> reachableWindows() const
    {
        if (QWidget *modal = QApplication::activeModalWidget())
            return {modal};
        QList<QWidget *> windows;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                windows.append(window);
        }
        return windows;
    }

    // "終了" ends the game, so only the ending may press it.
    static bool isEndButton(const QWidget *widget)
    {
        return widget->objectName() == ControlNames::commandButton(ControlNames::Command::End)
            && widget->window()->objectName() == QLatin1String(ControlNames::kMainWindow);
    }

    template<typename T>
    T pick(const QList<T> &items)
    {
        return items.at(qsizetype(m_random.bounded(quint32(items.size()))));
    }

    void click(QWidget *window)
    {
        QList<QWidget *> targets;
        for (QWidget *child : window->findChildren<QWidget *>()) {
            if (child->isVisible() && child->isEnabled() && !isEndButton(child))
                targets.append(child);
        }
        if (targets.isEmpty())
            targets.append(window);
        QWidget *target = pick(targets);
        const QPoint where(int(m_random.bounded(quint32(qMax(1, target->width())))),
                           int(m_random.bounded(quint32(qMax(1, target->height())))));
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, where);
        ++m_clicks;
    }

    void press(QWidget *window)
    {
        // The game's own keys too, but Ctrl+Q, which ends it.
        static const QList<Qt::Key> keys{Qt::Key_Tab,   Qt::Key_Backtab, Qt::Key_Return, Qt::Key_Enter,
                                         Qt::Key_Space, Qt::Key_Escape,  Qt::Key_Backspace, Qt::Key_Up,
                                         Qt::Key_Down,  Qt::Key_Left,    Qt::Key_Right,  Qt::Key_Home,
                                         Qt::Key_End,   Qt::Key_1,       Qt::Key_5,      Qt::Key_A,
                                         Qt::Key_F,     Qt::Key_L,       Qt::Key_N,      Qt::Key_P,
                                         Qt::Key_S,     Qt::Key_T,       Qt::Key_F1};
        QWidget *target = QApplication::focusWidget();
        if (!target || target->window() != window)
            target = window;
        // Enter or Space on the focused "終了" would end the game.
        if (isEndButton(target))
            return;
        QTest::keyClick(target, pick(keys));
        ++m_keys;
    }

    void type(QWidget *window)
    {
        static const QStringList texts{"", "0", "5", "007", "2.5", "-40", "abc", QStringLiteral("１０"), "nan",
                                       "1e999", "1e308", " 12 ", "999999999999999999999"};
        const QList<QLineEdit *> boxes = window->findChildren<QLineEdit *>();
        if (boxes.isEmpty())
            return;
        QLineEdit *box = pick(boxes);
        box->selectAll();
        // Key by key, as typed; QTest's own typing knows only ASCII keys.
        for (QChar character : pick(texts)) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(box, &press);
            QApplication::sendEvent(box, &release);
        }
        ++m_texts;
    }

    void closeSomething(QWidget *window)
    {
        // Only the ending closes the main window; closing the splash ends
        // the game before it began.
        if (window->objectName() == QLatin1String(ControlNames::kMainWindow)
            || window->objectName() == QLatin1String(ControlNames::kSplashWindow))
            return;
        window->close();
        ++m_closes;
    }

    void act()
    {
        if (m_endingStarted)
            return;
        if (m_clock.elapsed() >= (m_ending == Ending::None ? m_seconds * 1000 : m_endAtMs)) {
            end();
            return;
        }
        const QList<QWidget *> windows = reachableWindows();
        if (windows.isEmpty())
            return; // the splash has gone and the main window is not yet shown
        QWidget *window = pick(windows);
        const quint32 roll = m_random.bounded(100u);
        if (roll < 70)
            click(window);
        else if (roll < 88)
            press(window);
        else if (roll < 97)
            type(window);
        else
            closeSomething(window);
        ++m_actionCount;
    }

    void openEveryWindow(QWidget *main)
    {
        using ControlNames::Command;
        for (const QString &name : {ControlNames::kindButton(7), ControlNames::commandButton(Command::LandPrice),
                                    ControlNames::commandButton(Command::Settings)}) {
            if (auto *button = main->findChild<QPushButton *>(name))
                button->click();
        }
    }

    void end()
    {
        m_endingStarted = true;
        m_actions.stop();
        QWidget *main = mainWindow();
        if (m_ending == Ending::None || !main) {
            m_endedAsItShould = m_ending == Ending::None;
            QCoreApplication::exit(m_endedAsItShould ? 0 : 1);
            return;
        }
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
        openEveryWindow(main);
        if (m_ending == Ending::CloseMain) {
            main->close();
            // The program must end by itself as its last window closes.
            QTimer::singleShot(3000, this, [] {
                std::printf("monkey: windows still open 3 s after the main window closed\n");
                QCoreApplication::exit(1);
            });
        } else {
            main->findChild<QPushButton *>(ControlNames::commandButton(ControlNames::Command::End))->click();
        }
        m_endedAsItShould = true;
    }

    void sampleMemory()
    {
        const long resident = residentKilobytes();
        m_residentPeak = qMax(m_residentPeak, resident);
        if (m_residentAfterMinute == 0 && m_clock.elapsed() >= 60000)
            m_residentAfterMinute = resident;
    }

    QRandomGenerator m_random;
    int m_seconds;
    Ending m_ending;
    int m_endAtMs = 0;
    QElapsedTimer m_clock;
    QTimer m_actions;
    QTimer m_memory;
    long m_actionCount = 0;
    long m_clicks = 0;
    long m_keys = 0;
    long m_texts = 0;
    long m_closes = 0;
    long m_residentAfterMinute = 0;
    long m_residentPeak = 0;
    bool m_endingStarted = false;
    bool m_endedAsItShould = false;
};

} // namespace

int main(int argc, char *argv[])
{
    // The monkey clicks real windows; without a display it is skipped (77 to CTest), not failed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::printf("monkey: no display to play on\n");
        return 77;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    AccessibleFactory::install();
    installGameFont();

    const QStringList arguments = QCoreApplication::arguments();
    const int seconds = arguments.size() > 1 ? arguments.at(1).toInt() : 60;
    const quint32 seed = arguments.size() > 2 && !arguments.at(2).startsWith("--") ? arguments.at(2).toUInt() : 1;
    Ending ending = Ending::None;
    if (arguments.contains(QStringLiteral("--end=close-main")))
        ending = Ending::CloseMain;
    else if (arguments.contains(QStringLiteral("--end=end-button")))
        ending = Ending::EndButton;

    auto *splash = new SplashWindow;
    splash->show();
    Monkey monkey(seconds, seed, ending);
    const int result = app.exec();
    monkey.printSummary();

    if (!monkey.endingStarted()) {
        std::printf("monkey: the game ended before the monkey ended it\n");
        return 1;
    }
    if (result != 0 || !monkey.endedAsItShould())
        return 1;
    // Closing the main window must have closed every other window; "終了" and
    // the monkey's own stop leave the windows to the end of the process.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (monkey.ending() == Ending::CloseMain && window->isVisible()) {
            std::printf("monkey: %s is still visible after the game ended\n", qPrintable(window->objectName()));
            return 1;
        }
    }
    std::printf("monkey: the game ended as it should\n");
    return 0;
}
