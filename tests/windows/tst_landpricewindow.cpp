#include "landpricewindow.h"
#include "mainwindow.h"
#include "windowtestcase.h"
#include "windowtesting.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace WindowTesting;

// The land-price window shows a snapshot of the total land value's text.
class TestLandPriceWindow : public WindowTestCase {
    Q_OBJECT

private Q_SLOTS:
    void showsTheDesignTextBeforeTheFirstTick();
    void showsTheTextAsOfTheLastOpening();
    void okEnterAndTheCloseBoxCloseIt_data();
    void okEnterAndTheCloseBoxCloseIt();
    void isAFixedToolWindowWithOkFocused();

private:
    LandPriceWindow *open();
    QString shownValue() const;
};

LandPriceWindow *TestLandPriceWindow::open()
{
    QTest::mouseClick(commandButton(ControlNames::Command::LandPrice), Qt::LeftButton);
    return m_window->landPriceWindow();
}

QString TestLandPriceWindow::shownValue() const
{
    return child<QLabel>(m_window->landPriceWindow(), QStringLiteral("Label27"))->text();
}

// Before any land-value tick the field still holds its design text, and that is what shows.
void TestLandPriceWindow::showsTheDesignTextBeforeTheFirstTick()
{
    QVERIFY(open());
    QCOMPARE(shownValue(), QStringLiteral("Text29"));
}

// The figure is the field's text, all digits kept; it stays while the ticks
// go on and is refreshed only by "地価" again, in the same window.
void TestLandPriceWindow::showsTheTextAsOfTheLastOpening()
{
    m_window->town().setText(lotField(3), "5");
    m_window->town().setText(lotField(17), "20");
    m_window->clock().landValueTick();
    const QString first = QString::fromStdString(m_window->town().text(Fields::totalLandValue));
    QVERIFY(first.toDouble() >= 25 && first.toDouble() < 35);

    LandPriceWindow *window = open();
    QCOMPARE(shownValue(), first);

    m_window->clock().landValueTick();
    const QString second = QString::fromStdString(m_window->town().text(Fields::totalLandValue));
    QVERIFY(second != first);
    QCOMPARE(shownValue(), first);

    QCOMPARE(open(), window);
    QCOMPARE(shownValue(), second);
    // A screen reader reads the figure as the window opens.
    QCOMPARE(child<QLabel>(window, QStringLiteral("spokenSummary"))->accessibleName(), QStringLiteral("合計地価 は ") + second);
}

void TestLandPriceWindow::okEnterAndTheCloseBoxCloseIt_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("OK clicked") << 0;
    QTest::newRow("Enter on the focused OK") << 1;
    QTest::newRow("close box") << 2;
}

// Every way out closes and destroys the window and leaves the town as it was.
void TestLandPriceWindow::okEnterAndTheCloseBoxCloseIt()
{
    QFETCH(int, way);
    LandPriceWindow *window = open();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const TownSnapshot before(m_window->town());
    auto *ok = child<QPushButton>(window, QStringLiteral("Command1"));
    if (way == 0)
        QTest::mouseClick(ok, Qt::LeftButton);
    else if (way == 1)
        QTest::keyClick(ok, Qt::Key_Return);
    else
        pressCloseBox(window);
    flushDeletes();
    QVERIFY(!m_window->landPriceWindow());
    QVERIFY(TownSnapshot(m_window->town()) == before);

    // Reopened, it starts again from its design and shows the current text.
    QVERIFY(open());
    QCOMPARE(shownValue(), QStringLiteral("Text29"));
}

// Caption "地価", 208 x 97, close box only; the labels and OK where designed,
// OK the only control that takes focus, and Escape does not close it.
void TestLandPriceWindow::isAFixedToolWindowWithOkFocused()
{
    LandPriceWindow *window = open();
    QCOMPARE(window->windowTitle(), QStringLiteral("地価"));
    QCOMPARE(window->windowType(), Qt::Tool);
    QCOMPARE(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Dialog);
    QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(window->size(), QSize(208, 97));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(child<QLabel>(window, QStringLiteral("Label26"))->geometry(), QRect(8, 16, 57, 17));
    QCOMPARE(child<QLabel>(window, QStringLiteral("Label26"))->text(), QStringLiteral("合計地価"));
    QCOMPARE(child<QLabel>(window, QStringLiteral("Label27"))->geometry(), QRect(72, 16, 113, 17));
    auto *ok = child<QPushButton>(window, QStringLiteral("Command1"));
    QCOMPARE(ok->geometry(), QRect(64, 56, 57, 25));
    QCOMPARE(window->focusWidget(), ok);
    QVERIFY(!ok->isDefault());

    QTest::keyClick(ok, Qt::Key_Tab);
    QCOMPARE(window->focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Escape);
    flushDeletes();
    QCOMPARE(m_window->landPriceWindow(), window);
}

QTEST_MAIN(TestLandPriceWindow)
#include "tst_landpricewindow.moc"
