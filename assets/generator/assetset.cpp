#include "assetset.h"

#include "assetpaths.h"
#include "bitmapencoder.h"
#include "buildingtiles.h"
#include "catalogue.h"
#include "groundtiles.h"
#include "iconencoder.h"
#include "programicon.h"
#include "splashpicture.h"
#include "tilecanvas.h"

#include <stdexcept>

namespace {

QByteArray tileFile(const QImage &picture, int depth)
{
    return IconEncoder::encode({{picture, depth}});
}

} // namespace

int AssetSet::overhang(const QImage &picture)
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

QImage AssetSet::kindPicture(const BuildingKind &kind)
{
    switch (kind.picture.drawing) {
    case Drawing::Road: return GroundTiles::road(kind.picture.edges);
    case Drawing::Track: return GroundTiles::rail(kind.picture.edges);
    default: return BuildingTiles::draw(kind.picture.drawing);
    }
}

QList<AssetSet::File> AssetSet::files()
{
    QList<File> out;
    out.append({bareLandTileFile(), tileFile(GroundTiles::bareLand(), 8)});
    for (const BuildingKind &kind : kCatalogue) {
        const QImage picture = kindPicture(kind);
        // The windows lay lots out trusting these counts; a drawing that
        // drifts from them must not be written.
        if (overhang(picture) != kind.picture.overhang)
            throw std::runtime_error(QStringLiteral("kind %1 rises %2 pixels above its plot, not %3")
                                         .arg(kind.number).arg(overhang(picture)).arg(kind.picture.overhang)
                                         .toStdString());
        out.append({kindTileFile(kind.number), tileFile(picture, kind.picture.depth)});
    }
    out.append({splashPictureFile(), BitmapEncoder::encode8Bit(SplashPicture::draw())});
    out.append({programIconFile(), IconEncoder::encode(ProgramIcon::images())});

    QByteArray list = "# Written by kestavine_assetgen: the pictures that the program embeds.\n"
                      "set(kestavine_picture_files\n";
    for (const File &picture : out)
        list += "    " + picture.path.toUtf8() + '\n';
    list += ")\n";
    out.append({QStringLiteral("pictures.cmake"), list});
    return out;
}
