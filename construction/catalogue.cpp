#include "catalogue.h"

const BuildingKind *findKind(double number)
{
    for (const BuildingKind &kind : kCatalogue) {
        if (kind.number == number)
            return &kind;
    }
    return nullptr;
}
