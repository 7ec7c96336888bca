#include "accessibilityevents.h"
#include "mainwindow.h"
#include "settingsdialog.h"
#include "textextents.h"
#include "windowtestcase.h"
#include "windowtesting.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QAccessible>
#include <QTest>

#include <climits>

using namespace WindowTesting;

// The basic settings dialog: what it shows at opening, what "OK" sets and
// credits, what it refuses, and that leaving it changes nothing.
class TestSettingsDialog : public WindowTestCase {
    Q_OBJECT

private Q_SLOTS:
    void opensWithTheDesignFiguresAndFreshRows_data();
    void opensWithTheDesignFiguresAndFreshRows();
    void okCopiesTheFiguresAndCreditsThePopulation_data();
    void okCopiesTheFiguresAndCreditsThePopulation();
    void okRefusesAFigureThatIsNotANumber_data();
    void okRefusesAFigureThatIsNotANumber();
    void leavingChangesNothing_data();
    void leavingChangesNothing();
    void enterPressesTheFocusedOk();
    void reopeningWhileOpenKeepsTheTypedFigures();
    void everyOpeningStartsAgainFromTen();
    void isAFixedToolWindowWithItsTabOrder();
    void figureAnswersEveryScreenReaderRequest_data();
    void figureAnswersEveryScreenReaderRequest();

private:
    SettingsDialog *open();
    QLineEdit *figure(int number) const;
    QString row(const char *label) const;
    void pressOk();
};

SettingsDialog *TestSettingsDialog::open()
{
    QTest::mouseClick(commandButton(ControlNames::Command::Settings), Qt::LeftButton);
    return m_window->settingsDialog();
}

QLineEdit *TestSettingsDialog::figure(int number) const
{
    return child<QLineEdit>(m_window->settingsDialog(), QStringLiteral("Text%1").arg(number));
}

QString TestSettingsDialog::row(const char *label) const
{
    return child<QLabel>(m_window->settingsDialog(), QString::fromLatin1(label))->text();
}

void TestSettingsDialog::pressOk()
{
    QTest::mouseClick(child<QPushButton>(m_window->settingsDialog(), QStringLiteral("Command1")),
                      Qt::LeftButton);
    flushDeletes();
}

void TestSettingsDialog::opensWithTheDesignFiguresAndFreshRows_data()
{
    QTest::addColumn<QByteArray>("commerce");
    QTest::addColumn<QByteArray>("industry");
    QTest::addColumn<QByteArray>("population");
    QTest::addColumn<QString>("gnp");
    QTest::newRow("new town") << QByteArray("0") << QByteArray("0") << QByteArray("0") << QStringLiteral("0");
    QTest::newRow("commerce 30, industry 5") << QByteArray("30") << QByteArray("5") << QByteArray("0")
                                             << QStringLiteral("30.5");
    QTest::newRow("population text as it is") << QByteArray("50") << QByteArray("100")
                                              << QByteArray("7.5") << QStringLiteral("60");
}

// "GNP" is computed afresh from commerce + industry / 10; "人口" is the population field's text.
void TestSettingsDialog::opensWithTheDesignFiguresAndFreshRows()
{
    QFETCH(QByteArray, commerce);
    QFETCH(QByteArray, industry);
    QFETCH(QByteArray, population);
    QFETCH(QString, gnp);
    TownState &town = m_window->town();
    town.setText(Fields::commerceTotal, commerce.toStdString());
    town.setText(Fields::industryTotal, industry.toStdString());
    town.setText(Fields::population, population.toStdString());
    QVERIFY(open());
    for (int n = 1; n <= 3; ++n)
        QCOMPARE(figure(n)->text(), QStringLiteral("10"));
    // A screen reader reads a figure run by run: it is one run, or "10" is heard as "1".
    int runStart = -1, runEnd = -1;
    QAccessible::queryAccessibleInterface(figure(1))->textInterface()->attributes(1, &runStart, &runEnd);
    QCOMPARE(std::pair(runStart, runEnd), std::pair(0, 2));
    QCOMPARE(row("Label8"), gnp);
    QCOMPARE(row("Label10"), QString::fromLatin1(population));
    auto *summary = child<QLabel>(m_window->settingsDialog(), QStringLiteral("spokenSummary"));
    QCOMPARE(summary->accessibleName(),
             QStringLiteral("消費税 10、交通 10、教育 10、GNP %1、人口 %2").arg(gnp, QString::fromLatin1(population)));
    // Shown to a reader, out of the player's view.
    QVERIFY(summary->isVisible() && !m_window->settingsDialog()->rect().intersects(summary->geometry()));
    QCOMPARE(town.text(Fields::grossDomesticProduct), std::string("0"));
}

