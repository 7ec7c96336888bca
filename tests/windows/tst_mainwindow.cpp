#include "catalogue.h"
#include "landpricewindow.h"
#include "lotpicker.h"
#include "mainwindow.h"
#include "palettelayout.h"
#include "pixelart.h"
#include "settingsdialog.h"
#include "townview.h"
#include "windowtestcase.h"
#include "windowtesting.h"

#include <QAccessible>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>

#include <algorithm>
#include <cmath>
#include <stdexcept>

using namespace WindowTesting;

// The main window: its layout, the figures it shows, the clock options and
// the commands that belong to no other window.
class TestMainWindow : public WindowTestCase {
    Q_OBJECT

public:
    TestMainWindow() : WindowTestCase(Time::Running) {}

private Q_SLOTS:
    void isAFixedDialogWithItsExactTitle();
    void kindButtonsShowPicturesAndTheirTips_data();
    void kindButtonsShowPicturesAndTheirTips();
    void everyKindStandsInThePaletteUnderItsOwnName();
    void figuresAndCommandsStandWhereDesigned_data();
    void figuresAndCommandsStandWhereDesigned();
    void lotsFormTheDiamond_data();
    void lotsFormTheDiamond();
    void figuresFollowTheTownWithoutPolling();
    void textOnTheGamesBluesIsReadableUnderAnyTheme_data();
    void textOnTheGamesBluesIsReadableUnderAnyTheme();
    void clockRunsFromTheStartWithNoOptionSelected();
    void optionsStopAndRestartTheClock();
    void tabVisitsTheControlsInDesignOrder_data();
    void tabVisitsTheControlsInDesignOrder();
    void enterPressesOnlyTheFocusedButton_data();
    void enterPressesOnlyTheFocusedButton();
    void placedBuildingsAppearOnTheirLots();
    void tallBuildingsStandInFrontOfThePlotsBehind();
    void helpShowsTheModalMakerLine();
    void aTownThatCannotGoOnSaysSoOnce();
    void closingTheMainWindowClosesEveryOtherWindow();
    void destroyingTheMainWindowTakesTheOthersAlong();
};

// Title with its four trailing spaces, close box only, fixed 542 x 375 client area.
void TestMainWindow::isAFixedDialogWithItsExactTitle()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("VELDORAKS   kestavine    "));
    QCOMPARE(m_window->windowTitle().size(), 25);
    QCOMPARE(m_window->size(), QSize(542, 375));
    QCOMPARE(m_window->minimumSize(), QSize(542, 375));
    QCOMPARE(m_window->maximumSize(), QSize(542, 375));
    const Qt::WindowFlags flags = m_window->windowFlags();
    QCOMPARE(m_window->windowType(), Qt::Dialog);
    QCOMPARE(QAccessible::queryAccessibleInterface(m_window.get())->role(), QAccessible::Window);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(128, 128, 255));
    // The frame is centred where it is known before showing (on Windows);
    // elsewhere the window is, within the width of the frame to come.
    const QPoint offCentre = m_window->frameGeometry().center()
        - QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 6, "centred on the screen");
}

void TestMainWindow::kindButtonsShowPicturesAndTheirTips_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QString>("toolTip");
    const struct {
        int left, top;
        const char16_t *tip;
    } table[] = {
        {120, 120, u"低密度住宅5＄"}, {720, 120, u"高密度住宅10＄"}, {120, 720, u"アパート20＄"},
        {720, 720, u"団地1　50＄"}, {120, 1320, u"団地2　100＄"}, {720, 1320, u"低密度商業20＄"},
        {120, 1920, u"高密度商業30＄"}, {720, 1920, u"デパート100＄"}, {120, 2520, u"事務所50＄"},
        {720, 2520, u"本社200＄"}, {120, 3120, u"道路5＄"}, {720, 3120, u"道路5＄"},
        {120, 3720, u"道路5＄"}, {720, 3720, u"道路5＄"}, {120, 4320, u"道路5＄"},
        {720, 4320, u"道路5＄"}, {120, 4920, u"道路5＄"}, {720, 4920, u"道路5＄"},
        {1320, 4320, u"道路5＄"}, {1320, 4920, u"道路5＄"}, {1920, 4320, u"道路5＄"},
        {1920, 4920, u"線路10＄"}, {2520, 4320, u"線路10＄"}, {2520, 4920, u"線路10＄"},
        {3120, 4320, u"線路10＄"}, {3120, 4920, u"線路10＄"}, {3720, 4320, u"線路10＄"},
        {3720, 4920, u"駅50＄"}, {4320, 4320, u"低密度工業50＄"}, {4320, 4920, u"高密度工業50＄"},
    };
    int kind = 1;
    for (const auto &row : table) {
        QTest::addRow("Command%d", kind) << kind << QPoint(row.left / 15, row.top / 15)
                                         << QString::fromUtf16(row.tip);
        ++kind;
    }
}

