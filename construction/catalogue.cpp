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
    return kind ? kind->name : "空き地";
}
