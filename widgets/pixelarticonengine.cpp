#include "pixelarticonengine.h"

#include "pixelart.h"

#include <QPainter>

#include <utility>

PixelArtIconEngine::PixelArtIconEngine(QImage image)
    : m_image(std::move(image))
{
}

void PixelArtIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                               QIcon::State state)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QSize deviceSize = (QSizeF(rect.size()) * ratio).toSize();
    QPixmap picture = pixmap(deviceSize, mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect.topLeft(), picture);
}

QPixmap PixelArtIconEngine::pixmap(const QSize &size, QIcon::Mode, QIcon::State)
{
    // QIcon asks for the size in device pixels and marks the ratio itself;
    // the picture keeps its proportions and whole pixels.
    if (m_image.isNull() || size.isEmpty())
        return {};
    const qreal ratio = qMin(qreal(size.width()) / m_image.width(),
                             qreal(size.height()) / m_image.height());
    QPixmap picture = PixelArt::prepared(m_image, ratio);
    picture.setDevicePixelRatio(1.0);
    return picture;
}

QSize PixelArtIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    return m_image.size().scaled(size, Qt::KeepAspectRatio);
}

QIconEngine *PixelArtIconEngine::clone() const
{
    return new PixelArtIconEngine(m_image);
}

QString PixelArtIconEngine::key() const
{
    return QStringLiteral("PixelArtIconEngine");
}