void TestSettingsDialog::okCopiesTheFiguresAndCreditsThePopulation_data()
{
    QTest::addColumn<QString>("tax");
    QTest::addColumn<QString>("transport");
    QTest::addColumn<QString>("education");
    QTest::addColumn<QByteArray>("population");
    QTest::newRow("untouched") << "10" << "10" << "10" << QByteArray("60");
    QTest::newRow("5, 20, 0") << "5" << "20" << "0" << QByteArray("60");
    QTest::newRow("fractional education") << "10" << "0" << "2.5" << QByteArray("7.5");
    QTest::newRow("leading zeros kept") << "007" << "010" << "0" << QByteArray("30");
    QTest::newRow("negative spending") << "10" << "-10" << "0" << QByteArray("-30");
}

// The typed texts go verbatim into Text32, Text34 and Text35; the population
// gains three times education and then three times transport; the dialog closes.
void TestSettingsDialog::okCopiesTheFiguresAndCreditsThePopulation()
{
    QFETCH(QString, tax);
    QFETCH(QString, transport);
    QFETCH(QString, education);
    QFETCH(QByteArray, population);
    open();
    figure(1)->setText(tax);
    // Typed as a player types over the figure: a reader hears the box read back.
    figure(2)->selectAll();
    QTest::keyClicks(figure(2), transport);
    QTRY_COMPARE(child<QWidget>(m_window->settingsDialog(), QStringLiteral("spokenNotice"))->accessibleName(),
                 QStringLiteral("交通 ") + transport);
    figure(3)->setText(education);
    // The dialog has the focus, as under a window manager, which gives it
    // back to the main window once the dialog is gone.
    m_window->settingsDialog()->activateWindow();
    QTRY_VERIFY(m_window->settingsDialog()->isActiveWindow());
    pressOk();
    auto *notice = child<QWidget>(m_window.get(), QStringLiteral("spokenNotice"));
    QVERIFY2(notice->accessibleName().isEmpty(), "said before the main window is back");
    m_window->activateWindow();
    const TownState &town = m_window->town();
    QCOMPARE(town.text(Fields::consumptionTax), tax.toStdString());
    QCOMPARE(town.text(Fields::transportSpending), transport.toStdString());
    QCOMPARE(town.text(Fields::educationSpending), education.toStdString());
    QCOMPARE(town.text(Fields::population), population.toStdString());
    QVERIFY(!m_window->settingsDialog());
    // Once the main window is back, a screen reader hears what the town now uses.
    const QString said = QStringLiteral("消費税 %1、交通 %2、教育 %3").arg(tax, transport, education);
    QTRY_COMPARE(notice->accessibleName(), said);
    // Said once: the window's next return says nothing.
    QEvent activated(QEvent::WindowActivate);
    QCoreApplication::sendEvent(m_window.get(), &activated);
    QCoreApplication::processEvents();
    QCOMPARE(notice->accessibleName(), said);
    // The credit never reaches the main window's display by itself.
    QCOMPARE(child<QLabel>(m_window.get(), QStringLiteral("Label14"))->text(), QString());
}

