#include "buildingtiles.h"

#include "tilecanvas.h"

#include <cstdlib>
#include <stdexcept>

namespace {

using Face = TileCanvas::Face;
using Surface = TileCanvas::Surface;

enum Material { Ground, Walls, Roof, Trim, Foliage, Extra, Extra2 };

// One wall colour per face: light falls from the upper left.
struct Paint3 {
    QRgb top;
    QRgb left;
    QRgb right;
    QRgb on(Face face) const { return face == Face::Top ? top : face == Face::Left ? left : right; }
};

QRgb grass(int s, int t, bool fine = true)
{
    const quint32 n = TileCanvas::noise(TileCanvas::wrap(s), TileCanvas::wrap(t), 7) % 16;
    if (n < 3)
        return qRgb(72, 148, 52);
    if (fine && n > 13)
        return qRgb(116, 188, 76);
    return qRgb(92, 168, 60);
}

QRgb olive(int s, int t)
{
    const quint32 n = TileCanvas::noise(TileCanvas::wrap(s), TileCanvas::wrap(t), 9) % 16;
    if (n < 3)
        return qRgb(112, 112, 52);
    if (n > 13)
        return qRgb(148, 148, 76);
    return qRgb(128, 128, 60);
}

QRgb darkGreen(int s, int t)
{
    const quint32 n = TileCanvas::noise(TileCanvas::wrap(s), TileCanvas::wrap(t), 13) % 16;
    return n < 4 ? qRgb(36, 84, 44) : qRgb(44, 100, 52);
}

// Grey paving in long slabs; joints in one direction only, so that it never
// reads as the checker of an empty picture.
QRgb paving(int s, int t)
{
    if (TileCanvas::wrap(s) % 6 == 0)
        return qRgb(156, 156, 150);
    return (TileCanvas::noise(TileCanvas::wrap(s) / 6, TileCanvas::wrap(t), 19) % 5) == 0 ? qRgb(172, 172, 166)
                                                                                          : qRgb(184, 184, 178);
}

// A gable roof whose ridge runs in s (along the t = constant lines).
void gableHouse(TileCanvas &canvas, int s0, int s1, int t0, int t1, int eave, int material)
{
    const int mid2 = t0 + t1; // twice the ridge position
    const int half = (t1 - t0) / 2;
    for (int s = s0; s <= s1; ++s) {
        for (int t = t0; t <= t1; ++t) {
            const int fromRidge = std::abs(2 * t - mid2) / 2;
            canvas.setCell(s, t, eave + 1 + (half - fromRidge) / 2, material);
        }
    }
}

// A round bush or tree crown, highest in the middle.
void tree(TileCanvas &canvas, int s, int t, int height)
{
    for (int ds = -2; ds <= 2; ++ds) {
        for (int dt = -2; dt <= 2; ++dt) {
            const int d = std::abs(ds) + std::abs(dt);
            if (d > 3)
                continue;
            canvas.setCell(s + ds, t + dt, height - d, Foliage);
        }
    }
}

QRgb foliage(const Surface &surface)
{
    const quint32 n = TileCanvas::noise(surface.x, surface.y, 17) % 8;
    if (surface.face == Face::Top)
        return n < 2 ? qRgb(88, 176, 72) : qRgb(56, 136, 52);
    if (surface.level == 0)
        return qRgb(96, 64, 40); // trunk
    return surface.face == Face::Left ? qRgb(40, 108, 44) : qRgb(28, 84, 36);
}

// Window rows on a wall: every `period` levels from `first`, every other pixel.
bool windowAt(const Surface &surface, int first, int period, int last, int phase = 0)
{
    if (surface.face == Face::Top || surface.level < first || surface.level > last)
        return false;
    return (surface.level - first) % period == 0 && ((surface.x + phase) & 1) == 0;
}

} // namespace

QImage BuildingTiles::draw(Drawing drawing)
{
    switch (drawing) {
    case Drawing::SmallHouse: return smallHouse();
    case Drawing::TwoHouses: return twoHouses();
    case Drawing::ApartmentBlock: return apartmentBlock();
    case Drawing::HousingBlock: return housingBlock();
    case Drawing::TwoHousingBlocks: return twoHousingBlocks();
    case Drawing::CornerShop: return cornerShop();
    case Drawing::ShopBuilding: return shopBuilding();
    case Drawing::DepartmentStore: return departmentStore();
    case Drawing::OfficeTower: return officeTower();
    case Drawing::HeadOffice: return headOffice();
    case Drawing::Station: return station();
    case Drawing::FactoryShed: return factoryShed();
    case Drawing::Factory: return factory();
    case Drawing::Road:
    case Drawing::Track:
        break;
    }
    throw std::out_of_range("not a building drawing");
}

