#include "assetset.h"

#include "bitmapencoder.h"
#include "buildingtiles.h"
#include "groundtiles.h"
#include "iconencoder.h"
#include "programicon.h"
#include "splashpicture.h"
#include "tilecanvas.h"

#include <array>
#include <stdexcept>

namespace {

constexpr std::array<int, 30> kDepths = {
    4, 4, 8, 4, 4, 4, 24, 24, 24, 8,   // buildings 1-10
    24, 24, 8, 8, 8, 8, 8, 8, 8, 8, 8, // roads 11-21
    24, 24, 24, 24, 24, 24,             // rails 22-27
    24, 8, 8,                           // station and industry 28-30
};

int countOverhang(const QImage &picture)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!TileCanvas::inDiamond(x, y) && qAlpha(picture.pixel(x, y)) != 0)
                ++count;
        }
    }
    return count;
}

QByteArray tileFile(const QImage &picture, int depth)
{
    return IconEncoder::encode({{picture, depth}});
}

} // namespace

int AssetSet::kindDepth(int kind)
{
    return kDepths.at(kind - 1);
}

int AssetSet::kindOverhang(int kind)
{
    switch (kind) {
    case 8: return 73;
    case 10: return 146;
    case 28: return 13;
    case 29: return 10;
    case 30: return 26;
    default: return 0;
    }
}

QImage AssetSet::kindPicture(int kind)
{
    if (kind >= 11 && kind <= 21)
        return GroundTiles::road(kind);
    if (kind >= 22 && kind <= 27)
        return GroundTiles::rail(kind);
    return BuildingTiles::draw(kind);
}

QList<AssetSet::File> AssetSet::files()
{
    QList<File> out;
    out.append({QStringLiteral("tiles/bareland.ico"), tileFile(GroundTiles::bareLand(), 8)});
    for (int kind = 1; kind <= 30; ++kind) {
        const QImage picture = kindPicture(kind);
        // The windows lay lots out trusting these counts; a drawing that
        // drifts from them must not be written.
        if (countOverhang(picture) != kindOverhang(kind))
            throw std::runtime_error(QStringLiteral("kind %1 rises %2 pixels above its plot, not %3")
                                         .arg(kind).arg(countOverhang(picture)).arg(kindOverhang(kind))
                                         .toStdString());
        out.append({QStringLiteral("tiles/kind%1.ico").arg(kind, 2, 10, QLatin1Char('0')),
                    tileFile(picture, kindDepth(kind))});
    }
    out.append({QStringLiteral("splash/splash.bmp"), BitmapEncoder::encode8Bit(SplashPicture::draw())});
    out.append({QStringLiteral("icon/kestavine.ico"), IconEncoder::encode(ProgramIcon::images())});
    return out;
}
