#include "pixelart.h"

#include "assetpaths.h"
#include "tilepicture.h"

#include <cmath>

namespace PixelArt {

QPixmap prepared(const QImage &image, qreal devicePixelRatio)
{
    if (image.isNull())
        return {};
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QSize deviceSize(static_cast<int>(std::lround(image.width() * ratio)),
                           static_cast<int>(std::lround(image.height() * ratio)));
    QPixmap pixmap = QPixmap::fromImage(deviceSize == image.size()
            ? image
            : image.scaled(deviceSize, Qt::IgnoreAspectRatio, Qt::FastTransformation));
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

QImage tile(int kind)
{
    // Not QImage(path): Qt's icon reader drops the mask of 24-bit tiles.
    return TilePicture::read(kind == 0 ? bareLandTilePath() : kindTilePath(kind));
}

QImage splashPicture()
{
    return QImage(splashPicturePath());
}

} // namespace PixelArt
