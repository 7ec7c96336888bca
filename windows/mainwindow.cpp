#include "mainwindow.h"

#include "catalogue.h"
#include "controlnames.h"
#include "controls.h"
#include "framecentring.h"
#include "keydispatch.h"
#include "keymap.h"
#include "landpricewindow.h"
#include "lineshape.h"
#include "lotnames.h"
#include "lotpicker.h"
#include "optiongroup.h"
#include "palettelayout.h"
#include "pixelart.h"
#include "pixelarticonengine.h"
#include "policyfigures.h"
#include "screenreaderkeys.h"
#include "secondarywindow.h"
#include "settingsdialog.h"
#include "spokennotice.h"
#include "spokenstatusbar.h"
#include "tabstopradiobutton.h"
#include "townview.h"
#include "twips.h"
#include "windowframe.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

namespace {

const QColor kWindowBlue(128, 128, 255);
const QColor kValueBlue(192, 192, 255);
// The blues are the game's own, so is the text on them: black keeps every
// caption and figure readable whatever colours the desktop's theme gives text.
const QColor kTextOnBlue(Qt::black);

QLabel *addValueLabel(QWidget *parent, int number, const QString &caption, QRect geometry)
{
    QLabel *label = Controls::addLabel(parent, number, caption, geometry);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, kValueBlue);
    label->setPalette(colours);
    return label;
}

QPushButton *addCommand(QWidget *parent, ControlNames::Command command, const QString &caption, QRect geometry)
{
    return Controls::addButton(parent, ControlNames::commandButton(command), caption, geometry);
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QWidget(parent)
{
    WindowFrame::makeFixedDialog(*this, clientSize());
    ScreenReaderKeys::install();
    setObjectName(QString::fromLatin1(ControlNames::kMainWindow));
    setWindowTitle(QStringLiteral("VELDORAKS   kestavine    "));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kWindowBlue);
    colours.setColor(QPalette::WindowText, kTextOnBlue);
    setPalette(colours);
    setAutoFillBackground(true);

    buildPalette();
    buildTownView();
    buildFigures();
    buildClockFrame();
    buildCommands();
    buildKeys();
    addLineShape(this, QStringLiteral("Line1"), twips(5040, 0, 15, 7680));

    m_town.onFieldChanged = [this](Field field) { fieldChanged(field); };
    m_town.onLotPictureChanged = [this](int lot) { m_townView->lotPictureChanged(lot); };
    connect(&m_clock, &SimulationClock::tickFailed, this, &MainWindow::reportStalledTown);

    m_kindButtons.front()->setFocus();
    FrameCentring::centre(*this);
}

MainWindow::~MainWindow()
{
    // The secondary windows work on this window's town, so they go first.
    delete m_lotPicker.data();
    delete m_landPriceWindow.data();
    delete m_settingsDialog.data();
    m_town.onFieldChanged = nullptr;
    m_town.onLotPictureChanged = nullptr;
}

QSize MainWindow::clientSize()
{
    return twipsSize(8130, 5625);
}

LotPicker *MainWindow::lotPicker() const
{
    return m_lotPicker;
}

LandPriceWindow *MainWindow::landPriceWindow() const
{
    return m_landPriceWindow;
}

SettingsDialog *MainWindow::settingsDialog() const
{
    return m_settingsDialog;
}

void MainWindow::buildPalette()
{
    for (const BuildingKind &kind : kCatalogue) {
        const int n = kind.number;
        QPushButton *button = Controls::addPictureButton(this, ControlNames::kindButton(n), PixelArt::tile(n),
                                                         PaletteLayout::kindButton(n));
        button->setToolTip(fromUtf8(kind.toolTip));
        button->setAccessibleName(fromUtf8(kind.name));
        // Heard after the name; the whole tool tip would repeat the name, and
        // a screen reader may drop a description too like the name.
        button->setAccessibleDescription(fromUtf8(shownPrice(kind)));
#ifdef Q_OS_WIN
        // A Windows screen reader reads the help text, which Qt takes from
        // What's This; the description goes to a property it passes over.
        button->setWhatsThis(fromUtf8(shownPrice(kind)));
#endif
        connect(button, &QPushButton::clicked, this, [this, n] { openLotPicker(n); });
        if (n > 1)
            setTabOrder(m_kindButtons[static_cast<std::size_t>(n - 2)], button);
        m_kindButtons[static_cast<std::size_t>(n - 1)] = button;
    }
}

void MainWindow::buildTownView()
{
    m_townView = new TownView(m_town, this);

    // Row labels along the upper-right edge, column labels along the upper-left edge.
    for (int n = 1; n <= 5; ++n) {
        Controls::addLabel(this, n, QString::number(n),
                           twips(3480 + 240 * (n - 1), 960 + 240 * (n - 1), 135, 255));
        Controls::addLabel(this, n + 5, QString::number(n),
                           twips(2760 - 240 * (n - 1), 840 + 240 * (n - 1), 135, 255));
    }
}