// Each kind button: 33 x 33 at its place, its kind's picture, no caption, and its
// name and price only as tool-tip (and accessible name, as it has no caption).
void TestMainWindow::kindButtonsShowPicturesAndTheirTips()
{
    QFETCH(int, kind);
    QFETCH(QPoint, topLeft);
    QFETCH(QString, toolTip);
    QPushButton *button = kindButton(kind);
    QVERIFY(button);
    QCOMPARE(button->geometry(), QRect(topLeft, QSize(33, 33)));
    QVERIFY(button->text().isEmpty());
    QCOMPARE(button->toolTip(), toolTip);
    const std::string_view name = findKind(kind)->name;
    QCOMPARE(button->accessibleName(), QString::fromUtf8(name.data(), qsizetype(name.size())));
    // Heard after the name: the price, and not the name again.
    QVERIFY(toolTip.endsWith(button->accessibleDescription()) && !toolTip.startsWith(button->accessibleDescription()));
    QCOMPARE(button->iconSize(), QSize(32, 32));
    const QImage shown = button->icon().pixmap(QSize(32, 32), 1.0).toImage();
    const QImage expected = PixelArt::tile(kind);
    QVERIFY(!expected.isNull());
    QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
             expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

// Whatever the catalogue holds, each kind's button stands in the window, left
// of the divider, clear of the town and of every other button, in every cell
// the palette has room for; no kind, however many there are, takes a
// command's name, and a kind without a cell is an error.
void TestMainWindow::everyKindStandsInThePaletteUnderItsOwnName()
{
    const int divider = child<QWidget>(m_window.get(), QStringLiteral("Line1"))->x();
    QList<QRect> taken{m_window->townView()->geometry()};
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, PaletteLayout::kindButton(0));
    int kind = 1;
    for (;; ++kind) {
        QRect place;
        try {
            place = PaletteLayout::kindButton(kind);
        } catch (const std::out_of_range &) {
            break;
        }
        if (kind <= kKindCount)
            QCOMPARE(kindButton(kind)->geometry(), place);
        const QByteArray which = "kind " + QByteArray::number(kind);
        QVERIFY2(m_window->rect().contains(place) && place.right() < divider, which);
        for (const QRect &other : std::as_const(taken))
            QVERIFY2(!place.intersects(other), which);
        taken << place;
    }
    QVERIFY(kind > kKindCount);
    QSet<QString> names{QStringLiteral("Command31"), QStringLiteral("Command32"), QStringLiteral("Command33"),
                        QStringLiteral("Command34")};
    for (int kind = 1; kind <= kKindCount + 10; ++kind) {
        const QString name = ControlNames::kindButton(kind);
        QVERIFY2(!names.contains(name), qPrintable(name));
        names << name;
    }
}

