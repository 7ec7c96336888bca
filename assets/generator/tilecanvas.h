#pragma once

#include <QImage>
#include <QPoint>

#include <array>
#include <functional>

// A 32 x 32 tile drawn as a small height field over the lot diamond.
//
// Every opaque pixel of the diamond is one cell, named by two diagonal
// coordinates: s = x + y - 31 grows towards the lower-right edge (lot k + 5)
// and t = y - x grows towards the lower-left edge (lot k + 1). Both run from
// -16 to 16 and s + t is always odd. The edge cells (s or t = +-16) are the
// pixels that a neighbouring tile, placed half a tile away, paints as well, so
// anything drawn as a function of (s, t) continues across tiles.
class TileCanvas {
public:
    static constexpr int Size = 32;
    static constexpr int Reach = 16;

    enum class Face { Top, Left, Right };

    // What the paint function is asked to colour: one pixel of one column.
    struct Surface {
        int s = 0;
        int t = 0;
        int x = 0;
        int y = 0;
        int level = 0;  // 0 at the ground, height at the top of the column
        int height = 0;
        int material = 0;
        Face face = Face::Top;
    };
    using Paint = std::function<QRgb(const Surface &)>;

    static bool inDiamond(int x, int y);
    static bool isCell(int s, int t);
    static int sOf(int x, int y) { return x + y - 31; }
    static int tOf(int x, int y) { return y - x; }
    static QPoint pixelOf(int s, int t) { return {(s - t + 31) / 2, (s + t + 31) / 2}; }

    // A small deterministic hash for texture noise.
    static quint32 noise(int a, int b, int seed);
    // A cell coordinate folded into 0..31, so that texture keyed on it is
    // the same on both sides of a shared edge (s = 16 here is s = -16 there).
    static int wrap(int coordinate) { return ((coordinate % 32) + 32) % 32; }

    TileCanvas();

    // Raises every cell with s0 <= s <= s1 and t0 <= t <= t1 to the height.
    void raise(int s0, int s1, int t0, int t1, int height, int material);
    void setCell(int s, int t, int height, int material);
    int height(int s, int t) const;
    int material(int s, int t) const;

    // Draws all columns from the back of the plot to the front.
    void render(const Paint &paint);

    void setPixel(int x, int y, QRgb colour);
    QRgb pixel(int x, int y) const { return m_image.pixel(x, y); }
    // Opaque pixels outside the diamond: where a building rises above its plot.
    int overhang() const;
    QImage image() const { return m_image; }

private:
    struct Cell {
        int height = 0;
        int material = 0;
    };
    static int indexOf(int s, int t) { return (s + Reach) * (2 * Reach + 1) + (t + Reach); }

    std::array<Cell, (2 * Reach + 1) * (2 * Reach + 1)> m_cells{};
    QImage m_image;
};
