// Measures the game from inside: when its windows are first painted, and
// whether the year counter keeps pace with the wall clock.
//   startupprobe game              splash and main window first painted, in ms
//   startupprobe floor             one empty window first painted, in ms
//   startupprobe floor-japanese    the same with one line of Japanese in the game's font
//   startupprobe fidelity SECONDS  years counted against seconds elapsed
//   startupprobe paints SECONDS    which widgets the idle game repaints, and how often
// Times are from the start of main() and from the start of the event loop.

#include "accessiblefactory.h"
#include "gamefont.h"
#include "mainwindow.h"
#include "splashwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLabel>
#include <QMap>
#include <QPaintEvent>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Calls back once for the first paint of each top-level window named `name`.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QString name, std::function<void(QWidget *)> painted)
        : m_name(std::move(name))
        , m_painted(std::move(painted))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (!m_window && event->type() == QEvent::Paint && object->isWidgetType()) {
            QWidget *window = static_cast<QWidget *>(object)->window();
            if (window->objectName() == m_name) {
                m_window = window;
                // Report once this paint has run, not before it, and ahead of
                // any work the game queued meanwhile.
                QCoreApplication::postEvent(this, new QEvent(kReport), Qt::HighEventPriority);
            }
        }
        return false;
    }

    void customEvent(QEvent *event) override
    {
        if (event->type() == kReport)
            m_painted(m_window);
    }

private:
    static constexpr QEvent::Type kReport = QEvent::User;
    QString m_name;
    std::function<void(QWidget *)> m_painted;
    QWidget *m_window = nullptr;
};

// Counts paint events per widget, to see what an idle game redraws.
class PaintCounter : public QObject {
public:
    void print(double seconds) const
    {
        for (auto it = m_counts.cbegin(); it != m_counts.cend(); ++it)
            std::printf("%-24s %6.2f paints/s, last %s\n", qPrintable(it.key()), it.value() / seconds,
                        qPrintable(m_lastRects.value(it.key())));
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && object->isWidgetType()) {
            const QString name = object->objectName().isEmpty() ? QString::fromLatin1(object->metaObject()->className())
                                                                : object->objectName();
            ++m_counts[name];
            const QRect rect = static_cast<QPaintEvent *>(event)->rect();
            m_lastRects.insert(name, QStringLiteral("%1x%2").arg(rect.width()).arg(rect.height()));
        }
        return false;
    }

private:
    QMap<QString, int> m_counts;
    QMap<QString, QString> m_lastRects;
};

QElapsedTimer sinceMain;
qint64 execStartedMs = 0;

void report(const char *what, qint64 ms)
{
    std::printf("%s_from_main_ms %lld\n%s_from_exec_ms %lld\n", what, static_cast<long long>(ms), what,
                static_cast<long long>(ms - execStartedMs));
    std::fflush(stdout);
}

int runEventLoop(QApplication &app)
{
    execStartedMs = sinceMain.elapsed();
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    sinceMain.start();
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("game");

    if (mode.startsWith(QLatin1String("floor"))) {
        FirstPaintWatcher watcher(QStringLiteral("floor"), [](QWidget *) {
            report("window_painted", sinceMain.elapsed());
            QCoreApplication::exit(0);
        });
        const bool japanese = mode == QLatin1String("floor-japanese");
        if (japanese)
            installGameFont();
        QLabel window(japanese ? QStringLiteral("残高 人口 年") : QString());
        window.setObjectName(QStringLiteral("floor"));
        window.resize(542, 375);
        window.show();
        return runEventLoop(app);
    }

    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    AccessibleFactory::install();

    if (mode == QLatin1String("paints")) {
        installGameFont();
        const int seconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 10;
        MainWindow window;
        window.show();
        PaintCounter counter;
        // Count once the first paints of the window are over.
        QTimer::singleShot(2000, &app, [&] { app.installEventFilter(&counter); });
        QTimer::singleShot(2000 + seconds * 1000, &app, [&] {
            counter.print(seconds);
            QCoreApplication::exit(0);
        });
        return runEventLoop(app);
    }

    if (mode == QLatin1String("fidelity")) {
        const int seconds = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 600;
        installGameFont();
        QElapsedTimer sinceMainWindow;
        MainWindow window;
        sinceMainWindow.start();
        window.show();
        // Read just before the tick of second `seconds` falls due.
        QTimer::singleShot(seconds * 1000 - 250, Qt::PreciseTimer, &app, [&] {
            const QString year = window.findChild<QLabel *>(QStringLiteral("Label23"))->text();
            std::printf("seconds_elapsed %.3f\nyear_counter %s\n", sinceMainWindow.elapsed() / 1000.0,
                        qPrintable(year));
            QCoreApplication::exit(0);
        });
        return runEventLoop(app);
    }

    FirstPaintWatcher splashWatcher(QStringLiteral("Form1"),
                                    [](QWidget *) { report("splash_painted", sinceMain.elapsed()); });
    FirstPaintWatcher mainWatcher(QStringLiteral("Form2"), [](QWidget *) {
        report("main_painted", sinceMain.elapsed());
        QCoreApplication::exit(0);
    });
    auto *splash = new SplashWindow;
    splash->show();
    return runEventLoop(app);
}