void TestMainWindow::figuresAndCommandsStandWhereDesigned_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QColor>("background");
    const QColor window(128, 128, 255);
    const QColor value(192, 192, 255);
    auto row = [](const QString &name, int l, int t, int w, int h, const QString &caption, QColor colour) {
        QTest::newRow(qPrintable(name)) << name << QRect(l / 15, t / 15, w / 15, h / 15) << caption << colour;
    };
    // Row numbers along the upper-right edge, column numbers along the upper-left one.
    row("Label1", 3480, 960, 135, 255, QStringLiteral("1"), window);
    row("Label5", 4440, 1920, 135, 255, QStringLiteral("5"), window);
    row("Label6", 2760, 840, 135, 255, QStringLiteral("1"), window);
    row("Label10", 1800, 1800, 135, 255, QStringLiteral("5"), window);
    row("Label11", 5160, 240, 495, 255, QStringLiteral("残高"), window);
    row("Label12", 5400, 480, 2535, 255, QStringLiteral("1000"), value);
    row("Label13", 5160, 840, 495, 255, QStringLiteral("人口"), window);
    row("Label14", 5400, 1200, 2535, 255, QString(), value);
    row("Label22", 6720, 1800, 255, 255, QStringLiteral("年"), window);
    row("Label23", 6720, 2040, 975, 255, QStringLiteral("0"), value);
    row("Frame1", 5400, 1680, 1215, 1335, QStringLiteral("時間"), window);
    row("Option1", 120, 360, 975, 255, QStringLiteral("ストップ"), window);
    row("Option2", 120, 840, 975, 255, QStringLiteral("スタート"), window);
    // The commands keep their names whatever the number of kinds.
    row("Command32", 6720, 2520, 1215, 375, QStringLiteral("基本設定"), QColor());
    row("Command31", 5280, 3240, 2535, 615, QStringLiteral("地価"), QColor());
    row("Command33", 5280, 3960, 2535, 615, QStringLiteral("終了"), QColor());
    row("Command34", 5280, 4680, 2535, 615, QStringLiteral("ヘルプ"), QColor());
    row("Line1", 5040, 0, 15, 7680, QString(), QColor());
}

void TestMainWindow::figuresAndCommandsStandWhereDesigned()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QColor, background);
    m_window->clock().stop();
    auto *control = child<QWidget>(m_window.get(), name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
    if (auto *label = qobject_cast<QLabel *>(control)) {
        QCOMPARE(label->text(), caption);
        QVERIFY(label->alignment() & Qt::AlignLeft);
        QVERIFY(label->autoFillBackground());
    } else if (auto *button = qobject_cast<QAbstractButton *>(control)) {
        QCOMPARE(button->text(), caption);
    } else if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        QCOMPARE(frame->title(), caption);
    }
    if (background.isValid())
        QCOMPARE(control->palette().color(QPalette::Window), background);
    QVERIFY(control->isVisible());
}

void TestMainWindow::lotsFormTheDiamond_data()
{
    QTest::addColumn<int>("lot");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("top corner") << 1 << QPoint(2880 / 15, 1080 / 15);
    QTest::newRow("left corner") << 5 << QPoint(1920 / 15, 2040 / 15);
    QTest::newRow("right corner") << 21 << QPoint(3840 / 15, 2040 / 15);
    QTest::newRow("bottom corner") << 25 << QPoint(2880 / 15, 3000 / 15);
    QTest::newRow("centre") << 13 << QPoint(2880 / 15, 2040 / 15);
    QTest::newRow("row 2, column 4") << 9 << QPoint((2880 + 240 - 720) / 15, (1080 + 240 + 720) / 15);
}

// Row r grows down to the right and column c down to the left, half a tile apart.
void TestMainWindow::lotsFormTheDiamond()
{
    QFETCH(int, lot);
    QFETCH(QPoint, topLeft);
    TownView *view = m_window->townView();
    const QRect rect = view->lotRect(lot);
    QCOMPARE(rect.size(), QSize(32, 32));
    QCOMPARE(view->mapTo(m_window.get(), rect.topLeft()), topLeft);
    QVERIFY(view->rect().contains(rect));
}

