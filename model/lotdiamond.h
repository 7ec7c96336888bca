#pragma once

#include "field.h"

// The town's 25 lots form a 5 x 5 grid, lot 1 in row 0 and column 0 and
// lot 5 in row 0, column 4. The windows draw the grid turned by 45 degrees,
// as a diamond: lot 1 at the top corner, lot 5 at the left, lot 21 at the
// right and lot 25 at the bottom.
namespace LotDiamond {

inline constexpr int kSide = 5;

constexpr int row(int lot) { return (lot - 1) / kSide; }
constexpr int column(int lot) { return (lot - 1) % kSide; }

// Where lot 1..25's tile stands from lot 1's, in half tiles: each row moves
// it half a tile down and right, each column half a tile down and left.
struct Offset {
    int right;
    int down;
};

constexpr Offset offset(int lot)
{
    return {row(lot) - column(lot), row(lot) + column(lot)};
}

static_assert(kSide * kSide == kLotCount);

} // namespace LotDiamond