QImage BuildingTiles::smallHouse()
{
    TileCanvas canvas;
    constexpr int eave = 4;
    gableHouse(canvas, -6, 5, -5, 5, eave, Walls);
    // A path from the door to the lower-left edge.
    canvas.render([](const Surface &surface) -> QRgb {
        if (surface.material == Ground) {
            if (std::abs(surface.s + 1) <= 1 && surface.t > 5)
                return qRgb(200, 184, 144);
            return grass(surface.s, surface.t, false);
        }
        if (surface.level > eave || (surface.level == eave && surface.face != Face::Right)) {
            if (surface.face == Face::Top)
                return surface.t <= 0 ? qRgb(72, 72, 84) : qRgb(40, 40, 48);
            return surface.face == Face::Right && surface.s == 5 ? qRgb(196, 200, 208) : qRgb(24, 24, 28);
        }
        if (surface.face == Face::Left) {
            if (surface.x == 12 && surface.level <= 2)
                return qRgb(120, 72, 40); // door
            if (surface.level == 2 && (surface.x == 8 || surface.x == 16 || surface.x == 18))
                return qRgb(64, 120, 200);
            return qRgb(248, 248, 240);
        }
        if (surface.face == Face::Right && surface.level == 2 && surface.x == 22)
            return qRgb(64, 120, 200);
        return qRgb(196, 200, 208);
    });
    return canvas.image();
}

QImage BuildingTiles::twoHouses()
{
    TileCanvas canvas;
    constexpr int eave = 3;
    gableHouse(canvas, -11, -2, -10, -3, eave, Walls); // yellow, at the back
    gableHouse(canvas, 2, 11, 3, 10, eave, Trim);      // white, at the front
    // A dotted hedge between the gardens.
    for (int s = -15; s <= 15; ++s) {
        for (int t = -15; t <= 15; ++t) {
            if (std::abs(s - t) <= 1 && ((s + t + 1) / 2) % 2 == 0 && canvas.height(s, t) == 0)
                canvas.setCell(s, t, 1, Foliage);
        }
    }
    canvas.render([](const Surface &surface) -> QRgb {
        switch (surface.material) {
        case Ground:
            return grass(surface.s, surface.t, false);
        case Foliage:
            return surface.face == Face::Top ? qRgb(92, 168, 60) : qRgb(32, 96, 36);
        default:
            break;
        }
        const bool yellow = surface.material == Walls;
        const int gableS = yellow ? -2 : 11;
        if (surface.level > eave || (surface.level == eave && surface.face != Face::Right)) {
            if (surface.face == Face::Top)
                return yellow ? qRgb(200, 64, 48) : qRgb(72, 72, 84);
            if (surface.face == Face::Right && surface.s == gableS)
                return yellow ? qRgb(216, 176, 40) : qRgb(196, 200, 208);
            return yellow ? qRgb(144, 40, 32) : qRgb(40, 40, 48);
        }
        const bool window = surface.level == 1 && (surface.x % 3) == 0;
        if (window)
            return qRgb(64, 120, 200);
        if (surface.face == Face::Left)
            return yellow ? qRgb(248, 216, 72) : qRgb(248, 248, 240);
        return yellow ? qRgb(216, 176, 40) : qRgb(196, 200, 208);
    });
    return canvas.image();
}

QImage BuildingTiles::apartmentBlock()
{
    TileCanvas canvas;
    constexpr int top = 13;
    canvas.raise(-3, 7, -3, 7, top, Walls);
    canvas.raise(-1, 5, -1, 5, top + 1, Roof); // the stair house on the roof
    tree(canvas, -11, 10, 4);
    tree(canvas, 10, -11, 4);
    canvas.render([](const Surface &surface) -> QRgb {
        switch (surface.material) {
        case Ground:
            return grass(surface.s, surface.t);
        case Foliage:
            return foliage(surface);
        case Roof:
            return surface.face == Face::Top ? qRgb(216, 216, 224) : qRgb(168, 168, 180);
        default:
            break;
        }
        if (surface.face == Face::Top)
            return qRgb(196, 196, 204);
        // Pink and white bands, one storey each, with windows in the white.
        const bool pink = (surface.level % 3) == 0;
        if (surface.level >= 1 && !pink && (surface.level % 3) == 1 && (surface.x & 1) == 0)
            return surface.face == Face::Left ? qRgb(72, 128, 208) : qRgb(56, 96, 168);
        if (pink)
            return surface.face == Face::Left ? qRgb(248, 160, 184) : qRgb(208, 120, 148);
        return surface.face == Face::Left ? qRgb(252, 252, 248) : qRgb(204, 204, 212);
    });
    return canvas.image();
}

