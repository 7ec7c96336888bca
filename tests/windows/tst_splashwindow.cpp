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
    void handOverOpensTheMainWindowAndCloses();

private:
    static QList<QWidget *> mainWindows();
};

void TestSplashWindow::initTestCase()
{
    setUpGameApplication();
}

void TestSplashWindow::cleanup()
{
    qDeleteAll(QApplication::topLevelWidgets());
    flushDeletes();
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
// a single 1500 ms timer that starts when the window is shown.
void TestSplashWindow::isABorderlessPictureWithAOneShotTimer()
{
    auto *splash = new SplashWindow;
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(splash->windowTitle().isEmpty());
    QCOMPARE(splash->size(), QSize(572, 352));
    auto *timer = child<QTimer>(splash, QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1500);
    QVERIFY(timer->isSingleShot());
    QVERIFY(!timer->isActive());

    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    QVERIFY(timer->isActive());
    auto *picture = child<QLabel>(splash, QStringLiteral("Image1"));
    QCOMPARE(picture->geometry(), QRect(0, 0, 572, 351));
    QCOMPARE(picture->pixmap().deviceIndependentSize().toSize(), QSize(572, 351));
    QVERIFY(mainWindows().isEmpty());
}

// The hand-over shows one running main window and destroys the splash,
// whose timer therefore never fires again.
void TestSplashWindow::handOverOpensTheMainWindowAndCloses()
{
    QPointer<SplashWindow> splash = new SplashWindow;
    splash->show();
    splash->handOver();
    splash->handOver();
    QCOMPARE(mainWindows().size(), 1);
    auto *mainWindow = qobject_cast<MainWindow *>(mainWindows().front());
    QVERIFY(mainWindow->isVisible());
    QVERIFY(mainWindow->clock().isRunning());
    QVERIFY(mainWindow->testAttribute(Qt::WA_DeleteOnClose));
    flushDeletes();
    QVERIFY(splash.isNull());
}

QTEST_MAIN(TestSplashWindow)
#include "tst_splashwindow.moc"
