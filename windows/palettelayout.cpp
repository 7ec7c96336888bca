#include "palettelayout.h"

#include "catalogue.h"
#include "twips.h"

#include <array>
#include <stdexcept>

namespace PaletteLayout {

namespace {

constexpr int kCell = 600;
constexpr int kButtonSize = 495;

// A rectangle of cells, filled across each row in turn or down each column.
struct Block {
    int left;
    int top;
    int columns;
    int rows;
    bool columnByColumn;
};

// The thirty kinds the game was designed with fill the first two blocks;
// the third, under the town, waits for more.
constexpr std::array<Block, 3> kBlocks{{
    {120, 120, 2, 9, false},   // down the left edge, two to a row
    {1320, 4320, 6, 2, true},  // along the bottom, two to a column
    {1320, 3720, 6, 1, false}, // the row above those, clear of the town
}};

constexpr int kCapacity = [] {
    int cells = 0;
    for (const Block &block : kBlocks)
        cells += block.columns * block.rows;
    return cells;
}();

static_assert(kKindCount <= kCapacity, "the palette is full: give it another block of cells");

} // namespace

QRect kindButton(int kind)
{
    int index = kind - 1;
    for (const Block &block : kBlocks) {
        const int cells = block.columns * block.rows;
        if (index >= 0 && index < cells) {
            const int column = block.columnByColumn ? index / block.rows : index % block.columns;
            const int row = block.columnByColumn ? index % block.rows : index / block.columns;
            return twips(block.left + kCell * column, block.top + kCell * row, kButtonSize, kButtonSize);
        }
        index -= cells;
    }
    throw std::out_of_range("the palette has no room for this kind");
}

} // namespace PaletteLayout
