#pragma once

#include <array>
#include <string_view>

// One thing the player can buy and place on a lot.
struct BuildingKind {
    int number;               // 1..30, also the number of its palette button
    std::string_view toolTip; // name and price, as the palette shows them
    int price;                // taken from the balance
    std::string_view landValue; // replaces the lot's land value text
    int housing;              // added to the housing total
    int commerce;             // added to the commerce total
    int industry;             // added to the industry total
};

inline constexpr int kKindCount = 30;

// The fixed catalogue, kind 1 first.
inline constexpr std::array<BuildingKind, kKindCount> kCatalogue = {{
    {1, "低密度住宅5＄", 5, "1", 3, 0, 0},
    {2, "高密度住宅10＄", 10, "2", 6, 0, 0},
    {3, "アパート20＄", 20, "5", 20, 0, 0},
    {4, "団地1　50＄", 50, "2", 50, 0, 0},
    {5, "団地2　100＄", 100, "2", 70, 0, 0},
    {6, "低密度商業20＄", 20, "5", 0, 10, 0},
    {7, "高密度商業30＄", 30, "10", 0, 50, 0},
    {8, "デパート100＄", 100, "15", 0, 100, 0},
    {9, "事務所50＄", 50, "15", 0, 20, 50},
    {10, "本社200＄", 200, "20", 0, 50, 100},
    {11, "道路5＄", 5, "5", 0, 0, 0},
    {12, "道路5＄", 5, "5", 0, 0, 0},
    {13, "道路5＄", 5, "5", 0, 0, 0},
    {14, "道路5＄", 5, "5", 0, 0, 0},
    {15, "道路5＄", 5, "5", 0, 0, 0},
    {16, "道路5＄", 5, "5", 0, 0, 0},
    {17, "道路5＄", 5, "5", 0, 0, 0},
    {18, "道路5＄", 5, "5", 0, 0, 0},
    {19, "道路5＄", 5, "5", 0, 0, 0},
    {20, "道路5＄", 5, "5", 0, 0, 0},
    {21, "道路5＄", 5, "5", 0, 0, 0},
    {22, "線路10＄", 10, "0", 0, 0, 0},
    {23, "線路10＄", 10, "0", 0, 0, 0},
    {24, "線路10＄", 10, "0", 0, 0, 0},
    {25, "線路10＄", 10, "0", 0, 0, 0},
    {26, "線路10＄", 10, "0", 0, 0, 0},
    {27, "線路10＄", 10, "0", 0, 0, 0},
    {28, "駅50＄", 50, "20", 0, 0, 0},
    // Low-density industry has always charged 30 although its label says 50;
    // players know the bargain, so it stays.
    {29, "低密度工業50＄", 30, "1", 0, 0, 50},
    {30, "高密度工業50＄", 50, "1", 0, 0, 100},
}};

static_assert(kCatalogue.size() == kKindCount);
static_assert([] {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        if (kCatalogue[i].number != static_cast<int>(i) + 1)
            return false;
    }
    return true;
}(), "kinds are numbered 1..30 in order");

// The kind whose number equals the given value, or nullptr (0, 31, 2.5 match nothing).
const BuildingKind *findKind(double number);

// What stands on a lot whose picture is the given kind: the kind's tool tip
// without its price ("団地1　50＄" names "団地1"), or bare land for picture 0.
std::string_view standingName(int picture);
