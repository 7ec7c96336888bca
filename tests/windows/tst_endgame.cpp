#include "controlnames.h"
#include "lotpicker.h"
#include "mainwindow.h"
#include "windowtesting.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace WindowTesting;

// "終了" ends the program at once. It leaves the event loop for good, so it
// has a test program of its own.
class TestEndGame : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void endLeavesAtOnceWithoutClosingAnyWindow();
};

void TestEndGame::initTestCase()
{
    setUpGameApplication();
}

// The event loop returns 0 straight after the click; no window is asked to
// close, so the open picker and the main window are still there, and
// nothing queued after the click runs.
void TestEndGame::endLeavesAtOnceWithoutClosingAnyWindow()
{
    auto *window = new MainWindow;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::mouseClick(child<QPushButton>(window, ControlNames::kindButton(5)), Qt::LeftButton);
    QPointer<LotPicker> picker = window->lotPicker();
    QVERIFY(picker);

    bool ranAfterTheClick = false;
    QTimer::singleShot(0, window, [window, &ranAfterTheClick] {
        QTest::mouseClick(child<QPushButton>(window, ControlNames::commandButton(ControlNames::Command::End)), Qt::LeftButton);
        // Anything queued after the click would run here if the program went on.
        QTimer::singleShot(0, window, [&ranAfterTheClick] { ranAfterTheClick = true; });
    });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!ranAfterTheClick);
    QVERIFY(picker);
    QVERIFY(picker->isVisible());
    QVERIFY(window->isVisible());
    delete window;
    QVERIFY(picker.isNull());
}

QTEST_MAIN(TestEndGame)
#include "tst_endgame.moc"