QImage BuildingTiles::housingBlock()
{
    TileCanvas canvas;
    canvas.raise(-9, 11, -5, 2, 7, Walls);
    canvas.render([](const Surface &surface) -> QRgb {
        if (surface.material == Ground) {
            if (std::abs(surface.t - 6) <= 1 && surface.s > -14 && surface.s < 12)
                return qRgb(200, 184, 144); // the footpath along the front
            return grass(surface.s, surface.t, false);
        }
        if (surface.face == Face::Top)
            return std::abs(2 * surface.t + 3) >= 6 || std::abs(surface.s - 1) >= 9 ? qRgb(176, 176, 184) : qRgb(208, 208, 216);
        if (windowAt(surface, 2, 2, 6))
            return qRgb(64, 120, 200);
        return surface.face == Face::Left ? qRgb(248, 248, 240) : qRgb(176, 176, 184);
    });
    return canvas.image();
}

QImage BuildingTiles::twoHousingBlocks()
{
    TileCanvas canvas;
    canvas.raise(-10, 12, -10, -5, 6, Walls);
    canvas.raise(-8, 14, 4, 9, 6, Walls);
    canvas.render([](const Surface &surface) -> QRgb {
        if (surface.material == Ground) {
            if (surface.t >= -2 && surface.t <= 0 && std::abs(surface.s) < 14)
                return qRgb(200, 184, 144);
            return grass(surface.s, surface.t, false);
        }
        if (surface.face == Face::Top)
            return qRgb(208, 208, 216);
        if (windowAt(surface, 2, 2, 5))
            return qRgb(64, 120, 200);
        return surface.face == Face::Left ? qRgb(248, 248, 240) : qRgb(176, 176, 184);
    });
    return canvas.image();
}

QImage BuildingTiles::cornerShop()
{
    TileCanvas canvas;
    canvas.raise(-11, -3, -7, 5, 5, Walls);  // the shop at the back
    canvas.setCell(9, -6, 8, Extra);        // the sign on its post
    canvas.setCell(8, -7, 8, Extra2);
    canvas.setCell(10, -7, 8, Extra2);
    canvas.setCell(9, -8, 8, Extra2);
    canvas.render([](const Surface &surface) -> QRgb {
        switch (surface.material) {
        case Ground: {
            const bool park = surface.s >= 0 && surface.s <= 14 && surface.t >= -10 && surface.t <= 13;
            if (!park)
                return grass(surface.s, surface.t, false);
            // Bays marked in white across the car park.
            if (surface.s >= 2 && surface.s <= 6 && ((surface.t + 16) % 6) == 0)
                return qRgb(248, 248, 240);
            if (surface.s >= 2 && surface.s <= 6 && ((surface.t + 16) % 6) >= 2 && ((surface.t + 16) % 12) < 6)
                return qRgb(200, 48, 48); // parked cars
            return qRgb(120, 120, 128);
        }
        case Extra:
            return surface.level >= 5 ? qRgb(200, 48, 48) : qRgb(72, 72, 84);
        case Extra2:
            return surface.level >= 5 ? (surface.face == Face::Top ? qRgb(248, 216, 72) : qRgb(200, 48, 48)) : qRgb(120, 120, 128);
        default:
            break;
        }
        if (surface.face == Face::Top)
            return qRgb(200, 48, 48);
        if (surface.level == 4)
            return qRgb(200, 48, 48); // the fascia
        if (surface.face == Face::Left && surface.level >= 1 && surface.level <= 2 && (surface.x % 4) != 0)
            return qRgb(64, 120, 200); // shop windows
        return surface.face == Face::Left ? qRgb(248, 216, 72) : qRgb(200, 160, 32);
    });
    return canvas.image();
}

