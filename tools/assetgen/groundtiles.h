#pragma once

#include <QImage>

// The flat tiles: bare land, the road pieces (kinds 11 to 21) and the rail
// pieces (kinds 22 to 27).
class GroundTiles {
public:
    static QImage bareLand();
    static QImage road(int kind);
    static QImage rail(int kind);

    // The TileEdge flags a piece reaches.
    static int roadEdges(int kind);
    static int railEdges(int kind);

    // Bare earth at cell (s, t), shared with the rail pieces.
    static QRgb earth(int s, int t);
};
