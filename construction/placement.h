#pragma once

#include <string_view>

class TownState;

// Buys one building of the chosen kind and puts it on lot 1..25. The chosen
// kind is the decimal text the lot picker holds; it is compared as a number,
// so "07" chooses kind 7 and "0", "31" or "2.5" choose nothing. The purchase
// is never refused: the balance may go below zero, and an occupied lot is
// simply built over. The balance, totals and lot land value are written back
// even when nothing was chosen.
//
// Returns the kind number whose picture the lot now shows (TownState::kBareLand
// if it was never built on). Throws FieldError, changing nothing, when the
// chosen kind, the balance or a total is not a number; std::out_of_range for
// a lot outside 1..25.
int placeBuilding(TownState &town, std::string_view chosenKind, int lot);