QImage BuildingTiles::shopBuilding()
{
    TileCanvas canvas;
    canvas.raise(-7, 7, -7, 7, 9, Walls);
    canvas.raise(-4, 4, -4, 4, 10, Roof);
    canvas.render([](const Surface &surface) -> QRgb {
        switch (surface.material) {
        case Ground:
            return paving(surface.s, surface.t);
        case Roof:
            return surface.face == Face::Top ? qRgb(216, 72, 56) : qRgb(168, 48, 40);
        default:
            break;
        }
        if (surface.face == Face::Top)
            return (std::abs(surface.s) == 7 || std::abs(surface.t) == 7) ? qRgb(200, 56, 48) : qRgb(224, 200, 96);
        if (surface.level == 3)
            return surface.face == Face::Left ? qRgb(224, 56, 48) : qRgb(176, 40, 36); // awning
        if (surface.level <= 2 && surface.level >= 1 && (surface.x % 3) != 0)
            return qRgb(96, 160, 224);
        if (windowAt(surface, 5, 2, 7))
            return surface.face == Face::Left ? qRgb(72, 112, 176) : qRgb(56, 88, 144);
        return surface.face == Face::Left ? qRgb(252, 224, 80) : qRgb(212, 172, 40);
    });
    return canvas.image();
}

QImage BuildingTiles::departmentStore()
{
    TileCanvas canvas;
    canvas.raise(-14, 14, -14, 14, 5, Walls);
    canvas.raise(-8, 8, -8, 8, 6, Roof);
    canvas.setCell(-12, -1, 8, Extra); // a flag on the roof
    canvas.render([](const Surface &surface) -> QRgb {
        switch (surface.material) {
        case Ground:
            return qRgb(168, 168, 160);
        case Roof:
            return surface.face == Face::Top ? qRgb(200, 196, 176) : qRgb(160, 156, 140);
        case Extra:
            return surface.level >= 7 ? qRgb(224, 48, 48) : qRgb(96, 96, 96);
        default:
            break;
        }
        if (surface.face == Face::Top)
            return qRgb(236, 228, 196);
        if (surface.level == 1 && (surface.x % 4) != 0)
            return qRgb(96, 160, 224);
        if (windowAt(surface, 3, 2, 4))
            return surface.face == Face::Left ? qRgb(120, 140, 176) : qRgb(96, 112, 144);
        return surface.face == Face::Left ? qRgb(248, 236, 200) : qRgb(208, 196, 160);
    });
    return canvas.image();
}

QImage BuildingTiles::officeTower()
{
    TileCanvas canvas;
    canvas.raise(-2, 4, -2, 4, 14, Walls);
    tree(canvas, -10, 9, 5);
    tree(canvas, 9, -10, 5);
    canvas.render([](const Surface &surface) -> QRgb {
        switch (surface.material) {
        case Ground:
            return grass(surface.s, surface.t);
        case Foliage:
            return foliage(surface);
        default:
            break;
        }
        if (surface.face == Face::Top)
            return qRgb(88, 88, 104);
        if (surface.level >= 1 && (surface.level % 2) == 1 && (surface.x & 1) == 1)
            return surface.face == Face::Left ? qRgb(255, 224, 96) : qRgb(224, 184, 64);
        return surface.face == Face::Left ? qRgb(56, 56, 72) : qRgb(36, 36, 48);
    });
    return canvas.image();
}

QImage BuildingTiles::headOffice()
{
    TileCanvas canvas;
    // Two wings opening towards the street, joined by a lower hall at the back.
    canvas.raise(-8, 0, -8, 0, 7, Roof);
    canvas.raise(-13, -2, 6, 15, 12, Walls); // the left wing
    canvas.raise(-10, 1, 2, 15, 12, Walls);
    canvas.raise(6, 15, -13, -2, 12, Walls); // the right wing
    canvas.raise(2, 15, -10, 1, 12, Walls);
    canvas.render([](const Surface &surface) -> QRgb {
        if (surface.material == Ground)
            return paving(surface.s, surface.t);
        if (surface.face == Face::Top)
            return qRgb(168, 168, 176);
        if (surface.level >= 1 && (surface.level % 2) == 1 && (surface.x & 1) == 0)
            return surface.face == Face::Left ? qRgb(96, 136, 192) : qRgb(72, 104, 152);
        return surface.face == Face::Left ? qRgb(184, 184, 192) : qRgb(128, 128, 140);
    });
    return canvas.image();
}