void MainWindow::buildFigures()
{
    QLabel *balanceCaption = Controls::addLabel(this, 11, QStringLiteral("残高"), twips(5160, 240, 495, 255));
    m_balance = addValueLabel(this, 12, QString(), twips(5400, 480, 2535, 255));
    QLabel *populationCaption = Controls::addLabel(this, 13, QStringLiteral("人口"), twips(5160, 840, 495, 255));
    m_population = addValueLabel(this, 14, QString(), twips(5400, 1200, 2535, 255));
    QLabel *yearCaption = Controls::addLabel(this, 22, QStringLiteral("年"), twips(6720, 1800, 255, 255));
    m_year = addValueLabel(this, 23, QString(), twips(6720, 2040, 975, 255));

    // A screen reader's status-bar command says the three, each after its caption.
    m_status = new SpokenStatusBar(this);
    m_status->addFigure(balanceCaption, m_balance);
    m_status->addFigure(populationCaption, m_population);
    m_status->addFigure(yearCaption, m_year);

    for (Field shown : {Fields::balance, Fields::populationDisplay, Fields::yearCounter})
        fieldChanged(shown);
}

void MainWindow::buildClockFrame()
{
    auto *frame = new OptionGroup(QStringLiteral("時間"), this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twips(5400, 1680, 1215, 1335));

    // Both start unselected while the clock already runs.
    auto *stop = new TabStopRadioButton(QStringLiteral("ストップ"), frame);
    stop->setObjectName(QStringLiteral("Option1"));
    stop->setGeometry(twips(120, 360, 975, 255));
    auto *start = new TabStopRadioButton(QStringLiteral("スタート"), frame);
    start->setObjectName(QStringLiteral("Option2"));
    start->setGeometry(twips(120, 840, 975, 255));
    connect(stop, &QRadioButton::clicked, &m_clock, &SimulationClock::stop);
    connect(start, &QRadioButton::clicked, &m_clock, &SimulationClock::start);
    setTabOrder(m_kindButtons.back(), stop);
    setTabOrder(stop, start);
    m_stopOption = stop;
    m_startOption = start;

    // While neither option is selected, nothing shows that time runs; a
    // screen reader says it with each. Once one is, the selection tells, and
    // a pressed option says whether time now runs.
    m_notice = new SpokenNotice(this);
    for (QRadioButton *option : {stop, start}) {
        option->setAccessibleDescription(QStringLiteral("時間は進んでいます"));
        connect(option, &QRadioButton::clicked, this, [this] {
            m_stopOption->setAccessibleDescription(QString());
            m_startOption->setAccessibleDescription(QString());
            m_notice->say(m_clock.isRunning() ? QStringLiteral("時間は進んでいます")
                                              : QStringLiteral("時間は止まっています"));
        });
    }
}

void MainWindow::buildCommands()
{
    using ControlNames::Command;
    QPushButton *landPrice = addCommand(this, Command::LandPrice, QStringLiteral("地価"), twips(5280, 3240, 2535, 615));
    QPushButton *settings = addCommand(this, Command::Settings, QStringLiteral("基本設定"), twips(6720, 2520, 1215, 375));
    QPushButton *end = addCommand(this, Command::End, QStringLiteral("終了"), twips(5280, 3960, 2535, 615));
    QPushButton *help = addCommand(this, Command::Help, QStringLiteral("ヘルプ"), twips(5280, 4680, 2535, 615));

    connect(landPrice, &QPushButton::clicked, this, &MainWindow::openLandPriceWindow);
    connect(settings, &QPushButton::clicked, this, &MainWindow::openSettingsDialog);
    // Ends at once: unlike quit(), exit() asks no window whether it may close.
    connect(end, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });
    connect(help, &QPushButton::clicked, this, &MainWindow::showAbout);

    setTabOrder(m_startOption, landPrice);
    setTabOrder(landPrice, settings);
    setTabOrder(settings, end);
    setTabOrder(end, help);
}

void MainWindow::buildKeys()
{
    using KeyMap::Action;
    using ControlNames::Command;
    // The arrows go across the palette before a kind button takes them.
    new KeyDispatch(*this, KeyMap::Place::Palette, QList<QWidget *>(m_kindButtons.begin(), m_kindButtons.end()),
                    KeyMap::Place::MainWindow,
                    {
                        {Action::SayFigures, [this] { m_notice->say(m_status->accessibleName()); }},
                        {Action::SayBuiltLots, [this] { m_notice->say(builtLotsAccessibleText(m_town)); }},
                        {Action::StopOrStart, [this] { (m_clock.isRunning() ? m_stopOption : m_startOption)->click(); }},
                        {Action::LandPrice, [this] { pressCommand(Command::LandPrice); }},
                        {Action::Settings, [this] { pressCommand(Command::Settings); }},
                        {Action::Help, [this] { pressCommand(Command::Help); }},
                        {Action::Quit, [this] { pressCommand(Command::End); }},
                    });
}

