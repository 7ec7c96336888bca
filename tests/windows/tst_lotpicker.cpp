#include "accessibilityevents.h"
#include "buttonaccessible.h"
#include "catalogue.h"
#include "lotpicker.h"
#include "mainwindow.h"
#include "townview.h"
#include "windowtestcase.h"
#include "windowtesting.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QPushButton>
#include <QAccessible>
#include <QTest>

using namespace WindowTesting;

// The lot picker as the player reaches it: a kind button opens it, a lot
// button builds, "キャンセル" and the close box leave the town alone.
class TestLotPicker : public WindowTestCase {
    Q_OBJECT

private Q_SLOTS:
    void kindButtonOpensOnePickerWithItsKind_data();
    void kindButtonOpensOnePickerWithItsKind();
    void lotButtonBuildsOnItsOwnLot_data();
    void lotButtonBuildsOnItsOwnLot();
    void anotherKindButtonSwitchesTheOpenPicker();
    void leavingChangesNothing_data();
    void leavingChangesNothing();
    void unreadableFiguresBuildNothing_data();
    void unreadableFiguresBuildNothing();
    void isAFixedToolWindowLaidOutAsTheDiamond();
    void tabVisitsTheLotsThenCancel();

private:
    LotPicker *openPicker(int kind);
};

LotPicker *TestLotPicker::openPicker(int kind)
{
    QTest::mouseClick(kindButton(kind), Qt::LeftButton);
    return m_window->lotPicker();
}

void TestLotPicker::kindButtonOpensOnePickerWithItsKind_data()
{
    QTest::addColumn<int>("kind");
    for (const BuildingKind &kind : kCatalogue)
        QTest::addRow("kind %d", kind.number) << kind.number;
}

// The picker shows and holds the kind's number as plain decimal text.
void TestLotPicker::kindButtonOpensOnePickerWithItsKind()
{
    QFETCH(int, kind);
    QVERIFY(!m_window->lotPicker());
    const AccessibilityEvents heard;
    LotPicker *picker = openPicker(kind);
    QVERIFY(picker);
    QVERIFY(picker->isVisible());
    QCOMPARE(picker->chosenKind(), QString::number(kind));
    // Its caption and question never tell which kind was chosen.
    QCOMPARE(picker->windowTitle(), QStringLiteral("建設物購入"));
    QCOMPARE(child<QLabel>(picker, QStringLiteral("Label1"))->text(),
             QStringLiteral("この建物をどこに建てますか？"));
    // A screen reader hears the kind, as its button says it, and the question,
    // told before the picker comes forward; the summary is out of view.
    const QString summary = kindButton(kind)->accessibleName() + QLatin1Char(' ')
        + kindButton(kind)->accessibleDescription() + QStringLiteral(" この建物をどこに建てますか？");
    auto *summaryLabel = child<QLabel>(picker, QStringLiteral("spokenSummary"));
    QCOMPARE(summaryLabel->accessibleName(), summary);
    QVERIFY(summaryLabel->isVisible() && !picker->rect().intersects(summaryLabel->geometry()));
    QVERIFY(heard.indexOf(QAccessible::NameChanged, summary) >= 0);
    QVERIFY(heard.indexOf(QAccessible::NameChanged, summary) < heard.indexOf(QAccessible::ObjectShow, picker->windowTitle()));

    QTest::mouseClick(kindButton(kind), Qt::LeftButton);
    QCOMPARE(m_window->lotPicker(), picker);
    int pickers = 0;
    for (const QWidget *window : QApplication::topLevelWidgets())
        pickers += window->objectName() == QStringLiteral("Form3") ? 1 : 0;
    QCOMPARE(pickers, 1);
}

void TestLotPicker::lotButtonBuildsOnItsOwnLot_data()
{
    QTest::addColumn<int>("lot");
    for (int lot = 1; lot <= 25; ++lot)
        QTest::addRow("Command%d", lot) << lot;
}

