#include "catalogue.h"

const BuildingKind *findKind(double number)
{
    for (const BuildingKind &kind : kCatalogue) {
        if (kind.number == number)
            return &kind;
    }
    return nullptr;
}

std::string_view standingName(int picture)
{
    const BuildingKind *kind = findKind(picture);
    if (!kind)
        return "空き地";
    // The price is the trailing digits before the full-width dollar sign; an
    // ideographic space may stand between name and price.
    std::string_view name = kind->toolTip;
    constexpr std::string_view dollar = "＄";
    constexpr std::string_view space = "　";
    if (name.ends_with(dollar))
        name.remove_suffix(dollar.size());
    while (!name.empty() && name.back() >= '0' && name.back() <= '9')
        name.remove_suffix(1);
    while (name.ends_with(space))
        name.remove_suffix(space.size());
    return name;
}
