#include "catalogue.h"

const BuildingKind *findKind(double number)
{
    for (const BuildingKind &kind : kCatalogue) {
        if (kind.number == number)
            return &kind;
    }
    return nullptr;
}

std::string_view shownPrice(const BuildingKind &kind)
{
    // The trailing digits and the full-width dollar sign after them.
    constexpr std::string_view dollar = "＄";
    const std::string_view tip = kind.toolTip;
    std::size_t start = tip.size() - dollar.size();
    while (start > 0 && tip[start - 1] >= '0' && tip[start - 1] <= '9')
        --start;
    return tip.substr(start);
}

std::string_view standingName(int picture)
{
    const BuildingKind *kind = findKind(picture);
    return kind ? kind->name : "空き地";
}
