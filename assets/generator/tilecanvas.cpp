#include "tilecanvas.h"

#include <cstdlib>

bool TileCanvas::inDiamond(int x, int y)
{
    return x >= 0 && y >= 0 && x < Size && y < Size
        && std::abs(2 * x - 31) + std::abs(2 * y - 31) <= 2 * Reach;
}

bool TileCanvas::isCell(int s, int t)
{
    return std::abs(s) <= Reach && std::abs(t) <= Reach && ((s + t) & 1) != 0;
}

quint32 TileCanvas::noise(int a, int b, int seed)
{
    quint32 h = quint32(a) * 374761393u + quint32(b) * 668265263u + quint32(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

TileCanvas::TileCanvas()
    : m_image(Size, Size, QImage::Format_ARGB32)
{
    m_image.fill(Qt::transparent);
}

void TileCanvas::raise(int s0, int s1, int t0, int t1, int height, int material)
{
    for (int s = s0; s <= s1; ++s) {
        for (int t = t0; t <= t1; ++t)
            setCell(s, t, height, material);
    }
}

void TileCanvas::setCell(int s, int t, int height, int material)
{
    if (!isCell(s, t))
        return;
    m_cells[indexOf(s, t)] = {height, material};
}

int TileCanvas::height(int s, int t) const
{
    return isCell(s, t) ? m_cells[indexOf(s, t)].height : 0;
}

int TileCanvas::material(int s, int t) const
{
    return isCell(s, t) ? m_cells[indexOf(s, t)].material : 0;
}

void TileCanvas::render(const Paint &paint)
{
    // A cell's ground pixel lies below every cell behind it, so drawing row
    // by row from the top lets nearer columns cover farther ones.
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            if (!inDiamond(x, y))
                continue;
            Surface surface;
            surface.s = sOf(x, y);
            surface.t = tOf(x, y);
            surface.height = height(surface.s, surface.t);
            surface.material = material(surface.s, surface.t);
            const int rightHeight = height(surface.s + 1, surface.t - 1);
            const int leftHeight = height(surface.s - 1, surface.t + 1);
            for (int level = 0; level <= surface.height; ++level) {
                surface.level = level;
                surface.x = x;
                surface.y = y - level;
                if (level == surface.height)
                    surface.face = Face::Top;
                else if (rightHeight > level || leftHeight <= level)
                    surface.face = Face::Left;
                else
                    surface.face = Face::Right;
                setPixel(x, y - level, paint(surface));
            }
        }
    }
}

void TileCanvas::setPixel(int x, int y, QRgb colour)
{
    if (x < 0 || y < 0 || x >= Size || y >= Size)
        return;
    m_image.setPixel(x, y, colour | 0xff000000u);
}

int TileCanvas::overhang() const
{
    int count = 0;
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            if (!inDiamond(x, y) && qAlpha(m_image.pixel(x, y)) != 0)
                ++count;
        }
    }
    return count;
}
