#pragma once

#include <QImage>

// The building pictures: kinds 1 to 10 and 28 to 30.
class BuildingTiles {
public:
    static bool isBuilding(int kind);
    static QImage draw(int kind);

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
