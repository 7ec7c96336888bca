#pragma once

#include <QImage>

// The flat tiles: bare land, and the road and track pieces, each reaching
// the tile edges its TileEdge flags name.
class GroundTiles {
public:
    static QImage bareLand();
    static QImage road(int edges);
    static QImage rail(int edges);

    // Bare earth at cell (s, t), shared with the rail pieces.
    static QRgb earth(int s, int t);
};
