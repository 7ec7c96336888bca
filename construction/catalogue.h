#pragma once

#include "kindpicture.h"

#include <array>
#include <string_view>

// One thing the player can buy and place on a lot: everything the game, its
// picture generator and its tools know of a kind.
struct BuildingKind {
    int number;               // 1, 2, ... in table order, also the number of its palette button
    std::string_view toolTip; // name and price, as the palette shows them
    std::string_view name;    // what a screen reader calls it, a piece's shape included
    int price;                // taken from the balance
    std::string_view landValue; // replaces the lot's land value text
    int housing;              // added to the housing total
    int commerce;             // added to the commerce total
    int industry;             // added to the industry total
    KindPicture picture;
};

// The fixed catalogue, kind 1 first. The road and rail pieces share their tool
// tips and differ only in their pictures, so their names say which tile edges
// the road or track reaches: upper left (towards lot k - 5), upper right
// (k - 1), lower left (k + 1) and lower right (k + 5).
inline constexpr auto kCatalogue = std::to_array<BuildingKind>({
    {1, "低密度住宅5＄", "低密度住宅", 5, "1", 3, 0, 0,
     {Drawing::SmallHouse, 4, 0}},
    {2, "高密度住宅10＄", "高密度住宅", 10, "2", 6, 0, 0,
     {Drawing::TwoHouses, 4, 0}},
    {3, "アパート20＄", "アパート", 20, "5", 20, 0, 0,
     {Drawing::ApartmentBlock, 8, 0}},
    {4, "団地1　50＄", "団地1", 50, "2", 50, 0, 0,
     {Drawing::HousingBlock, 4, 0}},
    {5, "団地2　100＄", "団地2", 100, "2", 70, 0, 0,
     {Drawing::TwoHousingBlocks, 4, 0}},
    {6, "低密度商業20＄", "低密度商業", 20, "5", 0, 10, 0,
     {Drawing::CornerShop, 4, 0}},
    {7, "高密度商業30＄", "高密度商業", 30, "10", 0, 50, 0,
     {Drawing::ShopBuilding, 24, 0}},
    {8, "デパート100＄", "デパート", 100, "15", 0, 100, 0,
     {Drawing::DepartmentStore, 24, 73}},
    {9, "事務所50＄", "事務所", 50, "15", 0, 20, 50,
     {Drawing::OfficeTower, 24, 0}},
    {10, "本社200＄", "本社", 200, "20", 0, 50, 100,
     {Drawing::HeadOffice, 8, 146}},
    {11, "道路5＄", "道路 直線 右上と左下", 5, "5", 0, 0, 0,
     {Drawing::Road, 24, 0, UpperRightEdge | LowerLeftEdge}},
    {12, "道路5＄", "道路 直線 左上と右下", 5, "5", 0, 0, 0,
     {Drawing::Road, 24, 0, UpperLeftEdge | LowerRightEdge}},
    {13, "道路5＄", "道路 カーブ 右上と右下", 5, "5", 0, 0, 0,
     {Drawing::Road, 8, 0, UpperRightEdge | LowerRightEdge}},
    {14, "道路5＄", "道路 カーブ 左下と右下", 5, "5", 0, 0, 0,
     {Drawing::Road, 8, 0, LowerLeftEdge | LowerRightEdge}},
    {15, "道路5＄", "道路 カーブ 左上と左下", 5, "5", 0, 0, 0,
     {Drawing::Road, 8, 0, UpperLeftEdge | LowerLeftEdge}},
    {16, "道路5＄", "道路 カーブ 左上と右上", 5, "5", 0, 0, 0,
     {Drawing::Road, 8, 0, UpperLeftEdge | UpperRightEdge}},
    {17, "道路5＄", "道路 T字路 右上以外", 5, "5", 0, 0, 0,
     {Drawing::Road, 8, 0, UpperLeftEdge | LowerLeftEdge | LowerRightEdge}},
    {18, "道路5＄", "道路 T字路 右下以外", 5, "5", 0, 0, 0,
     {Drawing::Road, 8, 0, UpperLeftEdge | UpperRightEdge | LowerLeftEdge}},
    {19, "道路5＄", "道路 T字路 左上以外", 5, "5", 0, 0, 0,
     {Drawing::Road, 8, 0, UpperRightEdge | LowerLeftEdge | LowerRightEdge}},
    {20, "道路5＄", "道路 T字路 左下以外", 5, "5", 0, 0, 0,
     {Drawing::Road, 8, 0, UpperLeftEdge | UpperRightEdge | LowerRightEdge}},
    {21, "道路5＄", "道路 十字路", 5, "5", 0, 0, 0,
     {Drawing::Road, 8, 0, UpperLeftEdge | UpperRightEdge | LowerLeftEdge | LowerRightEdge}},
    {22, "線路10＄", "線路 直線 右上と左下", 10, "0", 0, 0, 0,
     {Drawing::Track, 24, 0, UpperRightEdge | LowerLeftEdge}},
    {23, "線路10＄", "線路 直線 左上と右下", 10, "0", 0, 0, 0,
     {Drawing::Track, 24, 0, UpperLeftEdge | LowerRightEdge}},
    {24, "線路10＄", "線路 カーブ 右上と右下", 10, "0", 0, 0, 0,
     {Drawing::Track, 24, 0, UpperRightEdge | LowerRightEdge}},
    {25, "線路10＄", "線路 カーブ 左下と右下", 10, "0", 0, 0, 0,
     {Drawing::Track, 24, 0, LowerLeftEdge | LowerRightEdge}},
    {26, "線路10＄", "線路 カーブ 左上と左下", 10, "0", 0, 0, 0,
     {Drawing::Track, 24, 0, UpperLeftEdge | LowerLeftEdge}},
    {27, "線路10＄", "線路 カーブ 左上と右上", 10, "0", 0, 0, 0,
     {Drawing::Track, 24, 0, UpperLeftEdge | UpperRightEdge}},
    {28, "駅50＄", "駅", 50, "20", 0, 0, 0,
     {Drawing::Station, 24, 13}},
    // Low-density industry has always charged 30 although its label says 50;
    // players know the bargain, so it stays.
    {29, "低密度工業50＄", "低密度工業", 30, "1", 0, 0, 50,
     {Drawing::FactoryShed, 8, 10}},
    {30, "高密度工業50＄", "高密度工業", 50, "1", 0, 0, 100,
     {Drawing::Factory, 8, 26}},
});

inline constexpr int kKindCount = static_cast<int>(kCatalogue.size());

static_assert([] {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (kCatalogue[i].number != static_cast<int>(i) + 1)
            return false;
    }
    return true;
}(), "kinds are numbered from 1 in table order");

// The kind whose number equals the given value, or nullptr (0, 2.5 and any
// number past the last kind match nothing).
const BuildingKind *findKind(double number);

// What stands on a lot whose picture is the given kind: the kind's name, or
// bare land for picture 0.
std::string_view standingName(int picture);

// The price as the kind's tool tip writes it: "50＄" for "団地1　50＄", and for
// kind 29 the 50 it shows rather than the 30 it charges.
std::string_view shownPrice(const BuildingKind &kind);
