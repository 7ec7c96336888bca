#include "accessibilityevents.h"
#include "keymap.h"
#include "lotpicker.h"
#include "screenreaderkeys.h"
#include "windowtestcase.h"
#include "windowtesting.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace WindowTesting;

// The game's keys as the player presses them: every row of the key map does
// what it says where it says, and a screen reader's own keys never act.
class TestKeyMap : public WindowTestCase {
    Q_OBJECT

private Q_SLOTS:
    void keysDoWhatTheirRowSays_data();
    void keysDoWhatTheirRowSays();
    void everyRowOfTheMapIsPressed();
    void aScreenReadersKeysNeverAct_data();
    void aScreenReadersKeysNeverAct();
    void keypadTypingKeysAreThePlayers();

private:
    static QWidget *shown(const QString &name);
    static void verifyRing(const QString &title);
    static void verifySaidOnArrival(QWidget *window, const QString &text);
    static inline QSet<const KeyMap::Binding *> s_pressed;
};

QWidget *TestKeyMap::shown(const QString &name)
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name && window->isVisible())
            return window;
    }
    return nullptr;
}

// The window of that title is in front, its focused control drawn with the ring.
void TestKeyMap::verifyRing(const QString &title)
{
    QWidget *window = nullptr;
    QTRY_VERIFY((window = QApplication::activeWindow()) && window->windowTitle().startsWith(title));
    QWidget *focused = window->focusWidget();
    QVERIFY(focused);
    const QImage ringed = focused->grab().toImage();
    window->setAttribute(Qt::WA_KeyboardFocusChange, false);
    const QImage plain = focused->grab().toImage();
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    QVERIFY(ringed != plain);
}

// What N did, said once as the focus reaches the next lot (Linux: its description).
void TestKeyMap::verifySaidOnArrival(QWidget *window, const QString &text)
{
    const QWidget *focused = window->focusWidget();
    const QString notice = child<QWidget>(window, QStringLiteral("spokenNotice"))->accessibleName();
#ifdef Q_OS_LINUX
    QCOMPARE(focused->accessibleDescription(), text);
    QCOMPARE(notice, QString());
#else
    QCOMPARE(notice, text + QStringLiteral("、次は区画") + focused->objectName().mid(7));
#endif
}

