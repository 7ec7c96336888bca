#include "landpricewindow.h"

#include "controlnames.h"
#include "controls.h"
#include "secondarywindow.h"
#include "spokensummary.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>

LandPriceWindow::LandPriceWindow(QWidget *parent)
    : QWidget(parent)
{
    SecondaryWindow::setUp(*this, QString::fromLatin1(ControlNames::kLandPriceWindow), QStringLiteral("地価"),
                           twipsSize(3120, 1455));

    Controls::addLabel(this, 26, QStringLiteral("合計地価"), twips(120, 240, 855, 255));
    m_value = Controls::addLabel(this, 27, QStringLiteral("Label27"), twips(1080, 240, 1695, 255));
    m_ok = Controls::addButton(this, 1, QStringLiteral("OK"), twips(960, 840, 855, 375));
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);

    m_summary = new SpokenSummary(this);

    m_ok->setFocus();
}

void LandPriceWindow::showTotalLandValue(const QString &text)
{
    m_value->setText(text);
    m_summary->say(QStringLiteral("合計地価 は %1").arg(text));
}