// Lot button k builds on lot k only, charges the price shown on the balance
// label at once, and leaves the picker open for the next lot.
void TestLotPicker::lotButtonBuildsOnItsOwnLot()
{
    QFETCH(int, lot);
    LotPicker *picker = openPicker(7);
    TownState &town = m_window->town();
    const AccessibilityEvents heard;
    QTest::mouseClick(child<QPushButton>(picker, QStringLiteral("Command%1").arg(lot)), Qt::LeftButton);

    for (int other = 1; other <= 25; ++other) {
        const bool built = other == lot;
        QCOMPARE(town.lotPicture(other), built ? 7 : TownState::kBareLand);
        QCOMPARE(town.text(lotField(other)), std::string(built ? "10" : "0"));
    }
    QCOMPARE(child<QLabel>(m_window.get(), QStringLiteral("Label12"))->text(), QStringLiteral("970"));
    QCOMPARE(town.text(Fields::commerceTotal), std::string("50"));
    QVERIFY(picker->isVisible());
    QCOMPARE(m_window->lotPicker(), picker);

    // Assistive technology hears the lot's new building, on the picker and in the town.
    const QString name = QStringLiteral("区画%1 高密度商業").arg(lot);
    QVERIFY(heard.contains(QAccessible::NameChanged, QAccessible::Graphic, name));
    QCOMPARE(heard.timesSaid(name + QStringLiteral("、30＄、残高 970")), 1);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // UI Automation and AT-SPI both hear it as Qt's announcement.
    QVERIFY(heard.contains(QAccessible::Announcement, QAccessible::Notification, name + QStringLiteral("、30＄、残高 970")));
#endif
    auto *button = child<QPushButton>(picker, QStringLiteral("Command%1").arg(lot));
    QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), name);
    // A button named once Qt has made it an interface of its own answers by that name all the same.
    QPushButton late(picker);
    QAccessible::queryAccessibleInterface(&late);
    ButtonAccessible::setName(late, [] { return QStringLiteral("区画0"); });
    QCOMPARE(QAccessible::queryAccessibleInterface(&late)->text(QAccessible::Name), QStringLiteral("区画0"));
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(m_window->townView());
    QCOMPARE(view->childCount(), 25);
    QAccessibleInterface *builtOn = view->child(lot - 1);
    QCOMPARE(builtOn->text(QAccessible::Name), name);
    QCOMPARE(builtOn->role(), QAccessible::Graphic);
    QCOMPARE(view->childAt(builtOn->rect().center().x(), builtOn->rect().center().y()), builtOn);
    QCOMPARE(view->indexOfChild(builtOn), lot - 1);
    const int neighbour = lot % 25 + 1;
    QCOMPARE(view->child(neighbour - 1)->text(QAccessible::Name), QStringLiteral("区画%1 空き地").arg(neighbour));

    // Enter on the focused button builds and charges again, heard as a build
    // of its own; readers take the button up afresh without hearing its name.
    button->setFocus();
    QTRY_VERIFY(button->hasFocus());
    const qsizetype renamed = heard.count(QAccessible::NameChanged, QAccessible::Button, name),
                    focused = heard.count(QAccessible::Focus, QAccessible::Button, name);
    QTest::keyClick(picker->focusWidget(), Qt::Key_Return);
    QCOMPARE(child<QLabel>(m_window.get(), QStringLiteral("Label12"))->text(), QStringLiteral("940"));
    QCOMPARE(heard.timesSaid(name + QStringLiteral("、30＄、残高 940")), 1);
    QCOMPARE(heard.count(QAccessible::NameChanged, QAccessible::Button, name), renamed);
    QCOMPARE(heard.count(QAccessible::Focus, QAccessible::Button, name), focused + 1);
    // Press is the button's first action, as switch access takes it, and builds again.
    QAccessibleInterface *lotButton = QAccessible::queryAccessibleInterface(button);
    QCOMPARE(lotButton->actionInterface()->actionNames().value(0), QAccessibleActionInterface::pressAction());
    lotButton->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(child<QLabel>(m_window.get(), QStringLiteral("Label12"))->text(), QStringLiteral("910"));
    button->setDown(true);
    QVERIFY(lotButton->state().pressed);
    button->setDown(false);
    // The notice speaks for the game, not the picker; shown, it lies out of view.
    auto *notice = child<QWidget>(picker, QStringLiteral("spokenNotice"));
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QVERIFY(notice->isVisible() && !picker->rect().intersects(notice->geometry()));
#endif
    QCOMPARE(QAccessible::queryAccessibleInterface(notice)->parent()->role(), QAccessible::Application);
}

// With the picker open on kind 2, Command5 keeps the one picker and the next lot gets kind 5.
void TestLotPicker::anotherKindButtonSwitchesTheOpenPicker()
{
    LotPicker *picker = openPicker(2);
    QCOMPARE(openPicker(5), picker);
    QCOMPARE(picker->chosenKind(), QStringLiteral("5"));
    QTest::mouseClick(child<QPushButton>(picker, QStringLiteral("Command9")), Qt::LeftButton);
    QCOMPARE(m_window->town().lotPicture(9), 5);
    QCOMPARE(m_window->town().text(Fields::balance), std::string("900"));
}

void TestLotPicker::leavingChangesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("click キャンセル") << QStringLiteral("click");
    QTest::newRow("Enter on キャンセル") << QStringLiteral("enter");
    QTest::newRow("close box") << QStringLiteral("close box");
}

// Leaving the picker changes no field; the next kind click starts a fresh picker.
void TestLotPicker::leavingChangesNothing()
{
    QFETCH(QString, how);
    LotPicker *picker = openPicker(10);
    QVERIFY(QTest::qWaitForWindowExposed(picker));
    const TownSnapshot before(m_window->town());
    auto *cancel = child<QPushButton>(picker, QStringLiteral("Command26"));
    if (how == QStringLiteral("close box")) {
        pressCloseBox(picker);
    } else if (how == QStringLiteral("enter")) {
        // Escape is no cancel key, and Enter presses only the button with the focus.
        QTest::keyClick(picker->focusWidget(), Qt::Key_Escape);
        QVERIFY(picker->isVisible());
        cancel->setFocus();
        QTest::keyClick(picker->focusWidget(), Qt::Key_Return);
    } else {
        QTest::mouseClick(cancel, Qt::LeftButton);
    }
    flushDeletes();
    QVERIFY(!m_window->lotPicker());
    QVERIFY(TownSnapshot(m_window->town()) == before);

    LotPicker *again = openPicker(3);
    QVERIFY(again);
    QCOMPARE(again->chosenKind(), QStringLiteral("3"));
    QCOMPARE(again->focusWidget(), child<QWidget>(again, QStringLiteral("Command1")));
}

