#include "splashpicture.h"

#include "pixelfont.h"
#include "tilecanvas.h"

#include <QPainter>
#include <QPolygonF>

namespace {

// Vertical lines meet below the picture: the eye looks down and ahead.
const QPointF kNadir(286, 640);

const QRgb kSkyDeep = qRgb(10, 16, 72);
const QRgb kSkyLight = qRgb(16, 26, 98);

void fillPolygon(QImage &image, const QPolygonF &polygon, QRgb colour)
{
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(colour));
    painter.drawPolygon(polygon);
}

void fillRect(QImage &image, const QRect &rect, QRgb colour)
{
    const QRect clipped = rect.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            image.setPixel(x, y, colour);
    }
}

} // namespace

QPointF SplashPicture::project(QPointF roofPoint, double roofHeight, double height)
{
    // Sizes shrink with distance from the eye, which sits at height 1.
    const double scale = (1.0 - roofHeight) / (1.0 - height);
    return kNadir + (roofPoint - kNadir) * scale;
}

void SplashPicture::drawCityBelow(QImage &image)
{
    // The night sky seen between the towers is the town far below: a dark
    // blue field, dithered towards the bottom, with small lit roofs.
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const int band = y * 5 / Height;
            const bool light = band >= 3 || (band == 2 && ((x + y) & 1) == 0)
                || (band == 1 && ((x & 1) == 0 && (y & 1) == 0));
            image.setPixel(x, y, light ? kSkyLight : kSkyDeep);
        }
    }
    for (int row = 0; row < 12; ++row) {
        for (int column = 0; column < 22; ++column) {
            const quint32 n = TileCanvas::noise(column, row, 21);
            const int x = column * 28 + int(n % 7) - 6;
            const int y = row * 32 + int((n >> 4) % 7);
            const int w = 12 + int((n >> 8) % 8);
            const int h = 10 + int((n >> 12) % 8);
            fillRect(image, QRect(x, y, w, h), qRgb(22, 36, 116));
            fillRect(image, QRect(x, y, w, 1), qRgb(34, 52, 140));
            if ((n >> 16) % 3 == 0)
                fillRect(image, QRect(x + 3 + int((n >> 18) % 5), y + 4, 2, 2), qRgb(255, 216, 96));
        }
    }
}

void SplashPicture::drawTower(QImage &image, const Tower &tower)
{
    const QRectF &roof = tower.roof;
    const QPointF corners[4] = {roof.topLeft(), roof.topRight(), roof.bottomRight(), roof.bottomLeft()};
    const auto wall = [&](int a, int b, QRgb wallColour, bool lit) {
        const QPointF base0 = project(corners[a], tower.roofHeight, 0.0);
        const QPointF base1 = project(corners[b], tower.roofHeight, 0.0);
        fillPolygon(image, QPolygonF({corners[a], corners[b], base1, base0}), wallColour);
        // Windows: floors evenly spaced in height, bays evenly along the wall.
        for (int floor = 0; floor < tower.floors; ++floor) {
            const double top = tower.roofHeight * (1.0 - (floor + 0.3) / tower.floors);
            const double bottom = tower.roofHeight * (1.0 - (floor + 0.8) / tower.floors);
            for (int bay = 0; bay < tower.bays; ++bay) {
                const double u0 = (bay + 0.2) / tower.bays;
                const double u1 = (bay + 0.8) / tower.bays;
                const QPointF p0 = corners[a] + (corners[b] - corners[a]) * u0;
                const QPointF p1 = corners[a] + (corners[b] - corners[a]) * u1;
                const quint32 n = TileCanvas::noise(floor, bay, tower.seed + (lit ? 0 : 50)) % 16;
                QRgb glass = tower.window;
                if (n == 0 || n == 5)
                    glass = qRgb(255, 216, 96);
                else if (n == 9)
                    glass = qRgb(255, 244, 200);
                fillPolygon(image,
                            QPolygonF({project(p0, tower.roofHeight, top), project(p1, tower.roofHeight, top),
                                       project(p1, tower.roofHeight, bottom), project(p0, tower.roofHeight, bottom)}),
                            glass);
            }
        }
    };
    // Only the walls that face the nadir can be seen.
    if (kNadir.x() < roof.left())
        wall(3, 0, tower.shaded, false);
    if (kNadir.x() > roof.right())
        wall(1, 2, tower.shaded, false);
    wall(2, 3, tower.lit, true);

    fillPolygon(image, QPolygonF(roof), tower.roofColour);
    const QRect inner = roof.toRect().adjusted(5, 5, -5, -5);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor::fromRgb(tower.lit));
    painter.drawRect(inner);
}

