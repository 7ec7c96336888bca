#include "placement.h"

#include "catalogue.h"
#include "fielderror.h"
#include "numbertext.h"
#include "townedit.h"
#include "townstate.h"

#include <stdexcept>
#include <string>

namespace {

// The chosen kind lives in the lot picker, not in the town.
double chosenKindNumber(std::string_view chosenKind)
{
    if (const auto number = NumberText::parseNumber(chosenKind))
        return *number;
    throw FieldError("chosen kind", FieldError::Reason::NotANumber, std::string(chosenKind));
}

} // namespace

int placeBuilding(TownState &town, std::string_view chosenKind, int lot)
{
    using namespace Fields;
    if (!isValidLot(lot))
        throw std::out_of_range("no such lot");

    // Read everything first, then write everything back in a fixed order.
    const double kindNumber = chosenKindNumber(chosenKind);
    TownEdit edit(town);
    double money = edit.number(balance);
    std::string landValue(edit.text(lotField(lot)));
    double housing = edit.number(housingTotal);
    double commerce = edit.number(commerceTotal);
    double industry = edit.number(industryTotal);

    const BuildingKind *kind = findKind(kindNumber);
    if (kind) {
        money -= kind->price;
        landValue = kind->landValue;
        housing += kind->housing;
        commerce += kind->commerce;
        industry += kind->industry;
    }

    edit.setNumber(balance, money);
    edit.setNumber(housingTotal, housing);
    edit.setText(lotField(lot), landValue);
    edit.setNumber(commerceTotal, commerce);
    edit.setNumber(industryTotal, industry);
    edit.commit();
    if (kind)
        town.setLotPicture(lot, kind->number);
    return town.lotPicture(lot);
}
