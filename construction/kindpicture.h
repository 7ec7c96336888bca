#pragma once

// How a building kind's 32 x 32 tile is drawn and stored. The picture
// generator draws it from this and the game shows what it wrote, so a new
// kind needs a record here and, for a new building, its drawing.

// The drawings of the picture generator: one per building, and the road and
// track pieces, which differ only in the tile edges they reach.
enum class Drawing {
    SmallHouse,
    TwoHouses,
    ApartmentBlock,
    HousingBlock,
    TwoHousingBlocks,
    CornerShop,
    ShopBuilding,
    DepartmentStore,
    OfficeTower,
    HeadOffice,
    Road,
    Track,
    Station,
    FactoryShed,
    Factory,
};

// The four edges of a tile, named by the neighbour they face on the diamond.
enum TileEdge : int {
    UpperLeftEdge = 1,  // towards lot k - 5
    LowerRightEdge = 2, // towards lot k + 5
    UpperRightEdge = 4, // towards lot k - 1
    LowerLeftEdge = 8,  // towards lot k + 1
};

struct KindPicture {
    Drawing drawing;
    int depth;    // bits per pixel of the stored icon: 4, 8 or 24
    int overhang; // pixels painted above the plot, outside the tile's diamond
    int edges = 0; // the TileEdge flags a road or track reaches
};
