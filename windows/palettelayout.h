#pragma once

#include <QRect>

// Where the main window's palette puts the button of each kind: on a grid of
// 600-twip cells left of the divider and below the town, in blocks that the
// kinds fill in catalogue order, kind 1 in the first cell.
namespace PaletteLayout {

// The geometry of a kind's button, in pixels; throws std::out_of_range for
// a kind the palette has no room for (the build stops before the catalogue
// outgrows it).
QRect kindButton(int kind);

} // namespace PaletteLayout
