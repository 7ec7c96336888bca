#include "accessibilityevents.h"
#include "mainwindow.h"
#include "settingsdialog.h"
#include "windowtesting.h"

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <climits>
#include <memory>

using namespace WindowTesting;

// What a screen reader gets when it asks the game, in-process, with
// accessibility switched on as a reader switches it on.
class TestScreenReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void figureAnswersEveryTextRequest_data();
    void figureAnswersEveryTextRequest();
    void everyControlSaysWhatItIs_data();
    void everyControlSaysWhatItIs();

private:
    std::unique_ptr<AccessibilityEvents> m_heard;
    std::unique_ptr<MainWindow> m_window;
};

void TestScreenReader::initTestCase()
{
    setUpGameApplication();
}

void TestScreenReader::init()
{
    m_heard = std::make_unique<AccessibilityEvents>();
    m_window = std::make_unique<MainWindow>();
    m_window->clock().stop();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestScreenReader::cleanup()
{
    m_window.reset();
    flushDeletes();
    m_heard.reset();
}

namespace {

// What a row asks of the figure's text interface.
constexpr int Text = 0, Before = 1, At = 2, After = 3, Select = 4, Sweep = 5;

} // namespace

void TestScreenReader::figureAnswersEveryTextRequest_data()
{
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    const QString none;
    const int word = QAccessible::WordBoundary;
    const int character = QAccessible::CharBoundary;
    // The figure holds "12 ab".
    QTest::newRow("text") << Text << 0 << 1 << 4 << QStringLiteral("2 a") << 0 << 0;
    QTest::newRow("whole text") << Text << 0 << 0 << 5 << QStringLiteral("12 ab") << 0 << 0;
    QTest::newRow("text from INT_MIN") << Text << 0 << INT_MIN << 5 << none << 0 << 0;
    QTest::newRow("text past the end") << Text << 0 << 0 << 6 << none << 0 << 0;
    QTest::newRow("text backwards") << Text << 0 << 3 << 2 << none << 0 << 0;
    QTest::newRow("word at the caret") << At << word << 1 << 0 << QStringLiteral("12") << 0 << 2;
    QTest::newRow("word at the end") << At << word << 5 << 0 << QStringLiteral("ab") << 3 << 5;
    QTest::newRow("word at -1") << At << word << -1 << 0 << QStringLiteral("ab") << 3 << 5;
    QTest::newRow("word before") << Before << word << 3 << 0 << QStringLiteral(" ") << 2 << 3;
    QTest::newRow("word after") << After << word << 2 << 0 << QStringLiteral("ab") << 3 << 5;
    QTest::newRow("nothing after the end") << After << word << 5 << 0 << none << 5 << 5;
    QTest::newRow("character at the end") << At << character << 5 << 0 << none << 5 << 5;
    QTest::newRow("character before the end") << Before << character << -1 << 0 << QStringLiteral("b") << 4 << 5;
    QTest::newRow("sentence at the end") << At << int(QAccessible::SentenceBoundary) << 5 << 0
                                         << QStringLiteral("12 ab") << 0 << 5;
    QTest::newRow("line at -1") << At << int(QAccessible::LineBoundary) << -1 << 0 << QStringLiteral("12 ab") << 0 << 5;
    QTest::newRow("word past the end") << At << word << 6 << 0 << none << -1 << -1;
    QTest::newRow("paragraph at INT_MIN") << At << int(QAccessible::ParagraphBoundary) << INT_MIN << 0 << none << -1
                                          << -1;
    QTest::newRow("line before INT_MAX") << Before << int(QAccessible::LineBoundary) << INT_MAX << 0 << none << -1
                                         << -1;
    QTest::newRow("select") << Select << 0 << 4 << 1 << none << 1 << 4;
    QTest::newRow("select to INT_MIN") << Select << 0 << 1 << INT_MIN << none << 0 << 0;
    QTest::newRow("select from INT_MAX") << Select << 0 << INT_MAX << 2 << none << 0 << 0;
    QTest::newRow("every boundary at every offset, every character's place") << Sweep << 0 << 0 << 0 << none << 0
                                                                             << 0;
}

// A figure answers whatever a reader asks, at once: the text, the piece of it
// at, before or after any offset for every kind of boundary (the caret's end
// and -1 included), the selection and each character's place. Offsets out of
// range get an empty answer and change nothing.
void TestScreenReader::figureAnswersEveryTextRequest()
{
    QFETCH(int, request);
    QFETCH(int, boundary);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, answer);
    QFETCH(int, start);
    QFETCH(int, end);
    QTest::mouseClick(child<QPushButton>(m_window.get(), QStringLiteral("Command32")), Qt::LeftButton);
    auto *figure = child<QLineEdit>(m_window->settingsDialog(), QStringLiteral("Text1"));
    QVERIFY(QTest::qWaitForWindowExposed(m_window->settingsDialog()));
    figure->setText(QStringLiteral("12 ab"));
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(figure)->textInterface();
    QVERIFY(text);
    const auto type = QAccessible::TextBoundaryType(boundary);
    int from = 0, to = 0;
    switch (request) {
    case Text:
        QCOMPARE(text->text(first, second), answer);
        return;
    case Before:
        QCOMPARE(text->textBeforeOffset(first, type, &from, &to), answer);
        break;
    case At:
        QCOMPARE(text->textAtOffset(first, type, &from, &to), answer);
        break;
    case After:
        QCOMPARE(text->textAfterOffset(first, type, &from, &to), answer);
        break;
    case Select:
        text->setSelection(0, first, second);
        text->selection(0, &from, &to);
        break;
    case Sweep:
        for (int kind = QAccessible::CharBoundary; kind <= QAccessible::NoBoundary; ++kind) {
            for (int offset = -2; offset <= 6; ++offset) {
                const QString at = text->textAtOffset(offset, QAccessible::TextBoundaryType(kind), &from, &to);
                QVERIFY(offset >= -1 && offset <= 5 ? from >= 0 && at == text->text(from, to) : from == -1);
            }
        }
        // Each character stands right after the one before, wherever the caret is.
        for (int caret : {0, 5}) {
            figure->setCursorPosition(caret);
            for (int offset = 0; offset < 5; ++offset) {
                const QRect place = text->characterRect(offset);
                QVERIFY(place.width() > 2);
                QCOMPARE(text->offsetAtPoint(place.topLeft() + QPoint(1, 1)), offset);
                if (offset > 0)
                    QCOMPARE(place.left(), text->characterRect(offset - 1).right() + 1);
            }
        }
        QVERIFY(text->characterRect(5).isNull());
        return;
    }
    QCOMPARE(std::pair(from, to), std::pair(start, end));
}

