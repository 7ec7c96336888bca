#include "lotnames.h"

#include "catalogue.h"
#include "townstate.h"

QString lotAccessibleName(const TownState &town, int lot)
{
    const std::string_view standing = standingName(town.lotPicture(lot));
    return QStringLiteral("区画%1 %2").arg(lot).arg(
        QString::fromUtf8(standing.data(), static_cast<qsizetype>(standing.size())));
}
