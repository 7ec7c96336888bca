#include "settingsdialog.h"

#include "controlnames.h"
#include "controls.h"
#include "fielderror.h"
#include "lineshape.h"
#include "policy.h"
#include "secondarywindow.h"
#include "spokensummary.h"
#include "townstate.h"
#include "twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

// The grid: a row for each policy figure, then the gross domestic product
// and the population, each row 480 twips below the one before.
constexpr int kRowHeight = 480;
constexpr int kRows = kPolicyFigureCount + 2;
constexpr int kWidth = 4800;
constexpr int kButtonsTop = kRows * kRowHeight + 240;
constexpr int kHeight = kButtonsTop + 735;

constexpr int rowTop(int row)
{
    return 120 + row * kRowHeight;
}

// The controls keep the names they were designed with, whatever the number
// of figures: the design's three figure rows hold Label1 to Label6 and Text1
// to Text3, the two rows below them Label7 to Label10, and the rules under
// those five rows Line2 to Line6 (its Text4 was a working field). A later
// figure's controls are numbered on after the design's last.
constexpr int kDesignedFigures = 3;
constexpr int kLastDesignedLabel = 10;
constexpr int kLastDesignedText = 4;
constexpr int kLastDesignedLine = 6;

constexpr int captionNumber(int row)
{
    return row < kDesignedFigures ? 2 * row + 1 : kLastDesignedLabel + 1 + 2 * (row - kDesignedFigures);
}

constexpr int boxNumber(int row)
{
    return row < kDesignedFigures ? row + 1 : kLastDesignedText + 1 + (row - kDesignedFigures);
}

// The first of the four labels of the gross domestic product's and the population's rows.
constexpr int kShownRowsLabel = 2 * kDesignedFigures + 1;

// The rule under a row of the grid, the figures' rows first.
constexpr int ruleNumber(int row)
{
    if (row >= kPolicyFigureCount)
        return 2 + kDesignedFigures + (row - kPolicyFigureCount);
    return row < kDesignedFigures ? row + 2 : kLastDesignedLine + 1 + (row - kDesignedFigures);
}

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLineEdit *addFigure(QWidget *parent, int number, const PolicyFigure &figure, QRect geometry)
{
    auto *box = new QLineEdit(fromUtf8(figure.start), parent);
    box->setObjectName(QStringLiteral("Text%1").arg(number));
    box->setGeometry(geometry);
    return box;
}

} // namespace

SettingsDialog::SettingsDialog(TownState &town, QWidget *parent)
    : QWidget(parent)
    , m_town(town)
{
    SecondaryWindow::setUp(*this, QString::fromLatin1(ControlNames::kSettingsDialog), QStringLiteral("基本設定"),
                           twipsSize(kWidth, kHeight));

    // Each figure's row: its caption, its box, and its unit with the note
    // beside the box. The caption labels the box, so assistive technology
    // names the figure after it.
    for (int row = 0; row < kPolicyFigureCount; ++row) {
        const PolicyFigure &figure = kPolicyFigures[static_cast<std::size_t>(row)];
        const PolicyRowLayout &layout = figure.layout;
        QLabel *caption = Controls::addLabel(this, captionNumber(row), fromUtf8(figure.caption),
                                             twips(layout.captionLeft, rowTop(row), layout.captionWidth, 255));
        QLineEdit *box = addFigure(this, boxNumber(row), figure, twips(840, rowTop(row), 735, 270));
        Controls::addLabel(this, captionNumber(row) + 1,
                           fromUtf8(figure.unit) + QStringLiteral("※半角の数字で入力してください。"),
                           twips(1680, rowTop(row) + 120, layout.unitWidth, 255));
        caption->setBuddy(box);
        connect(box, &QLineEdit::textChanged, this, &SettingsDialog::describe);
        m_figures[static_cast<std::size_t>(row)] = box;
    }
    const int shown = kPolicyFigureCount;
    Controls::addLabel(this, kShownRowsLabel, QStringLiteral("GNP"), twips(240, rowTop(shown), 375, 255));
    m_grossDomesticProduct =
        Controls::addLabel(this, kShownRowsLabel + 1, QString(), twips(840, rowTop(shown), 3495, 255));
    Controls::addLabel(this, kShownRowsLabel + 2, QStringLiteral("人口"), twips(240, rowTop(shown + 1), 375, 255));
    m_population = Controls::addLabel(this, kShownRowsLabel + 3, QString(), twips(840, rowTop(shown + 1), 3615, 255));

    // Neither button is a default or cancel button.
    QPushButton *ok = Controls::addButton(this, 1, QStringLiteral("OK"), twips(1320, kButtonsTop, 1095, 615));
    QPushButton *cancel =
        Controls::addButton(this, 2, QStringLiteral("キャンセル"), twips(3000, kButtonsTop, 1095, 615));
    connect(ok, &QPushButton::clicked, this, &SettingsDialog::apply);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    // One column rule and a rule under each row, which run past the right edge.
    addLineShape(this, QStringLiteral("Line1"), twips(720, 0, 15, kHeight - 15));
    for (int row = 0; row < kRows; ++row)
        addLineShape(this, QStringLiteral("Line%1").arg(ruleNumber(row)),
                     twips(120, (row + 1) * kRowHeight, kWidth, 15));

    m_summary = new SpokenSummary(this);

    QWidget *previous = ok;
    for (QLineEdit *box : m_figures) {
        setTabOrder(previous, box);
        previous = box;
    }
    setTabOrder(previous, cancel);
    ok->setFocus();
}