void TestSettingsDialog::okRefusesAFigureThatIsNotANumber_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("named");
    const struct {
        int box;
        const char16_t *name;
    } boxes[] = {{1, u"消費税"}, {2, u"交通"}, {3, u"教育"}};
    const struct {
        const char *label;
        const char16_t *text;
    } inputs[] = {
        {"empty", u""}, {"letters", u"abc"}, {"full-width digits", u"１０"},
        {"nan", u"nan"}, {"overflowing", u"1e999"},
    };
    for (const auto &box : boxes) {
        for (const auto &input : inputs) {
            QTest::addRow("Text%d %s", box.box, input.label)
                << box.box << QString::fromUtf16(input.text) << QString::fromUtf16(box.name);
        }
    }
}

// A figure that does not read as a finite number keeps the dialog open with
// the typed text, names the figure in a message and changes no field.
void TestSettingsDialog::okRefusesAFigureThatIsNotANumber()
{
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(QString, named);
    SettingsDialog *dialog = open();
    figure(box)->setText(typed);
    const TownSnapshot before(m_window->town());
    const AccessibilityEvents heard;
    pressOk();

    QCOMPARE(m_window->settingsDialog(), dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(figure(box)->text(), typed);
    QVERIFY(TownSnapshot(m_window->town()) == before);
    auto *message = dialog->findChild<QMessageBox *>();
    QVERIFY(message);
    QVERIFY(message->isVisible());
    QVERIFY2(message->text().startsWith(named), qPrintable(message->text()));
    QVERIFY(message->text().contains(QStringLiteral("半角の数字")));
    // A screen reader reads the title and the reason as the message opens,
    // and once: nothing announces them besides.
    const QString name = QAccessible::queryAccessibleInterface(message)->text(QAccessible::Name);
    QCOMPARE(name, QStringLiteral("基本設定 ") + message->text());
    QCOMPARE(heard.timesSaid(name), 0);

    // Once the message is dismissed, the player corrects the figure and OK goes through.
    message->button(QMessageBox::Ok)->click();
    flushDeletes();
    QCOMPARE(dialog->focusWidget(), figure(box));
    figure(box)->setText(QStringLiteral("3"));
    pressOk();
    QVERIFY(!m_window->settingsDialog());
}

void TestSettingsDialog::leavingChangesNothing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("キャンセル") << false;
    QTest::newRow("close box") << true;
}

// "キャンセル" and the close box leave all six fields alone, whatever was typed.
void TestSettingsDialog::leavingChangesNothing()
{
    QFETCH(bool, closeBox);
    SettingsDialog *dialog = open();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    figure(1)->setText(QStringLiteral("5"));
    figure(2)->setText(QStringLiteral("abc"));
    figure(3)->setText(QStringLiteral("99"));
    const TownSnapshot before(m_window->town());
    if (closeBox)
        pressCloseBox(dialog);
    else
        QTest::mouseClick(child<QPushButton>(dialog, QStringLiteral("Command2")), Qt::LeftButton);
    flushDeletes();
    QVERIFY(!m_window->settingsDialog());
    QVERIFY(TownSnapshot(m_window->town()) == before);
}

// Right after opening, "OK" has the focus, so Enter applies; Escape does nothing.
void TestSettingsDialog::enterPressesTheFocusedOk()
{
    SettingsDialog *dialog = open();
    QWidget *ok = child<QWidget>(dialog, QStringLiteral("Command1"));
    QCOMPARE(dialog->focusWidget(), ok);
    QTest::keyClick(ok, Qt::Key_Escape);
    flushDeletes();
    QCOMPARE(m_window->settingsDialog(), dialog);
    QTest::keyClick(ok, Qt::Key_Return);
    flushDeletes();
    QVERIFY(!m_window->settingsDialog());
    QCOMPARE(m_window->town().text(Fields::population), std::string("60"));
}

