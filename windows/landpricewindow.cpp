#include "landpricewindow.h"

#include "twips.h"
#include "windowframe.h"

#include <QLabel>
#include <QPushButton>

LandPriceWindow::LandPriceWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("地価"));
    WindowFrame::makeFixedToolWindow(*this, twipsSize(3120, 1455));

    auto *caption = new QLabel(QStringLiteral("合計地価"), this);
    caption->setObjectName(QStringLiteral("Label26"));
    caption->setGeometry(twips(120, 240, 855, 255));

    m_value = new QLabel(QStringLiteral("Label27"), this);
    m_value->setObjectName(QStringLiteral("Label27"));
    m_value->setGeometry(twips(1080, 240, 1695, 255));

    for (QLabel *label : {caption, m_value}) {
        label->setTextFormat(Qt::PlainText);
        label->setAutoFillBackground(true);
    }

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setGeometry(twips(960, 840, 855, 375));
    // Outside a QDialog this only lets Enter press the button while it has the
    // focus; it never makes it a default button.
    m_ok->setAutoDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QWidget::close);

    m_ok->setFocus();
    WindowFrame::centreOnScreen(*this);
}

void LandPriceWindow::showTotalLandValue(const QString &text)
{
    m_value->setText(text);
}
