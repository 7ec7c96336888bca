#include "assetpaths.h"

#include <QFile>

namespace {

QString embedded(const QString &file)
{
    return QStringLiteral(":/") + file;
}

} // namespace

QString kindTileFile(int kind)
{
    return QStringLiteral("tiles/kind%1.ico").arg(kind, 2, 10, QLatin1Char('0'));
}

QString kindTilePath(int kind)
{
    // The pictures embedded are the ones the generator wrote, one per kind.
    const QString path = embedded(kindTileFile(kind));
    return kind >= 1 && QFile::exists(path) ? path : QString();
}

QString bareLandTileFile()
{
    return QStringLiteral("tiles/bareland.ico");
}

QString bareLandTilePath()
{
    return embedded(bareLandTileFile());
}

QString splashPictureFile()
{
    return QStringLiteral("splash/splash.bmp");
}

QString splashPicturePath()
{
    return embedded(splashPictureFile());
}

QString programIconFile()
{
    return QStringLiteral("icon/kestavine.ico");
}

QString programIconPath()
{
    return embedded(programIconFile());
}
