#include "accessibilityevents.h"
#include "accessiblefactory.h"
#include "gamefont.h"
#include "mainwindow.h"
#include "splashwindow.h"
#include "windowtesting.h"

#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace WindowTesting;

// The start-up: the borderless splash, then the main window.
class TestSplashWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void isABorderlessPictureWithAOneShotTimer();
    void itsTimerHandsOverToTheRunningMainWindow();
    void closingTheSplashEarlyEndsTheProgram();

private:
    static QList<QWidget *> mainWindows();
};

// As the game starts: the splash itself installs the game's font and Qt's words.
void TestSplashWindow::initTestCase()
{
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    AccessibleFactory::install();
}

void TestSplashWindow::cleanup()
{
    deleteAllWindows();
}

QList<QWidget *> TestSplashWindow::mainWindows()
{
    QList<QWidget *> found;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<MainWindow *>(window))
            found << window;
    }
    return found;
}

// No frame, no caption, 572 x 352 with the 572 x 351 picture at the top, and
// a single precise 1500 ms timer that starts when the window is on screen.
// Meanwhile the main window is built, hidden, its town not yet running.
void TestSplashWindow::isABorderlessPictureWithAOneShotTimer()
{
    auto *splash = new SplashWindow;
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(splash->windowTitle().isEmpty());
    QCOMPARE(splash->size(), QSize(572, 352));
    auto *timer = child<QTimer>(splash, QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1500);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    QVERIFY(timer->isSingleShot());
    QVERIFY(!timer->isActive());

    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QVERIFY(timer->isActive());
    auto *picture = child<QLabel>(splash, QStringLiteral("Image1"));
    QCOMPARE(picture->geometry(), QRect(0, 0, 572, 351));
    QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(572, 351));

    QTRY_COMPARE(mainWindows().size(), 1);
    auto *waiting = qobject_cast<MainWindow *>(mainWindows().front());
    QVERIFY(!waiting->isVisible());
    QVERIFY(!waiting->clock().isRunning());
    QCOMPARE(waiting->font().families().value(0), gameFontFamily());
    // So are Qt's own words, in Japanese.
    QCOMPARE(QCoreApplication::translate("QLineEdit", "Select All"), QStringLiteral("すべてを選択"));
}

// The splash's own timer shows one main window, whose town starts running
// then, and destroys the splash with its timer, which never fires again. With
// a screen reader listening, the window built hidden, and all in it, meets it
// under new identities as it is shown: a reader skips what it met hidden.
void TestSplashWindow::itsTimerHandsOverToTheRunningMainWindow()
{
    const AccessibilityEvents heard;
    QPointer<SplashWindow> splash = new SplashWindow;
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QTRY_COMPARE(mainWindows().size(), 1);
    const auto identity = [](QWidget *widget) { return QAccessible::uniqueId(QAccessible::queryAccessibleInterface(widget)); };
    QWidget *balance = child<QWidget>(mainWindows().front(), QStringLiteral("Label12"));
    const QAccessible::Id windowMetHidden = identity(mainWindows().front()), balanceMetHidden = identity(balance);
    QPointer<QTimer> timer = child<QTimer>(splash, QStringLiteral("Timer1"));
    QVERIFY(QMetaObject::invokeMethod(timer, "timeout"));

    QCOMPARE(mainWindows().size(), 1);
    auto *mainWindow = qobject_cast<MainWindow *>(mainWindows().front());
#ifdef Q_OS_LINUX
    // Only AT-SPI's readers keep what they met; UI Automation asks anew.
    QVERIFY(identity(mainWindow) != windowMetHidden && identity(balance) != balanceMetHidden);
#else
    Q_UNUSED(windowMetHidden);
    Q_UNUSED(balanceMetHidden);
#endif
    QVERIFY(heard.contains(QAccessible::ObjectShow, QAccessible::Window, mainWindow->windowTitle(), identity(mainWindow)));
    QVERIFY(mainWindow->isVisible());
    QVERIFY(mainWindow->clock().isRunning());
    QCOMPARE(mainWindow->town().text(Fields::yearCounter), std::string("0"));
    QVERIFY(mainWindow->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!splash->isVisible());
    flushDeletes();
    QVERIFY(splash.isNull());
    QVERIFY(timer.isNull());
}

// Closed before its timer fires, the splash is the last window: the program
// ends, and the main window it had built never appears.
void TestSplashWindow::closingTheSplashEarlyEndsTheProgram()
{
    QPointer<SplashWindow> splash = new SplashWindow;
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QTimer::singleShot(0, splash, [splash] { pressCloseBox(splash); });
    // A program that went on would show its main window at 1.5 s and be stopped here.
    QTimer stillRunning;
    stillRunning.setSingleShot(true);
    connect(&stillRunning, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stillRunning.start(3000);
    QCOMPARE(QApplication::exec(), 0);
    flushDeletes();
    QVERIFY(splash.isNull());
    QVERIFY(mainWindows().isEmpty());
}

QTEST_MAIN(TestSplashWindow)
#include "tst_splashwindow.moc"