QImage BuildingTiles::station()
{
    TileCanvas canvas;
    gableHouse(canvas, -12, 10, -5, 3, 4, Walls);
    canvas.setCell(-9, 0, 11, Extra);
    canvas.setCell(-8, -1, 11, Extra); // the sign's post
    canvas.render([](const Surface &surface) -> QRgb {
        switch (surface.material) {
        case Ground:
            if (surface.t >= 5 && surface.t <= 9 && std::abs(surface.s) <= 13)
                return qRgb(176, 176, 168); // platform
            return darkGreen(surface.s, surface.t);
        case Extra:
            return surface.level >= 7 ? (surface.face == Face::Top ? qRgb(16, 16, 16) : qRgb(248, 248, 248)) : qRgb(32, 32, 32);
        default:
            break;
        }
        if (surface.level > 4 || (surface.level == 4 && surface.face != Face::Right)) {
            if (surface.face == Face::Top)
                return surface.t <= -1 ? qRgb(112, 112, 120) : qRgb(80, 80, 92);
            if (surface.face == Face::Right && surface.s == 10)
                return qRgb(144, 64, 48);
            return qRgb(56, 56, 68);
        }
        if (surface.face == Face::Left && surface.level >= 1 && surface.level <= 2 && (surface.x % 3) == 0)
            return qRgb(240, 224, 160);
        const bool mortar = (surface.level % 2 == 0) && ((surface.x + surface.level / 2) % 3 == 0);
        if (surface.face == Face::Left)
            return mortar ? qRgb(208, 128, 104) : qRgb(184, 84, 60);
        return mortar ? qRgb(168, 96, 80) : qRgb(144, 64, 48);
    });
    return canvas.image();
}

QImage BuildingTiles::factoryShed()
{
    TileCanvas canvas;
    gableHouse(canvas, -9, 12, -8, 8, 5, Walls);
    canvas.setCell(-7, 0, 12, Roof); // a vent on the ridge
    canvas.render([](const Surface &surface) -> QRgb {
        if (surface.material == Ground)
            return olive(surface.s, surface.t);
        if (surface.level > 5 || (surface.level == 5 && surface.face != Face::Right)) {
            if (surface.face == Face::Top)
                return surface.t <= 0 ? qRgb(224, 72, 56) : qRgb(184, 48, 40);
            if (surface.face == Face::Right && surface.s == 12)
                return qRgb(160, 160, 152);
            return qRgb(136, 36, 32);
        }
        if (surface.face == Face::Left && surface.level <= 3 && surface.x >= 14 && surface.x <= 17)
            return (surface.level & 1) ? qRgb(120, 120, 112) : qRgb(96, 96, 92); // loading door
        if (surface.level == 3 && (surface.x & 1) == 0)
            return qRgb(96, 136, 168);
        return surface.face == Face::Left ? qRgb(200, 200, 192) : qRgb(160, 160, 152);
    });
    return canvas.image();
}

QImage BuildingTiles::factory()
{
    TileCanvas canvas;
    canvas.raise(-12, 12, -8, 10, 6, Walls);
    canvas.raise(-10, -4, -10, -6, 8, Roof); // a taller hall at the back
    canvas.setCell(-5, 4, 14, Extra);       // chimneys
    canvas.setCell(-4, 3, 14, Extra);
    canvas.setCell(3, -4, 13, Extra);
    canvas.setCell(4, -5, 13, Extra);
    canvas.render([](const Surface &surface) -> QRgb {
        switch (surface.material) {
        case Ground:
            return olive(surface.s, surface.t);
        case Extra:
            if (surface.level >= surface.height - 1)
                return qRgb(48, 48, 52);
            return (surface.level % 4 == 1) ? qRgb(200, 48, 40) : (surface.face == Face::Left ? qRgb(168, 168, 168) : qRgb(128, 128, 132));
        case Roof:
            if (surface.face == Face::Top)
                return qRgb(140, 140, 148);
            return surface.face == Face::Left ? qRgb(160, 160, 168) : qRgb(112, 112, 120);
        default:
            break;
        }
        if (surface.face == Face::Top)
            return ((surface.s + 16) % 4 < 2) ? qRgb(150, 150, 158) : qRgb(128, 128, 136);
        if (surface.level == 4 && (surface.x & 1) == 0)
            return qRgb(96, 136, 168);
        return surface.face == Face::Left ? qRgb(176, 176, 184) : qRgb(124, 124, 132);
    });
    return canvas.image();
}