// The balance, population and year labels show the town's texts as soon as a
// tick or a placement changes them.
void TestMainWindow::figuresFollowTheTownWithoutPolling()
{
    m_window->clock().stop();
    auto *balance = child<QLabel>(m_window.get(), QStringLiteral("Label12"));
    auto *population = child<QLabel>(m_window.get(), QStringLiteral("Label14"));
    auto *year = child<QLabel>(m_window.get(), QStringLiteral("Label23"));
    QVERIFY(balance && population && year);

    m_window->town().setText(Fields::housingTotal, "6");
    m_window->clock().economyTick();
    QCOMPARE(year->text(), QStringLiteral("1"));
    QCOMPARE(population->text(), QStringLiteral("18"));
    QCOMPARE(balance->text(), QString::fromStdString(m_window->town().text(Fields::balance)));
    QVERIFY(balance->text() != QStringLiteral("1000"));
    // A screen reader's status-bar command says them at once, each after its caption.
    QAccessibleInterface *status = QAccessible::queryAccessibleInterface(child<QWidget>(m_window.get(), "spokenStatusBar"));
    QCOMPARE(status->role(), QAccessible::StatusBar);
    QVERIFY(!m_window->rect().intersects(status->rect().translated(-m_window->mapToGlobal(QPoint()))));
    QCOMPARE(status->text(QAccessible::Name), QStringLiteral("残高 %1 人口 18 年 1").arg(balance->text()));
#ifdef Q_OS_WIN
    // A Windows reader meets each figure with its caption, in one element.
    QCOMPARE(QAccessible::queryAccessibleInterface(population)->text(QAccessible::Name), QStringLiteral("人口 18"));
#endif

    const double before = m_window->town().number(Fields::balance);
    m_window->clock().upkeepTick();
    QCOMPARE(balance->text(), QString::number(before - 100));
}

namespace {

// WCAG's contrast ratio of two colours, 1 to 21.
double contrast(QColor a, QColor b)
{
    const auto luminance = [](QColor colour) {
        const auto linear = [](double channel) {
            return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// The text of a control as drawn: the area its style gives the caption.
QRect captionArea(QWidget *control)
{
    if (auto *frame = qobject_cast<QGroupBox *>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        return frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    }
    if (auto *option = qobject_cast<QRadioButton *>(control)) {
        QStyleOptionButton button;
        button.initFrom(option);
        button.text = option->text();
        return option->style()->subElementRect(QStyle::SE_RadioButtonContents, &button, option);
    }
    return control->rect();
}

} // namespace

void TestMainWindow::textOnTheGamesBluesIsReadableUnderAnyTheme_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light theme") << false;
    QTest::newRow("dark theme") << true;
}

// The window and figure blues are the game's own; whatever colours the theme
// gives text, every caption on them keeps a contrast of at least 4.5:1.
void TestMainWindow::textOnTheGamesBluesIsReadableUnderAnyTheme()
{
    QFETCH(bool, dark);
    const QPalette themed = QApplication::palette();
    if (dark) {
        // Adwaita dark's colours as Qt's GTK theme hands them over.
        QPalette night(QColor(240, 240, 240), QColor(53, 53, 53));
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            night.setColor(role, QColor(240, 240, 240));
        night.setColor(QPalette::Base, QColor(45, 45, 45));
        QApplication::setPalette(night);
    }
    // A desktop's theme is there before the game starts.
    MainWindow window;
    window.clock().stop();
    window.town().setText(Fields::populationDisplay, "60");
    const QImage shot = window.grab().toImage();
    for (const char *name : {"Label1", "Label6", "Label11", "Label12", "Label13", "Label14", "Label22", "Label23",
                             "Frame1", "Option1", "Option2"}) {
        auto *control = child<QWidget>(&window, QString::fromLatin1(name));
        const QRect area = captionArea(control).translated(control->mapTo(&window, QPoint()));
        const QColor background = control->palette().color(QPalette::Window);
        double best = 1;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                best = std::max(best, contrast(shot.pixelColor(x, y), background));
        }
        QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(QLatin1String(name)).arg(best)));
    }
    QApplication::setPalette(themed);
}

