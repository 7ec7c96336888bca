#include "settingsdialog.h"

#include "controlnames.h"
#include "controls.h"
#include "fielderror.h"
#include "lineeditaccessible.h"
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

QLineEdit *addFigure(QWidget *parent, int number, QRect geometry)
{
    LineEditAccessible::install();
    auto *figure = new QLineEdit(QStringLiteral("10"), parent);
    figure->setObjectName(QStringLiteral("Text%1").arg(number));
    figure->setGeometry(geometry);
    return figure;
}

} // namespace

SettingsDialog::SettingsDialog(TownState &town, QWidget *parent)
    : QWidget(parent)
    , m_town(town)
{
    SecondaryWindow::setUp(*this, QString::fromLatin1(ControlNames::kSettingsDialog), QStringLiteral("基本設定"),
                           twipsSize(4800, 3375));

    QLabel *taxCaption = Controls::addLabel(this, 1, QStringLiteral("消費税"), twips(120, 120, 615, 255));
    m_tax = addFigure(this, 1, twips(840, 120, 735, 270));
    Controls::addLabel(this, 2, QStringLiteral("%　　※半角の数字で入力してください。"),
             twips(1680, 240, 3135, 255));
    QLabel *transportCaption = Controls::addLabel(this, 3, QStringLiteral("交通"), twips(240, 600, 375, 255));
    m_transport = addFigure(this, 2, twips(840, 600, 735, 270));
    Controls::addLabel(this, 4, QStringLiteral("$  　※半角の数字で入力してください。"),
             twips(1680, 720, 3015, 255));
    QLabel *educationCaption = Controls::addLabel(this, 5, QStringLiteral("教育"), twips(240, 1080, 375, 255));
    m_education = addFigure(this, 3, twips(840, 1080, 735, 270));
    Controls::addLabel(this, 6, QStringLiteral("$    ※半角の数字で入力してください。"),
             twips(1680, 1200, 3015, 255));
    Controls::addLabel(this, 7, QStringLiteral("GNP"), twips(240, 1560, 375, 255));
    m_grossDomesticProduct = Controls::addLabel(this, 8, QString(), twips(840, 1560, 3495, 255));
    Controls::addLabel(this, 9, QStringLiteral("人口"), twips(240, 2040, 375, 255));
    m_population = Controls::addLabel(this, 10, QString(), twips(840, 2040, 3615, 255));

    // Each caption labels its figure, so assistive technology names the field after it.
    taxCaption->setBuddy(m_tax);
    transportCaption->setBuddy(m_transport);
    educationCaption->setBuddy(m_education);

    // Neither button is a default or cancel button.
    QPushButton *ok = Controls::addButton(this, 1, QStringLiteral("OK"), twips(1320, 2640, 1095, 615));
    QPushButton *cancel = Controls::addButton(this, 2, QStringLiteral("キャンセル"), twips(3000, 2640, 1095, 615));
    connect(ok, &QPushButton::clicked, this, &SettingsDialog::apply);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);

    // The grid: one column rule and five row rules, which run past the right edge.
    addLineShape(this, QStringLiteral("Line1"), twips(720, 0, 15, 3360));
    const int rows[] = {480, 960, 1440, 1920, 2400};
    for (int i = 0; i < 5; ++i)
        addLineShape(this, QStringLiteral("Line%1").arg(i + 2), twips(120, rows[i], 4800, 15));

    m_summary = new SpokenSummary(this);
    for (QLineEdit *figure : {m_tax, m_transport, m_education})
        connect(figure, &QLineEdit::textChanged, this, &SettingsDialog::describe);

    setTabOrder(ok, m_tax);
    setTabOrder(m_tax, m_transport);
    setTabOrder(m_transport, m_education);
    setTabOrder(m_education, cancel);
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
    m_summary->say(QStringLiteral("消費税 %1、交通 %2、教育 %3、GNP %4、人口 %5")
                       .arg(m_tax->text(), m_transport->text(), m_education->text(),
                            m_grossDomesticProduct->text(), m_population->text()));
}

void SettingsDialog::apply()
{
    try {
        applyPolicy(m_town, {m_tax->text().toStdString(), m_transport->text().toStdString(),
                             m_education->text().toStdString()});
    } catch (const FieldError &error) {
        // Nothing has changed; the player corrects the figure and tries again.
        QLineEdit *figure = m_tax;
        QString name = QStringLiteral("消費税");
        if (error.field() == Fields::transportSpending) {
            figure = m_transport;
            name = QStringLiteral("交通");
        } else if (error.field() == Fields::educationSpending) {
            figure = m_education;
            name = QStringLiteral("教育");
        }
        const QString message = error.reason() == FieldError::Reason::OutOfRange
            ? QStringLiteral("%1の値が大きすぎて計算できません。\n"
                             "半角の数字で、もっと小さな値を入力してください。").arg(name)
            : QStringLiteral("%1の値を数字として読めません。\n"
                             "半角の数字で入力してください。").arg(name);
        refuse(figure, message);
        return;
    }
    emit applied(QStringLiteral("消費税 %1、交通 %2、教育 %3")
                     .arg(QString::fromStdString(m_town.text(Fields::consumptionTax)),
                          QString::fromStdString(m_town.text(Fields::transportSpending)),
                          QString::fromStdString(m_town.text(Fields::educationSpending))));
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
    box->open();
}