// "基本設定" on an open dialog keeps what was typed and refreshes the two rows.
void TestSettingsDialog::reopeningWhileOpenKeepsTheTypedFigures()
{
    SettingsDialog *dialog = open();
    figure(1)->setText(QStringLiteral("5"));
    m_window->town().setText(Fields::commerceTotal, "20");
    m_window->town().setText(Fields::population, "12");
    QCOMPARE(open(), dialog);
    QCOMPARE(figure(1)->text(), QStringLiteral("5"));
    QCOMPARE(row("Label8"), QStringLiteral("20"));
    QCOMPARE(row("Label10"), QStringLiteral("12"));
}

// The boxes never show the town's figures: after an "OK" with tax 5 they read 10 again,
// and with the clock stopped the credited population shows in "人口".
void TestSettingsDialog::everyOpeningStartsAgainFromTen()
{
    open();
    figure(1)->setText(QStringLiteral("5"));
    pressOk();
    QCOMPARE(m_window->town().text(Fields::consumptionTax), std::string("5"));
    open();
    QCOMPARE(figure(1)->text(), QStringLiteral("10"));
    QCOMPARE(row("Label10"), QStringLiteral("60"));
    pressOk();
    QCOMPARE(m_window->town().text(Fields::consumptionTax), std::string("10"));
}

// Caption "基本設定", 320 x 225, close box only; focus on "OK", then Tab
// walks Text1, Text2, Text3 and "キャンセル"; no button is a default button.
void TestSettingsDialog::isAFixedToolWindowWithItsTabOrder()
{
    SettingsDialog *dialog = open();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("基本設定"));
    QCOMPARE(dialog->windowType(), Qt::Tool);
    QCOMPARE(QAccessible::queryAccessibleInterface(dialog)->role(), QAccessible::Dialog);
    QVERIFY(!(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(dialog->size(), QSize(320, 225));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());

    const struct {
        const char *name;
        QRect geometry;
        const char *caption;
    } controls[] = {
        {"Label1", QRect(8, 8, 41, 17), "消費税"}, {"Text1", QRect(56, 8, 49, 18), nullptr},
        {"Label2", QRect(112, 16, 209, 17), nullptr}, {"Label3", QRect(16, 40, 25, 17), "交通"},
        {"Text2", QRect(56, 40, 49, 18), nullptr}, {"Label4", QRect(112, 48, 201, 17), nullptr},
        {"Label5", QRect(16, 72, 25, 17), "教育"}, {"Text3", QRect(56, 72, 49, 18), nullptr},
        {"Label6", QRect(112, 80, 201, 17), nullptr}, {"Label7", QRect(16, 104, 25, 17), "GNP"},
        {"Label8", QRect(56, 104, 233, 17), nullptr}, {"Label9", QRect(16, 136, 25, 17), "人口"},
        {"Label10", QRect(56, 136, 241, 17), nullptr}, {"Command1", QRect(88, 176, 73, 41), nullptr},
        {"Command2", QRect(200, 176, 73, 41), nullptr}, {"Line1", QRect(48, 0, 1, 224), nullptr},
        {"Line2", QRect(8, 32, 320, 1), nullptr}, {"Line6", QRect(8, 160, 320, 1), nullptr},
    };
    for (const auto &control : controls) {
        auto *widget = child<QWidget>(dialog, QString::fromLatin1(control.name));
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), control.geometry);
        if (control.caption)
            QCOMPARE(row(control.name), QString::fromUtf8(control.caption));
    }
    // Assistive technology names each figure after its caption.
    const QStringList figureNames{QStringLiteral("消費税"), QStringLiteral("交通"), QStringLiteral("教育")};
    for (int n = 1; n <= 3; ++n)
        QCOMPARE(QAccessible::queryAccessibleInterface(figure(n))->text(QAccessible::Name), figureNames.at(n - 1));
    // A figure's context menu is Qt's own, read with its items.
    QMenu *contextMenu = figure(1)->createStandardContextMenu();
    QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(contextMenu);
    QVERIFY(menu->role() == QAccessible::PopupMenu && menu->childCount() > 0);
    // In Japanese, whatever the locale.
    QVERIFY(contextMenu->actions().constLast()->text().startsWith(QStringLiteral("すべてを選択")));
    QCOMPARE(row("Label2"), QStringLiteral("%　　※半角の数字で入力してください。"));
    QCOMPARE(row("Label4"), QStringLiteral("$  　※半角の数字で入力してください。"));
    QCOMPARE(row("Label6"), QStringLiteral("$    ※半角の数字で入力してください。"));

    const QStringList expected{QStringLiteral("Command1"), QStringLiteral("Text1"), QStringLiteral("Text2"),
                               QStringLiteral("Text3"), QStringLiteral("Command2"), QStringLiteral("Command1")};
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QStringList visited{dialog->focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
        visited << dialog->focusWidget()->objectName();
        // Tab selects a figure whole, so that typing replaces it.
        if (auto *box = qobject_cast<QLineEdit *>(dialog->focusWidget()))
            QTRY_COMPARE(box->selectedText(), box->text());
    }
    QCOMPARE(visited, expected);
    for (const QPushButton *button : dialog->findChildren<QPushButton *>())
        QVERIFY(!button->isDefault());
}