// Neither option is selected at start, yet the three timers run.
void TestMainWindow::clockRunsFromTheStartWithNoOptionSelected()
{
    QVERIFY(m_window->clock().isRunning());
    QCOMPARE(m_window->clock().periods(), kRunningPeriods);
    QVERIFY(!child<QRadioButton>(m_window.get(), QStringLiteral("Option1"))->isChecked());
    QVERIFY(!child<QRadioButton>(m_window.get(), QStringLiteral("Option2"))->isChecked());
    // Only a screen reader hears that time runs; the frame's caption names the options.
    QCOMPARE(child<QWidget>(m_window.get(), QStringLiteral("Option1"))->accessibleDescription(), QStringLiteral("時間は進んでいます"));
    QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(child<QWidget>(m_window.get(), "Frame1"));
    QCOMPARE(frame->role(), QAccessible::Client);
    QCOMPARE(frame->text(QAccessible::Name), QStringLiteral("時間"));
}

// "ストップ" stops all three timers, "スタート" restarts them; selecting one clears the other.
void TestMainWindow::optionsStopAndRestartTheClock()
{
    auto *stop = child<QRadioButton>(m_window.get(), QStringLiteral("Option1"));
    auto *start = child<QRadioButton>(m_window.get(), QStringLiteral("Option2"));
    // "スタート" while time runs keeps each timer's countdown: pressed again
    // and again, it must not put off the upkeep.
    QTest::qSleep(50);
    QTest::mouseClick(start, Qt::LeftButton);
    for (const QTimer *timer : m_window->clock().findChildren<QTimer *>())
        QVERIFY2(timer->remainingTime() <= timer->interval() - 25, qPrintable(timer->objectName()));

    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(m_window->clock().periods(), kStoppedPeriods);
    QVERIFY(stop->isChecked() && !start->isChecked());
    QCOMPARE(child<QWidget>(m_window.get(), QStringLiteral("spokenNotice"))->accessibleName(), QStringLiteral("時間は止まっています"));
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(m_window->clock().periods(), kStoppedPeriods);
    QVERIFY(stop->isChecked() && !start->isChecked());

    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(m_window->clock().periods(), kRunningPeriods);
    QVERIFY(start->isChecked() && !stop->isChecked());
    // Once an option is selected, the selection says whether time runs.
    QCOMPARE(stop->accessibleDescription(), QString());

    // The keyboard selects the other option as a click does.
    stop->setFocus();
    QTest::keyClick(stop, Qt::Key_Space);
    QCOMPARE(m_window->clock().periods(), kStoppedPeriods);
    QVERIFY(stop->isChecked() && !start->isChecked());
    QCOMPARE(start->accessibleDescription(), QString());

    // Assistive technology reads an exclusive pair of radio buttons.
    for (QRadioButton *option : {stop, start})
        QCOMPARE(QAccessible::queryAccessibleInterface(option)->role(), QAccessible::RadioButton);
}

void TestMainWindow::tabVisitsTheControlsInDesignOrder_data()
{
    QTest::addColumn<QString>("selected");
    QTest::newRow("no option selected") << QString();
    QTest::newRow("ストップ selected") << QStringLiteral("Option1");
    QTest::newRow("スタート selected") << QStringLiteral("Option2");
}

