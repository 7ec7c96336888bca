// A placement with arbitrary texts in the chosen kind, the balance and the
// totals either goes through and leaves numbers everywhere, or changes nothing.
#include "fielderror.h"
#include "fuzzsupport.h"
#include "placement.h"

#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int lot = data[0] % 27; // 0 and 26 lie outside the town
    const auto parts = Fuzz::texts(data + 1, size - 1, 5);

    TownState town;
    town.setText(Fields::balance, parts[1].empty() ? "1000" : parts[1]);
    if (!parts[2].empty())
        town.setText(Fields::housingTotal, parts[2]);
    if (!parts[3].empty())
        town.setText(Fields::commerceTotal, parts[3]);
    if (!parts[4].empty())
        town.setText(Fields::industryTotal, parts[4]);
    const TownState before = town;

    try {
        const int picture = placeBuilding(town, parts[0], lot);
        if (picture != town.lotPicture(lot))
            Fuzz::fail("placement reported a picture the lot does not show");
        for (Field field : {Fields::balance, Fields::housingTotal, Fields::commerceTotal, Fields::industryTotal}) {
            if (!NumberText::parseNumber(town.text(field)))
                Fuzz::fail("placement left a total that is not a number");
        }
        Fuzz::requireNumbersKept(before, town);
    } catch (const FieldError &) {
        if (!Fuzz::sameFields(before, town))
            Fuzz::fail("a refused placement changed the town");
    } catch (const std::out_of_range &) {
        if (lot >= 1 && lot <= kLotCount)
            Fuzz::fail("a lot inside the town was refused");
        if (!Fuzz::sameFields(before, town))
            Fuzz::fail("a placement outside the town changed it");
    }
    return 0;
}