void MainWindow::fieldChanged(Field field)
{
    QLabel *label = field == Fields::balance ? m_balance
        : field == Fields::populationDisplay ? m_population
        : field == Fields::yearCounter       ? m_year
                                             : nullptr;
    if (!label)
        return;
    label->setText(QString::fromStdString(m_town.text(field)));
    m_status->refresh();
}

void MainWindow::openLotPicker(int kind)
{
    if (!m_lotPicker)
        m_lotPicker = new LotPicker(m_town);
    // Each window takes its news before it comes forward: a screen reader
    // reads it as it does, from what it was last told (Orca 48).
    m_lotPicker->setChosenKind(QString::number(kind));
    SecondaryWindow::present(*m_lotPicker);
}

void MainWindow::openLandPriceWindow()
{
    if (!m_landPriceWindow)
        m_landPriceWindow = new LandPriceWindow;
    m_landPriceWindow->showTotalLandValue(QString::fromStdString(m_town.text(Fields::totalLandValue)));
    SecondaryWindow::present(*m_landPriceWindow);
}

void MainWindow::openSettingsDialog()
{
    if (!m_settingsDialog) {
        m_settingsDialog = new SettingsDialog(m_town);
        connect(m_settingsDialog, &SettingsDialog::applied, this, &MainWindow::sayOnceActive);
    }
    m_settingsDialog->refreshOverview();
    SecondaryWindow::present(*m_settingsDialog);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The town opens with the first kind in focus. A platform that activates a
    // window as it makes it (the browser's) does so before the buttons show,
    // and Qt then hands the focus on to the next button.
    if (!event->spontaneous())
        m_kindButtons.front()->setFocus();
}

void MainWindow::showAbout()
{
    // Modal, but shown without a nested event loop: nothing waits on the answer.
    // The maker line, then every key of the game.
    QMessageBox *box = Controls::addMessage(this, QString::fromLatin1(ControlNames::kAboutMessage), QMessageBox::NoIcon,
                                            QGuiApplication::applicationDisplayName(),
                                            QStringLiteral("kestavine  制作: VELDORAKS\n\n") + KeyMap::help());
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}

// The only way a tick can fail is a policy figure so large that the accounts
// leave the range of numbers; the town then stands still until it is mended.
void MainWindow::reportStalledTown()
{
    // Each tick that stalls says so; one message on screen is enough.
    if (m_stalledMessage) {
        m_stalledMessage->raise();
        return;
    }
    QStringList figures;
    for (const PolicyFigure &figure : kPolicyFigures)
        figures << fromUtf8(figure.caption);
    QMessageBox *box = Controls::addMessage(this, QStringLiteral("stalledMessage"), QMessageBox::Warning,
                                            QGuiApplication::applicationDisplayName(),
                                            QStringLiteral("数字が大きすぎて、街の計算を続けられません。\n"
                                                           "「基本設定」で%1を小さな数字にしてください。")
                                                .arg(figures.join(QStringLiteral("・"))));
    box->setWindowModality(Qt::NonModal);
    box->show();
    m_stalledMessage = box;
}

void MainWindow::closeSecondaryWindows()
{
    for (QWidget *window : {static_cast<QWidget *>(m_lotPicker.data()),
                            static_cast<QWidget *>(m_landPriceWindow.data()),
                            static_cast<QWidget *>(m_settingsDialog.data())}) {
        if (window)
            window->close();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Without this window the others have no town to work on; closing them
    // too also ends the program, as its last windows are gone.
    closeSecondaryWindows();
    event->accept();
}

void MainWindow::pressCommand(ControlNames::Command command)
{
    if (auto *button = findChild<QPushButton *>(ControlNames::commandButton(command)))
        button->click();
}

void MainWindow::sayOnceActive(const QString &text)
{
    if (isActiveWindow()) {
        m_notice->say(text);
        return;
    }
    // A reader speaks the window and its focused control as the window comes
    // back, and would cut a notice said before them short.
    m_noticeOnceActive = text;
}

bool MainWindow::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate && !m_noticeOnceActive.isEmpty()) {
        // After the focus, which Qt gives once the window is active.
        QTimer::singleShot(0, this, [this, text = std::exchange(m_noticeOnceActive, QString())] {
            m_notice->say(text);
        });
    }
    return QWidget::event(event);
}
