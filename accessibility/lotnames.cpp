#include "lotnames.h"

#include "catalogue.h"
#include "townstate.h"

#include <QStringList>

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString lotAccessibleName(const TownState &town, int lot)
{
    return QStringLiteral("区画%1 %2").arg(lot).arg(fromUtf8(standingName(town.lotPicture(lot))));
}

QString kindAccessibleName(const BuildingKind &kind)
{
    return QStringLiteral("%1 %2").arg(fromUtf8(kind.name), fromUtf8(shownPrice(kind)));
}

QString buildAccessibleNotice(const TownState &town, int lot, const BuildingKind *built)
{
    QStringList parts{lotAccessibleName(town, lot)};
    // What the build cost, which for one kind is not the price its tool tip shows.
    if (built)
        parts << QStringLiteral("%1＄").arg(built->price);
    parts << QStringLiteral("残高 %1").arg(QString::fromStdString(town.text(Fields::balance)));
    return parts.join(QStringLiteral("、"));
}

QString builtLotsAccessibleText(const TownState &town)
{
    QStringList built;
    for (int lot = 1; lot <= kLotCount; ++lot) {
        if (town.lotPicture(lot) != TownState::kBareLand)
            built << lotAccessibleName(town, lot);
    }
    if (built.isEmpty())
        return QStringLiteral("建物のある区画はありません");
    return QStringLiteral("建物のある区画 ") + built.join(QStringLiteral("、"));
}