namespace {

using Finder = QObject *(*)(MainWindow &window);

QObject *figureMenu(MainWindow &window)
{
    QTest::mouseClick(child<QPushButton>(&window, QStringLiteral("Command32")), Qt::LeftButton);
    return child<QLineEdit>(window.settingsDialog(), QStringLiteral("Text1"))->createStandardContextMenu();
}

} // namespace

Q_DECLARE_METATYPE(Finder)

void TestScreenReader::everyControlSaysWhatItIs_data()
{
    QTest::addColumn<Finder>("find");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::newRow("a figure's context menu") << Finder(figureMenu) << int(QAccessible::PopupMenu) << QString()
                                             << QString();
}

// Each control, window and message reaches a reader with the role that tells
// what it is, the name that says which, and a description that adds what the
// name leaves out.
void TestScreenReader::everyControlSaysWhatItIs()
{
    QFETCH(Finder, find);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QObject *control = find(*m_window);
    QVERIFY(control);
    QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(control);
    QCOMPARE(int(heard->role()), role);
    QCOMPARE(heard->text(QAccessible::Name), name);
    QCOMPARE(heard->text(QAccessible::Description), description);
    // A menu reads its items.
    QVERIFY(role != QAccessible::PopupMenu || heard->childCount() > 0);
}

QTEST_MAIN(TestScreenReader)
#include "tst_screenreader.moc"
