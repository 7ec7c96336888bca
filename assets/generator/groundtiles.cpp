#include "groundtiles.h"

#include "kindpicture.h"
#include "tilecanvas.h"

#include <cstdlib>

namespace {

constexpr int kRoadHalfWidth = 11; // asphalt reaches |t| <= 11 along a road running in s
constexpr int kTrackHalfWidth = 5; // the ballast bed
constexpr int kRailOffset = 3;     // each rail lies 3 cells off the track's centre line

int edgeCount(int edges)
{
    int count = 0;
    for (int edge : {UpperLeftEdge, LowerRightEdge, UpperRightEdge, LowerLeftEdge})
        count += (edges & edge) ? 1 : 0;
    return count;
}

// True when (s, t) lies on the arm of a piece running from its centre out to
// the edge, within halfWidth of the arm's centre line.
bool onArm(int edges, int s, int t, int halfWidth)
{
    if (std::abs(s) <= halfWidth && std::abs(t) <= halfWidth)
        return true;
    return ((edges & UpperLeftEdge) && s <= 0 && std::abs(t) <= halfWidth)
        || ((edges & LowerRightEdge) && s >= 0 && std::abs(t) <= halfWidth)
        || ((edges & UpperRightEdge) && t <= 0 && std::abs(s) <= halfWidth)
        || ((edges & LowerLeftEdge) && t >= 0 && std::abs(s) <= halfWidth);
}

QRgb grass(int s, int t)
{
    // Tufts follow (s, t), so neighbouring verges continue their texture.
    const quint32 n = TileCanvas::noise(TileCanvas::wrap(s), TileCanvas::wrap(t), 7) % 16;
    if (n < 3)
        return qRgb(72, 148, 52);
    if (n > 13)
        return qRgb(116, 188, 76);
    return qRgb(92, 168, 60);
}

QRgb roadPixel(int edges, int s, int t)
{
    const int w = kRoadHalfWidth;
    const bool junction = edgeCount(edges) > 2;
    if (!onArm(edges, s, t, w))
        return grass(s, t);

    // A kerb where the asphalt meets a verge.
    for (int ds : {-1, 1}) {
        for (int dt : {-1, 1}) {
            if (TileCanvas::isCell(s + ds, t + dt) && !onArm(edges, s + ds, t + dt, w))
                return qRgb(196, 196, 188);
        }
    }

    if (edges == (UpperLeftEdge | LowerRightEdge | UpperRightEdge | LowerLeftEdge)
        && std::abs(s) <= 5 && std::abs(t) <= 5) {
        const QPoint p = TileCanvas::pixelOf(s, t);
        const bool light = ((p.x() / 2 + p.y() / 2) & 1) != 0;
        return light ? qRgb(236, 236, 228) : qRgb(60, 60, 68);
    }

    // Dashed centre lines with a period that divides the tile, so a dash
    // pattern carries on into the next tile.
    const bool dash = ((s + 16) % 8) < 4;
    const bool dashT = ((t + 16) % 8) < 4;
    const auto armLine = [&](int edge, int along, int across, bool on) {
        if (!(edges & edge) || across != 0 || !on)
            return false;
        const bool through = (edge & (UpperLeftEdge | LowerRightEdge))
            ? (edges & UpperLeftEdge) && (edges & LowerRightEdge)
            : (edges & UpperRightEdge) && (edges & LowerLeftEdge);
        if (junction && !through)
            return std::abs(along) > w;
        if (junction && edgeCount(edges) == 4)
            return std::abs(along) > w;
        return true;
    };
    if ((s <= 0 && armLine(UpperLeftEdge, s, t, dash)) || (s >= 0 && armLine(LowerRightEdge, s, t, dash))
        || (t <= 0 && armLine(UpperRightEdge, t, s, dashT)) || (t >= 0 && armLine(LowerLeftEdge, t, s, dashT)))
        return qRgb(248, 248, 240);

    // Stop lines where a side road meets the through road.
    if (junction) {
        for (int edge : {UpperLeftEdge, LowerRightEdge, UpperRightEdge, LowerLeftEdge}) {
            if (!(edges & edge))
                continue;
            const bool alongS = edge & (UpperLeftEdge | LowerRightEdge);
            const int along = alongS ? s : t;
            const int across = alongS ? t : s;
            const int sign = (edge & (UpperLeftEdge | UpperRightEdge)) ? -1 : 1;
            if (along * sign == w + 1 && across * sign > 0 && std::abs(across) <= w - 2) {
                const bool through = alongS ? (edges & UpperRightEdge) && (edges & LowerLeftEdge)
                                            : (edges & UpperLeftEdge) && (edges & LowerRightEdge);
                if (!through || edgeCount(edges) == 4)
                    return qRgb(248, 248, 240);
            }
        }
    }

    const quint32 n = TileCanvas::noise(TileCanvas::wrap(s), TileCanvas::wrap(t), 11) % 16;
    if (n == 0)
        return qRgb(96, 96, 104);
    if (n == 1)
        return qRgb(132, 132, 140);
    return qRgb(112, 112, 120);
}

QRgb railPixel(int edges, int s, int t)
{
    const int w = kTrackHalfWidth;
    if (!onArm(edges, s, t, w))
        return GroundTiles::earth(s, t);

    const bool bend = edgeCount(edges) == 2 && !((edges & UpperLeftEdge) && (edges & LowerRightEdge))
        && !((edges & UpperRightEdge) && (edges & LowerLeftEdge));
    const bool inSquare = std::abs(s) <= w && std::abs(t) <= w;
    const bool runsInS = (edges & (UpperLeftEdge | LowerRightEdge)) != 0;
    const bool runsInT = (edges & (UpperRightEdge | LowerLeftEdge)) != 0;

    // Rails: two lines 3 cells either side of the centre line of each arm.
    const bool railInS = runsInS && std::abs(t) == kRailOffset
        && (((edges & UpperLeftEdge) && s <= w) || ((edges & LowerRightEdge) && s >= -w) || (bend && inSquare));
    const bool railInT = runsInT && std::abs(s) == kRailOffset
        && (((edges & UpperRightEdge) && t <= w) || ((edges & LowerLeftEdge) && t >= -w) || (bend && inSquare));
    if (railInS || railInT)
        return qRgb(58, 32, 18);

    // Sleepers every fourth cell, again a period that divides the tile.
    const bool sleeperInS = runsInS && ((s + 16) % 4) < 2 && std::abs(t) <= w - 1
        && (!inSquare || bend || !runsInT) && (std::abs(t) <= w - 1);
    const bool sleeperInT = runsInT && ((t + 16) % 4) < 2 && std::abs(s) <= w - 1
        && (!inSquare || bend || !runsInS);
    const bool armS = (edges & UpperLeftEdge && s <= 0) || (edges & LowerRightEdge && s >= 0);
    const bool armT = (edges & UpperRightEdge && t <= 0) || (edges & LowerLeftEdge && t >= 0);
    if ((sleeperInS && (armS || (bend && inSquare))) || (sleeperInT && (armT || (bend && inSquare))))
        return qRgb(112, 64, 34);

    const quint32 n = TileCanvas::noise(TileCanvas::wrap(s), TileCanvas::wrap(t), 5) % 8;
    return n < 2 ? qRgb(150, 94, 56) : qRgb(164, 104, 62);
}

QImage paintFlat(const std::function<QRgb(int s, int t)> &colour)
{
    TileCanvas canvas;
    canvas.render([&](const TileCanvas::Surface &surface) { return colour(surface.s, surface.t); });
    return canvas.image();
}

} // namespace

QRgb GroundTiles::earth(int s, int t)
{
    const quint32 n = TileCanvas::noise(TileCanvas::wrap(s), TileCanvas::wrap(t), 3) % 64;
    if (n == 0)
        return qRgb(222, 156, 92); // a pale pebble
    if (n == 1)
        return qRgb(150, 90, 44);
    return ((s + 31) & 1) ? qRgb(186, 114, 56) : qRgb(200, 128, 64); // a one-pixel checker
}

QImage GroundTiles::bareLand()
{
    return paintFlat([](int s, int t) { return earth(s, t); });
}

QImage GroundTiles::road(int edges)
{
    return paintFlat([edges](int s, int t) { return roadPixel(edges, s, t); });
}

QImage GroundTiles::rail(int edges)
{
    return paintFlat([edges](int s, int t) { return railPixel(edges, s, t); });
}