void TestKeyMap::keysDoWhatTheirRowSays_data()
{
    QTest::addColumn<int>("picker"); // the kind the picker is open on, or 0 for the main window
    QTest::addColumn<QString>("built"); // lots built beforehand, "3,7" or "1-24"
    QTest::addColumn<QString>("from"); // the control given the focus, or none
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected"); // checks parted by ";"
    const auto row = [](const char *name, int picker, const char *built, const char *from, const char *keys,
                        const char16_t *expected) {
        QTest::newRow(name) << picker << QString::fromLatin1(built) << QString::fromLatin1(from)
                            << QString::fromLatin1(keys) << QString::fromUtf16(expected);
    };
    row("palette Down", 0, "", "Command1", "Down", u"focus Command3");
    row("palette Right", 0, "", "Command1", "Right", u"focus Command2");
    row("palette Right into the bottom rows", 0, "", "Command16", "Right", u"focus Command19");
    row("palette Up at the inner corner", 0, "", "Command19", "Up", u"focus Command14");
    row("palette Left at the edge", 0, "", "Command1", "Left", u"focus Command1");
    row("palette Down at the bottom", 0, "", "Command30", "Down", u"focus Command30");
    row("Home from a command", 0, "", "Command31", "Home", u"focus Command1; ring VELDORAKS");
    row("End from an option", 0, "", "Option1", "End", u"focus Command30");
    row("kind by two digits", 0, "", "Command5", "1 1", u"focus Command11; ring VELDORAKS");
    row("the last kind by its digits", 0, "", "Command5", "3 0", u"focus Command30");
    row("Ctrl or Alt with a digit is not the digit", 0, "", "Command5", "Ctrl+2 Alt+3", u"focus Command5");
    row("the focused kind's number rings it", 0, "", "Command3", "3", u"focus Command3; ring VELDORAKS");
    row("a kind's Enter opens the picker in focus", 0, "", "Command2", "Return", u"ring 建設物購入");
    row("a number past the kinds starts anew", 0, "", "Command1", "3 5", u"focus Command5");
    row("figures", 0, "", "Command1", "F", u"notice 残高 1000 人口 年 0");
    row("built lots, none", 0, "", "Command1", "T", u"notice 建物のある区画はありません");
    row("built lots", 0, "7", "Option2", "T", u"notice 建物のある区画 区画7 低密度住宅");
    row("time starts", 0, "", "Command1", "P", u"clock running");
    row("a held arrow walks on", 0, "", "Command1", "Down ~Down", u"focus Command5");
    row("time stops", 0, "", "Command1", "P P", u"clock stopped; notice 時間は止まっています");
    row("land price", 0, "", "Command1", "L", u"opens Form4");
    row("settings", 0, "", "Command1", "S", u"opens Form5");
    row("help, every line filled in", 0, "", "Command1", "F1", u"opens aboutMessage; help 1〜30：その番号の建物へ（二けたは0.4秒以内; help 1〜25：その番号の区画へ");
    row("quit", 0, "", "Command1", "Ctrl+Q", u"quits");
    row("diamond Up", 1, "", "Command7", "Up", u"focus Command1");
    row("diamond Up along the edge", 1, "", "Command2", "Up", u"focus Command1");
    row("diamond Left from the top", 1, "", "Command1", "Left", u"focus Command2");
    row("diamond Right along a drawn row", 1, "", "Command13", "Right", u"focus Command17");
    row("diamond Down at the bottom", 1, "", "Command25", "Down", u"focus Command25");
    row("first lot from キャンセル", 1, "", "Command26", "Home", u"focus Command1");
    row("last lot", 1, "", "Command3", "End", u"focus Command25");
    row("lot by two digits", 1, "", "Command1", "2 5", u"focus Command25");
    row("a lot ending in 0 from キャンセル", 1, "", "Command26", "2 0", u"focus Command20");
    row("a number past the lots starts anew", 1, "", "Command1", "2 6", u"focus Command6");
    row("build and move on past a built lot", 29, "9", "Command8", "N",
        u"said 区画8 低密度工業、30＄、残高 970; focus Command10; built 8; ring 建設物購入");
    row("what N said goes with the focus", 1, "", "Command3", "N Tab", u"focus Command5; plain Command4");
    row("a held N builds once", 1, "", "Command3", "N ~N ~N", u"focus Command4; balance 995");
    row("Alt+N builds nothing", 1, "", "Command3", "Alt+N", u"focus Command3; balance 1000");
    row("build and move on round to lot 1", 1, "", "Command25", "N",
        u"said 区画25 低密度住宅、5＄、残高 995; focus Command1");
    row("built lots in the picker", 1, "3", "Command1", "T", u"notice 建物のある区画 区画3 低密度住宅");
    row("the picker opens on the first bare lot", 1, "1-2,4", "", "", u"focus Command3");
    row("the picker opens on lot 1 when none is bare", 1, "1-25", "", "", u"focus Command1");
    row("N on a built lot moves on and charges nothing", 2, "1,2", "Command1", "N",
        u"said 区画1は建物があるので建てません; focus Command3; balance 1000");
    row("N on the last bare lot says so", 1, "1-4,6-25", "Command5", "N",
        u"notice 区画5 低密度住宅、5＄、残高 995、空き地はもうありません; focus Command5");
    row("N with no bare lot charges nothing", 2, "1-25", "Command25", "N",
        u"notice 区画25は建物があるので建てません、空き地はもうありません; balance 1000");
    row("Esc in the picker says how to leave it", 1, "", "Command26", "Escape",
        u"notice Esc では閉じません。閉じるのは「キャンセル」、End のあと Tab で行けます; focus Command26; opens Form3");
    row("figures in the picker", 1, "", "Command9", "F", u"notice 残高 1000 人口 年 0");
    row("time in the picker", 1, "", "Command26", "P P", u"clock stopped; notice 時間は止まっています");
    row("land price from the picker", 1, "", "Command1", "L", u"opens Form4");
    row("settings from the picker", 1, "", "Command1", "S", u"opens Form5");
    row("help from the picker", 1, "", "Command1", "F1", u"opens aboutMessage");
    row("quit from the picker", 1, "", "Command1", "Ctrl+Q", u"quits");
}