void TestLotPicker::unreadableFiguresBuildNothing_data()
{
    QTest::addColumn<QString>("chosenKind");
    QTest::addColumn<bool>("balanceUnreadable");
    QTest::newRow("design text of the kind field") << QStringLiteral("Text1") << false;
    QTest::newRow("empty kind") << QString() << false;
    QTest::newRow("unreadable balance") << QStringLiteral("7") << true;
}

// A placement that meets text it cannot read changes nothing and leaves the picker usable.
void TestLotPicker::unreadableFiguresBuildNothing()
{
    QFETCH(QString, chosenKind);
    QFETCH(bool, balanceUnreadable);
    LotPicker *picker = openPicker(7);
    picker->setChosenKind(chosenKind);
    if (balanceUnreadable)
        m_window->town().setText(Fields::balance, "abc");
    const TownSnapshot before(m_window->town());
    QTest::mouseClick(child<QPushButton>(picker, QStringLiteral("Command4")), Qt::LeftButton);
    QVERIFY(TownSnapshot(m_window->town()) == before);
    QVERIFY(picker->isVisible());
    QCOMPARE(child<QLabel>(m_window.get(), QStringLiteral("Label12"))->text(),
             QString::fromStdString(m_window->town().text(Fields::balance)));
}

// Narrow caption with a close box only, 231 x 197, the lot buttons as the
// main window's diamond, labels along its upper edges.
void TestLotPicker::isAFixedToolWindowLaidOutAsTheDiamond()
{
    LotPicker *picker = openPicker(1);
    QCOMPARE(picker->windowType(), Qt::Tool);
    QCOMPARE(QAccessible::queryAccessibleInterface(picker)->role(), QAccessible::Dialog);
    QVERIFY(picker->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(picker->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(picker->size(), QSize(231, 197));
    QCOMPARE(picker->minimumSize(), picker->maximumSize());
    QVERIFY(picker->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!picker->parentWidget());
    // The frame is centred where it is known before showing (on Windows);
    // elsewhere the window is, within the width of the frame to come.
    const QPoint offCentre = picker->frameGeometry().center()
        - QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 6, "centred on the screen");

    const struct {
        const char *name;
        QRect geometry;
        const char *caption;
    } controls[] = {
        {"Label1", QRect(32, 8, 169, 17), nullptr},
        {"Command1", QRect(96, 40, 17, 17), ""},   // top corner
        {"Command5", QRect(32, 104, 17, 17), ""},  // left corner
        {"Command21", QRect(160, 104, 17, 17), ""}, // right corner
        {"Command25", QRect(96, 168, 17, 17), ""}, // bottom corner
        {"Command7", QRect(96 + 16 - 16, 40 + 16 + 16, 17, 17), ""},
        {"Command26", QRect(160, 152, 65, 33), "キャンセル"},
        {"Label2", QRect(120, 40, 9, 17), "1"},
        {"Label3", QRect(136, 56, 9, 17), "2"},
        {"Label6", QRect(184, 104, 9, 17), "5"},
        {"Label7", QRect(80, 40, 9, 17), "1"},
        {"Label8", QRect(64, 56, 9, 17), "2"},
        {"Label10", QRect(32, 88, 9, 17), "4"},
        {"Label11", QRect(24, 104, 9, 17), "5"},
    };
    for (const auto &control : controls) {
        auto *widget = child<QWidget>(picker, QString::fromLatin1(control.name));
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), control.geometry);
        if (!control.caption)
            continue;
        const QString caption = QString::fromUtf8(control.caption);
        if (auto *label = qobject_cast<QLabel *>(widget))
            QCOMPARE(label->text(), caption);
        else
            QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), caption);
    }
    for (int lot = 1; lot <= 25; ++lot)
        QVERIFY(child<QPushButton>(picker, QStringLiteral("Command%1").arg(lot))->icon().isNull());
    for (const QPushButton *button : picker->findChildren<QPushButton *>())
        QVERIFY2(!button->isDefault(), qPrintable(button->objectName()));
}

// Focus starts on Command1; Tab walks Command1..25, then "キャンセル".
void TestLotPicker::tabVisitsTheLotsThenCancel()
{
    LotPicker *picker = openPicker(1);
    QStringList expected;
    for (int n = 1; n <= 26; ++n)
        expected << QStringLiteral("Command%1").arg(n);
    expected << QStringLiteral("Command1");
    QStringList visited{picker->focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(picker->focusWidget(), Qt::Key_Tab);
        visited << picker->focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

QTEST_MAIN(TestLotPicker)
#include "tst_lotpicker.moc"