namespace {

// What a row asks of a figure's text interface.
constexpr int Text = 0, Before = 1, At = 2, After = 3, Select = 4, Sweep = 5, Insert = 6, Delete = 7, Replace = 8;

} // namespace

void TestSettingsDialog::figureAnswersEveryScreenReaderRequest_data()
{
    for (const char *column : {"request", "boundary", "first", "second", "start", "end"})
        QTest::addColumn<int>(column);
    QTest::addColumn<QString>("answer");
    const int word = QAccessible::WordBoundary, line = QAccessible::LineBoundary;
    // The figure holds "12 ab".
    QTest::newRow("text") << Text << 0 << 1 << 4 << 0 << 0 << "2 a";
    QTest::newRow("text from INT_MIN") << Text << 0 << INT_MIN << 5 << 0 << 0 << "";
    QTest::newRow("text backwards") << Text << 0 << 4 << 1 << 0 << 0 << "";
    QTest::newRow("word at the end") << At << word << 5 << 0 << 3 << 5 << "ab";
    QTest::newRow("word at -1") << At << word << -1 << 0 << 3 << 5 << "ab";
    QTest::newRow("word before") << Before << word << 3 << 0 << 2 << 3 << " ";
    QTest::newRow("nothing before the start") << Before << word << 0 << 0 << 0 << 0 << "";
    QTest::newRow("nothing after the end") << After << word << 5 << 0 << 5 << 5 << "";
    QTest::newRow("no character at the end") << At << int(QAccessible::CharBoundary) << 5 << 0 << 5 << 5 << "";
    QTest::newRow("sentence at the end") << At << int(QAccessible::SentenceBoundary) << 5 << 0 << 0 << 5 << "12 ab";
    QTest::newRow("line past the end") << At << line << 6 << 0 << -1 << -1 << "";
    QTest::newRow("line before INT_MIN") << Before << line << INT_MIN << 0 << -1 << -1 << "";
    QTest::newRow("select backwards") << Select << 0 << 4 << 1 << 1 << 4 << "";
    QTest::newRow("select to INT_MIN") << Select << 0 << 1 << INT_MIN << 0 << 0 << "";
    QTest::newRow("select past the end") << Select << 0 << 0 << 7 << 0 << 0 << "";
    QTest::newRow("every boundary and place") << Sweep << 0 << 0 << 0 << 0 << 0 << "";
    // What a reader writes; the answer is the figure afterwards.
    QTest::newRow("insert at the end") << Insert << 0 << 5 << 0 << 0 << 0 << "12 ab9";
    QTest::newRow("delete a word") << Delete << 0 << 0 << 3 << 0 << 0 << "ab";
    QTest::newRow("replace") << Replace << 0 << 1 << 4 << 0 << 0 << "19b";
    QTest::newRow("insert past the end") << Insert << 0 << 6 << 0 << 0 << 0 << "12 ab";
    QTest::newRow("delete backwards") << Delete << 0 << 4 << 1 << 0 << 0 << "12 ab";
}