void TestKeyMap::keysDoWhatTheirRowSays()
{
    QFETCH(int, picker);
    QFETCH(QString, built);
    QFETCH(QString, from);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    // The help's lines are filled in without a word from Qt.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^QString::")));
    TownState &town = m_window->town();
    for (const QString &lots : built.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        for (int lot = lots.section(QLatin1Char('-'), 0, 0).toInt(); lot <= lots.section(QLatin1Char('-'), -1).toInt(); ++lot)
            town.setLotPicture(lot, 1);
    }
    QWidget *window = m_window.get();
    if (picker) {
        kindButton(picker)->click();
        window = m_window->lotPicker();
        // Keys reach the window in front, as the player's do.
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    if (!from.isEmpty())
        child<QWidget>(window, from)->setFocus();
    // As a window starts: no key has moved its focus yet.
    window->setAttribute(Qt::WA_KeyboardFocusChange, false);
    QSignalSpy ended(commandButton(ControlNames::Command::End), &QPushButton::clicked);
    const auto places = picker ? QList{KeyMap::Place::Diamond, KeyMap::Place::Picker, KeyMap::Place::Game}
                               : QList{KeyMap::Place::Palette, KeyMap::Place::MainWindow, KeyMap::Place::Game};
    for (const QString &key : keys.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        // "~P": P held down, as the keyboard repeats it.
        const bool held = key.startsWith(QLatin1Char('~'));
        const QKeyCombination combination = QKeySequence(key.mid(held ? 1 : 0))[0];
        QKeyEvent event(QEvent::KeyPress, combination.key(), combination.keyboardModifiers(), QString(), held);
        for (KeyMap::Place place : places) {
            if (const KeyMap::Binding *binding = KeyMap::find(place, event))
                s_pressed << binding;
        }
        if (held)
            QApplication::sendEvent(window->focusWidget(), &event);
        else
            QTest::keyClick(window->focusWidget(), combination.key(), combination.keyboardModifiers());
    }
    for (const QString &check : expected.split(QStringLiteral("; "))) {
        const QString what = check.section(QLatin1Char(' '), 0, 0);
        const QString value = check.section(QLatin1Char(' '), 1);
        if (what == QLatin1String("focus"))
            QCOMPARE(window->focusWidget()->objectName(), value);
        else if (what == QLatin1String("notice"))
            QCOMPARE(child<QWidget>(window, QStringLiteral("spokenNotice"))->accessibleName(), value);
        else if (what == QLatin1String("clock"))
            QCOMPARE(m_window->clock().isRunning(), value == QLatin1String("running"));
        else if (what == QLatin1String("opens"))
            QVERIFY(shown(value));
        else if (what == QLatin1String("built"))
            QCOMPARE(town.lotPicture(value.toInt()), picker);
        else if (what == QLatin1String("plain"))
            QCOMPARE(child<QWidget>(window, value)->accessibleDescription(), QString());
        else if (what == QLatin1String("said"))
            verifySaidOnArrival(window, value);
        else if (what == QLatin1String("ring"))
            verifyRing(value);
        else if (what == QLatin1String("help"))
            QVERIFY(qobject_cast<QMessageBox *>(shown(QStringLiteral("aboutMessage")))->text().contains(value));
        else if (what == QLatin1String("balance"))
            QCOMPARE(QString::fromStdString(town.text(Fields::balance)), value);
        else
            QCOMPARE(ended.size(), 1);
    }
}

// Every key of the map but Qt's own Tab, Space and Enter has a row above.
void TestKeyMap::everyRowOfTheMapIsPressed()
{
    for (const KeyMap::Binding &binding : KeyMap::bindings()) {
        if (binding.place != KeyMap::Place::AnyWindow)
            QVERIFY2(s_pressed.contains(&binding), qPrintable(QString::fromUtf16(binding.keys.data(), binding.keys.size())));
    }
}

void TestKeyMap::aScreenReadersKeysNeverAct_data()
{
    // How the keys come: from the window system with no reader, or while one
    // listens (on Windows); late through a reader's bridge; posted by a program.
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("keys"); // +pressed, -released, ~held (repeated), or both
    QTest::addColumn<QString>("opens"); // or the control that then has the focus
    QTest::newRow("keypad Enter without a reader") << "window" << "KP_Enter" << "Form3";
    QTest::newRow("keypad Enter, Orca's where-am-I") << "reader" << "KP_Enter" << "";
    QTest::newRow("Return through the reader") << "reader" << "Return" << "Form3";
    QTest::newRow("Space with the reader's Insert held") << "reader" << "+Insert Space -Insert" << "";
    QTest::newRow("Space once Insert is let go") << "reader" << "Insert Space" << "Form3";
    QTest::newRow("L with Caps Lock held, laptop layout") << "reader" << "+CapsLock L -CapsLock" << "";
    QTest::newRow("L through the reader") << "reader" << "L" << "Form4";
    QTest::newRow("keypad Enter, a reader on Windows") << "Windows reader" << "KP_Enter" << "Form3";
    QTest::newRow("keypad Enter posted, no reader") << "program" << "KP_Enter" << "Form3";
    QTest::newRow("Space with Insert held long") << "reader" << "+Insert ~Insert Space -Insert" << "";
    QTest::newRow("Space let go within a chord") << "reader" << "+Space +Insert -Space -Insert" << "Form3";
    QTest::newRow("keypad digits type through the reader") << "reader" << "KP_1 KP_0" << "Command10";
}

// A key that came through a screen reader's bridge is sent on to the game
// as Qt sends it when the reader answers late: posted to the window anew.
void TestKeyMap::aScreenReadersKeysNeverAct()
{
    QFETCH(QString, from);
    QFETCH(QString, keys);
    QFETCH(QString, opens);
    std::optional<AccessibilityEvents> listening;
    if (from.endsWith(QLatin1String("reader")))
        listening.emplace();
    kindButton(7)->setFocus();
    QWindow *window = m_window->windowHandle();
    const QMap<QString, int> named{{QStringLiteral("KP_Enter"), Qt::Key_Enter}, {QStringLiteral("Return"), Qt::Key_Return},
                                   {QStringLiteral("Insert"), Qt::Key_Insert}, {QStringLiteral("CapsLock"), Qt::Key_CapsLock},
                                   {QStringLiteral("Space"), Qt::Key_Space}, {QStringLiteral("L"), Qt::Key_L},
                                   {QStringLiteral("KP_0"), Qt::Key_0}, {QStringLiteral("KP_1"), Qt::Key_1}};
    for (const QString &key : keys.split(QLatin1Char(' '))) {
        const QString name = key.mid(QStringLiteral("+-~").contains(key.front()) ? 1 : 0);
        const auto code = Qt::Key(named.value(name));
        const Qt::KeyboardModifiers modifiers = name.startsWith(QLatin1String("KP_")) ? Qt::KeypadModifier : Qt::NoModifier;
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            if (key.startsWith(QLatin1Char(type == QEvent::KeyPress ? '-' : '+')))
                continue;
            if (from == QLatin1String("reader") || from == QLatin1String("program")) {
                QCoreApplication::postEvent(window, new QKeyEvent(type, code, modifiers, QString(), key.startsWith(QLatin1Char('~'))));
                QCoreApplication::processEvents();
            } else {
                QTest::sendKeyEvent(type == QEvent::KeyPress ? QTest::Press : QTest::Release, window, code, QString(), modifiers);
            }
        }
    }
    for (const char *window : {"Form3", "Form4"})
        QCOMPARE(bool(shown(QString::fromLatin1(window))), opens == QLatin1String(window));
    if (opens.startsWith(QLatin1String("Command")))
        QCOMPARE(m_window->focusWidget()->objectName(), opens);
}

// The keypad's digits and point type, whoever listens: they are the player's.
void TestKeyMap::keypadTypingKeysAreThePlayers()
{
    for (int key : {Qt::Key_0, Qt::Key_9, Qt::Key_Period, Qt::Key_Comma})
        QVERIFY(!ScreenReaderKeys::isReaderKey(QKeyEvent(QEvent::KeyPress, key, Qt::KeypadModifier)));
}

QTEST_MAIN(TestKeyMap)
#include "tst_keymap.moc"
