#pragma once

// The four edges of a tile, named by the neighbour they face.
enum TileEdge : int {
    UpperLeftEdge = 1,  // towards lot k - 5 (s = -16)
    LowerRightEdge = 2, // towards lot k + 5 (s = +16)
    UpperRightEdge = 4, // towards lot k - 1 (t = -16)
    LowerLeftEdge = 8,  // towards lot k + 1 (t = +16)
};
