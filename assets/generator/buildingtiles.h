#pragma once

#include "kindpicture.h"

#include <QImage>

// The building pictures, one drawing each.
class BuildingTiles {
public:
    // Throws std::out_of_range for the road and track drawings.
    static QImage draw(Drawing drawing);

private:
    static QImage smallHouse();
    static QImage twoHouses();
    static QImage apartmentBlock();
    static QImage housingBlock();
    static QImage twoHousingBlocks();
    static QImage cornerShop();
    static QImage shopBuilding();
    static QImage departmentStore();
    static QImage officeTower();
    static QImage headOffice();
    static QImage station();
    static QImage factoryShed();
    static QImage factory();
};
