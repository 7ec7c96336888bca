#include "assetpaths.h"

QString kindTilePath(int kind)
{
    if (kind < 1 || kind > 30)
        return {};
    return QStringLiteral(":/tiles/kind%1.ico").arg(kind, 2, 10, QLatin1Char('0'));
}

QString bareLandTilePath()
{
    return QStringLiteral(":/tiles/bareland.ico");
}

QString splashPicturePath()
{
    return QStringLiteral(":/splash/splash.bmp");
}

QString programIconPath()
{
    return QStringLiteral(":/icon/kestavine.ico");
}