void SplashPicture::drawSign(QImage &image, const QRect &sign)
{
    const QRgb brick = qRgb(172, 58, 40);
    const QRgb mortar = qRgb(128, 40, 30);
    const QRgb edge = qRgb(96, 28, 22);
    // The board's shadow on the roof, then its thickness, then its face.
    fillRect(image, sign.translated(6, 8), qRgb(120, 120, 132));
    fillRect(image, sign.translated(0, 5), edge);
    for (int y = sign.top(); y <= sign.bottom(); ++y) {
        for (int x = sign.left(); x <= sign.right(); ++x) {
            const int row = (y - sign.top()) / 6;
            const bool joint = (y - sign.top()) % 6 == 5 || (x - sign.left() + (row & 1) * 8) % 16 == 15;
            image.setPixel(x, y, joint ? mortar : brick);
        }
    }
    fillRect(image, QRect(sign.left(), sign.top(), sign.width(), 2), qRgb(204, 92, 64));

    const QString word = QStringLiteral("kestavine");
    constexpr int scale = 5;
    const QPoint at(sign.center().x() - PixelFont::width(word, scale) / 2,
                    sign.center().y() - PixelFont::GlyphHeight * scale / 2);
    const QRgb outline = qRgb(64, 16, 10);
    for (int dy = -2; dy <= 4; ++dy) {
        for (int dx = -2; dx <= 4; ++dx)
            PixelFont::draw(image, at + QPoint(dx, dy), word, scale, outline);
    }
    PixelFont::draw(image, at + QPoint(1, 1), word, scale, qRgb(200, 144, 16));
    PixelFont::draw(image, at, word, scale, qRgb(255, 224, 48));
}

QImage SplashPicture::draw()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    drawCityBelow(image);

    // Farther, lower blocks first; the central tower, nearest the eye, last.
    drawTower(image, {QRectF(8, 206, 170, 96), 0.42, qRgb(236, 132, 48), qRgb(184, 92, 32),
                      qRgb(248, 168, 88), qRgb(120, 56, 24), 9, 7, 1});
    drawTower(image, {QRectF(392, 214, 172, 92), 0.45, qRgb(96, 168, 232), qRgb(56, 112, 184),
                      qRgb(144, 200, 244), qRgb(32, 72, 136), 10, 8, 2});
    drawTower(image, {QRectF(112, 22, 348, 146), 0.62, qRgb(168, 168, 178), qRgb(120, 120, 132),
                      qRgb(200, 200, 208), qRgb(40, 56, 96), 16, 12, 3});

    // Rooftop plant beside the sign.
    for (int i = 0; i < 3; ++i) {
        fillRect(image, QRect(126 + i * 14, 138, 10, 8), qRgb(150, 150, 160));
        fillRect(image, QRect(126 + i * 14, 138, 10, 2), qRgb(224, 224, 232));
    }
    drawSign(image, QRect(134, 42, 304, 80));

    const QString maker = QStringLiteral("VELDORAKS");
    PixelFont::draw(image, QPoint(13, 13), maker, 2, qRgb(0, 0, 32));
    PixelFont::draw(image, QPoint(12, 12), maker, 2, qRgb(255, 255, 255));
    return image;
}
