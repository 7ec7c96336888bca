#include "pixelartbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void PixelArtButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);
}
