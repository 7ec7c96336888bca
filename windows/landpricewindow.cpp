#include "landpricewindow.h"

#include "controls.h"
#include "framecentring.h"
#include "spokensummary.h"
#include "twips.h"
#include "windowframe.h"

#include <QLabel>
#include <QPushButton>

LandPriceWindow::LandPriceWindow(QWidget *parent)
    : QWidget(parent)
{
    WindowFrame::makeFixedToolWindow(*this, twipsSize(3120, 1455));
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("地価"));

    Controls::addLabel(this, QStringLiteral("Label26"), QStringLiteral("合計地価"), twips(120, 240, 855, 255));
    m_value = Controls::addLabel(this, QStringLiteral("Label27"), QStringLiteral("Label27"),
                                 twips(1080, 240, 1695, 255));
    m_ok = Controls::addButton(this, QStringLiteral("Command1"), QStringLiteral("OK"), twips(960, 840, 855, 375));
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);

    m_summary = new SpokenSummary(this);

    m_ok->setFocus();
    FrameCentring::centre(*this);
}

void LandPriceWindow::showTotalLandValue(const QString &text)
{
    m_value->setText(text);
    m_summary->say(QStringLiteral("合計地価 は %1").arg(text));
}