// Focus starts on the first kind; Tab then visits every kind, both options and
// the four commands, whichever option is selected.
void TestMainWindow::tabVisitsTheControlsInDesignOrder()
{
    using ControlNames::Command;
    QFETCH(QString, selected);
    QWidget *first = kindButton(1);
    QCOMPARE(m_window->focusWidget(), first);
    if (!selected.isEmpty()) {
        QTest::mouseClick(child<QWidget>(m_window.get(), selected), Qt::LeftButton);
        first->setFocus();
    }
    QStringList expected;
    for (const BuildingKind &kind : kCatalogue)
        expected << ControlNames::kindButton(kind.number);
    expected << QStringLiteral("Option1") << QStringLiteral("Option2");
    for (Command command : {Command::LandPrice, Command::Settings, Command::End, Command::Help})
        expected << ControlNames::commandButton(command);
    expected << first->objectName();
    QStringList visited{m_window->focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(m_window->focusWidget(), Qt::Key_Tab);
        visited << m_window->focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestMainWindow::enterPressesOnlyTheFocusedButton_data()
{
    using ControlNames::Command;
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("enter");
    QTest::newRow("kind") << ControlNames::kindButton(7) << int(Qt::Key_Return);
    QTest::newRow("地価") << ControlNames::commandButton(Command::LandPrice) << int(Qt::Key_Return);
    QTest::newRow("基本設定") << ControlNames::commandButton(Command::Settings) << int(Qt::Key_Return);
    QTest::newRow("ヘルプ") << ControlNames::commandButton(Command::Help) << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << ControlNames::commandButton(Command::LandPrice) << int(Qt::Key_Enter);
}

// Enter presses the button that has the focus, and no other: there is no
// default button, and Escape presses nothing.
void TestMainWindow::enterPressesOnlyTheFocusedButton()
{
    QFETCH(QString, button);
    QFETCH(int, enter);
    const QString opens = ControlNames::windowOpenedBy(button);
    const auto isOpen = [&opens] {
        const auto windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(), [&opens](const QWidget *window) {
            return window->objectName() == opens && window->isVisible();
        });
    };
    const auto buttons = m_window->findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), kKindCount + 4);
    for (const QPushButton *each : buttons)
        QVERIFY2(!each->isDefault(), qPrintable(each->objectName()));

    auto *pressed = child<QPushButton>(m_window.get(), button);
    pressed->setFocus();
    QTest::keyClick(m_window->focusWidget(), Qt::Key_Escape);
    QVERIFY(!isOpen());
    QTest::keyClick(m_window->focusWidget(), Qt::Key(enter));
    QVERIFY(isOpen());
}

namespace {

QRgb centreOf(const QImage &image, QRect rect)
{
    return image.pixel(rect.topLeft() + QPoint(16, 16));
}

} // namespace

// After a placement the lot shows the kind's picture; the other lots stay bare.
void TestMainWindow::placedBuildingsAppearOnTheirLots()
{
    m_window->clock().stop();
    TownView *view = m_window->townView();
    const QImage bare = PixelArt::tile(TownState::kBareLand);
    const QImage kind7 = PixelArt::tile(7);
    const QPoint middle(16, 16);
    QVERIFY(bare.pixel(middle) != kind7.pixel(middle));

    QTest::mouseClick(kindButton(7), Qt::LeftButton);
    QVERIFY(m_window->lotPicker());
    QTest::mouseClick(child<QPushButton>(m_window->lotPicker(), QStringLiteral("Command13")), Qt::LeftButton);
    QCOMPARE(child<QLabel>(m_window.get(), QStringLiteral("Label12"))->text(), QStringLiteral("970"));

    const QImage shown = view->grab().toImage();
    for (int lot = 1; lot <= 25; ++lot) {
        const QRgb expected = lot == 13 ? kind7.pixel(middle) : bare.pixel(middle);
        QVERIFY2(centreOf(shown, view->lotRect(lot)) == expected, qPrintable(QString::number(lot)));
    }
}

// A building that rises above its plot is drawn over the plots behind it
// (k - 5 and k - 1): every opaque pixel of its picture outside its diamond shows.
void TestMainWindow::tallBuildingsStandInFrontOfThePlotsBehind()
{
    m_window->clock().stop();
    TownState &town = m_window->town();
    for (const BuildingKind &kind : kCatalogue) {
        if (kind.picture.overhang == 0)
            continue;
        const int tall = kind.number;
        town.setLotPicture(8, 5);
        town.setLotPicture(12, 5);
        town.setLotPicture(13, tall);
        const QImage shown = m_window->townView()->grab().toImage();
        const QImage picture = PixelArt::tile(tall).convertToFormat(QImage::Format_ARGB32);
        const QPoint origin = m_window->townView()->lotRect(13).topLeft();
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const int half = y < 16 ? y : 31 - y;
                const bool aboveThePlot = x < 15 - half || x > 16 + half;
                const QRgb pixel = picture.pixel(x, y);
                if (aboveThePlot && qAlpha(pixel) == 255)
                    QCOMPARE(shown.pixel(origin + QPoint(x, y)), pixel);
            }
        }
    }
}