void SettingsDialog::refreshOverview()
{
    try {
        const PolicyOverview overview = policyOverview(m_town);
        m_grossDomesticProduct->setText(QString::fromStdString(overview.grossDomesticProduct));
        m_population->setText(QString::fromStdString(overview.population));
    } catch (const FieldError &) {
        // The totals are always numbers the game wrote; should one not be,
        // the rows keep what they showed.
    }
    describe();
}

void SettingsDialog::describe()
{
    // As the window opens or comes back: every row, caption and figure.
    QStringList rows;
    for (std::size_t i = 0; i < m_figures.size(); ++i)
        rows << fromUtf8(kPolicyFigures[i].caption) + QLatin1Char(' ') + m_figures[i]->text();
    rows << QStringLiteral("GNP ") + m_grossDomesticProduct->text() << QStringLiteral("人口 ") + m_population->text();
    m_summary->say(rows.join(QStringLiteral("、")));
}

void SettingsDialog::apply()
{
    PolicyFigures typed;
    for (std::size_t i = 0; i < m_figures.size(); ++i)
        typed.texts[i] = m_figures[i]->text().toStdString();
    try {
        applyPolicy(m_town, typed);
    } catch (const FieldError &error) {
        // Nothing has changed; the player corrects the figure and tries again.
        const PolicyFigure *figure = error.field() ? policyFigureIn(*error.field()) : nullptr;
        const std::size_t row = figure ? static_cast<std::size_t>(figure - kPolicyFigures.data()) : 0;
        const QString name = fromUtf8(kPolicyFigures[row].caption);
        const QString message = error.reason() == FieldError::Reason::OutOfRange
            ? QStringLiteral("%1の値が大きすぎて計算できません。\n"
                             "半角の数字で、もっと小さな値を入力してください。").arg(name)
            : QStringLiteral("%1の値を数字として読めません。\n"
                             "半角の数字で入力してください。").arg(name);
        refuse(m_figures[row], message);
        return;
    }
    // What the town now uses, said once the main window is back.
    QStringList figures;
    for (const PolicyFigure &figure : kPolicyFigures)
        figures << fromUtf8(figure.caption) + QLatin1Char(' ') + QString::fromStdString(m_town.text(figure.field));
    emit applied(figures.join(QStringLiteral("、")));
    close();
}

void SettingsDialog::refuse(QLineEdit *figure, const QString &message)
{
    QMessageBox *box = Controls::addMessage(this, QStringLiteral("refusalMessage"), QMessageBox::Warning,
                                            windowTitle(), message);
    connect(box, &QMessageBox::finished, figure, [figure] {
        figure->setFocus();
        figure->selectAll();
    });
    // open() rather than exec(): the message is modal to this window without
    // running an event loop of its own inside the click.
    // Its name holds the reason, which a screen reader says as the message
    // takes the focus (Orca, and Windows' readers as a new window's name):
    // announced besides, it would be said twice.
    box->open();
}