// With a screen reader listening, a figure answers whatever it asks, at once:
// the text, the piece at, before or after any offset for every boundary (the
// end and -1 included), the selection and each character's place; offsets
// out of range get an empty answer and change nothing.
void TestSettingsDialog::figureAnswersEveryScreenReaderRequest()
{
    QFETCH(int, request);
    QFETCH(int, boundary);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QString, answer);
    const AccessibilityEvents readerListening;
    open();
    figure(1)->setText(QStringLiteral("12 ab"));
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(figure(1))->textInterface();
    const auto type = QAccessible::TextBoundaryType(boundary);
    int from = 0, to = 0;
    const QString piece = request == Text ? text->text(first, second)
        : request == Before ? text->textBeforeOffset(first, type, &from, &to)
        : request == At     ? text->textAtOffset(first, type, &from, &to)
        : request == After  ? text->textAfterOffset(first, type, &from, &to)
                            : QString();
    QAccessibleEditableTextInterface *editable = QAccessible::queryAccessibleInterface(figure(1))->editableTextInterface();
    if (request == Insert)
        editable->insertText(first, QStringLiteral("9"));
    else if (request == Delete)
        editable->deleteText(first, second);
    else if (request == Replace)
        editable->replaceText(first, second, QStringLiteral("9"));
    if (request >= Insert) {
        QCOMPARE(figure(1)->text(), answer);
        // The window's summary follows whatever set the figure.
        QVERIFY(child<QLabel>(m_window->settingsDialog(), QStringLiteral("spokenSummary"))
                    ->accessibleName().startsWith(QStringLiteral("消費税 %1、").arg(answer)));
        return;
    }
    if (request == Select) {
        text->setSelection(0, first, second);
        text->selection(0, &from, &to);
        QCOMPARE(text->selectionCount(), from == to ? 0 : 1);
    }
    QCOMPARE(piece, answer);
    QCOMPARE(std::pair(from, to), std::pair(start, end));
    if (request != Sweep)
        return;
    for (int kind = QAccessible::CharBoundary; kind <= QAccessible::NoBoundary; ++kind) {
        for (int offset = -2; offset <= 6; ++offset) {
            const QString at = text->textAtOffset(offset, QAccessible::TextBoundaryType(kind), &from, &to);
            QVERIFY(offset >= -1 && offset <= 5 ? from >= 0 && at == text->text(from, to) : from == -1);
        }
    }
    // Each character stands right after the one before, wherever the caret is.
    for (int caret : {0, 5}) {
        figure(1)->setCursorPosition(caret);
        for (int offset = 0; offset < 5; ++offset) {
            const QRect place = text->characterRect(offset);
            QCOMPARE(text->offsetAtPoint(place.topLeft() + QPoint(1, 1)), offset);
            QCOMPARE(text->offsetAtPoint(place.topRight() + QPoint(-1, 1)), offset);
            QVERIFY(place.width() > 0 && (!offset || place.left() == text->characterRect(offset - 1).right() + 1));
        }
    }
    QVERIFY(text->characterRect(5).isNull());
    QCOMPARE(text->offsetAtPoint(text->characterRect(4).topRight() + QPoint(3, 1)), -1);
    // Where a run stands, answered at once however far its ends lie.
    QAccessibleInterface &box = *QAccessible::queryAccessibleInterface(figure(1));
    QCOMPARE(TextExtents::rangeExtents(box, INT_MIN, INT_MAX), text->characterRect(0) | text->characterRect(4));
    QVERIFY(TextExtents::rangeExtents(box, 3, 3).isNull());
}

QTEST_MAIN(TestSettingsDialog)
#include "tst_settingsdialog.moc"