// "ヘルプ" shows a modal box with the maker line, titled with the program's
// name, OK only and no icon, and changes nothing in the town.
void TestMainWindow::helpShowsTheModalMakerLine()
{
    m_window->clock().stop();
    const TownSnapshot before(m_window->town());
    QPushButton *help = commandButton(ControlNames::Command::Help);
    for (int press = 1; press <= 2; ++press) {
        QTest::mouseClick(help, Qt::LeftButton);
        auto *box = m_window->findChild<QMessageBox *>(QStringLiteral("aboutMessage"));
        QVERIFY(box);
        QVERIFY(box->isVisible());
        QVERIFY(box->isModal());
        QCOMPARE(box->windowTitle(), QStringLiteral("kestavine"));
        QVERIFY(box->text().contains(QStringLiteral("VELDORAKS")));
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->role(), QAccessible::AlertMessage);
        box->button(QMessageBox::Ok)->click();
        flushDeletes();
        QVERIFY(!m_window->findChild<QMessageBox *>());
    }
    QVERIFY(TownSnapshot(m_window->town()) == before);
}

// Figures so large that the accounts overflow stop the year; the player is
// told once, and no field is spoiled.
void TestMainWindow::aTownThatCannotGoOnSaysSoOnce()
{
    SimulationClock &clock = m_window->clock();
    clock.stop();
    m_window->town().setText(Fields::balance, "1.5e308");
    m_window->town().setText(Fields::consumptionTax, "1e308");
    // Twenty seconds as the timers run them: the land value goes on, the economy stalls.
    for (int second = 1; second <= 20; ++second) {
        clock.landValueTick();
        clock.economyTick();
    }
    clock.upkeepTick();
    QCOMPARE(m_window->findChildren<QMessageBox *>(QStringLiteral("stalledMessage")).size(), 1);
    auto *box = m_window->findChild<QMessageBox *>(QStringLiteral("stalledMessage"));
    QVERIFY(box->isVisible());
    QVERIFY(box->text().contains(QStringLiteral("基本設定")));
    // Only the upkeep touched the balance.
    QCOMPARE(child<QLabel>(m_window.get(), QStringLiteral("Label12"))->text(), QStringLiteral("1.5e+308"));
    QCOMPARE(QString::fromStdString(m_window->town().text(Fields::yearCounter)), QStringLiteral("0"));

    // A second tick stalling too still leaves the one message.
    m_window->town().setText(Fields::balance, "abc");
    clock.upkeepTick();
    clock.economyTick();
    QCOMPARE(m_window->findChildren<QMessageBox *>(QStringLiteral("stalledMessage")).size(), 1);
}

// The close box of the main window takes the picker, the land-price window
// and the settings dialog with it.
void TestMainWindow::closingTheMainWindowClosesEveryOtherWindow()
{
    QTest::mouseClick(kindButton(3), Qt::LeftButton);
    QTest::mouseClick(commandButton(ControlNames::Command::LandPrice), Qt::LeftButton);
    QTest::mouseClick(commandButton(ControlNames::Command::Settings), Qt::LeftButton);
    QVERIFY(m_window->lotPicker() && m_window->landPriceWindow() && m_window->settingsDialog());

    pressCloseBox(m_window.get());
    QVERIFY(!m_window->isVisible());
    flushDeletes();
    QVERIFY(!m_window->lotPicker());
    QVERIFY(!m_window->landPriceWindow());
    QVERIFY(!m_window->settingsDialog());
    for (const QWidget *window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

// A main window that goes away never leaves a window working on its town.
void TestMainWindow::destroyingTheMainWindowTakesTheOthersAlong()
{
    QTest::mouseClick(kindButton(3), Qt::LeftButton);
    QTest::mouseClick(commandButton(ControlNames::Command::Settings), Qt::LeftButton);
    QPointer<LotPicker> picker(m_window->lotPicker());
    QPointer<SettingsDialog> settings(m_window->settingsDialog());
    QVERIFY(picker && settings);
    m_window.reset();
    QVERIFY(picker.isNull());
    QVERIFY(settings.isNull());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
