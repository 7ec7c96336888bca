#pragma once

#include <QImage>

#include <functional>

// A picture for people: every tile on the main window's blue, and two 5 x 5
// towns showing how the pieces join.
class ContactSheet {
public:
    // tile(0) is the bare land, tile(k) kind k. Returns a null image when a
    // tile is missing.
    using TileSource = std::function<QImage(int kind)>;
    static QImage draw(const TileSource &tile, int scale);
};
