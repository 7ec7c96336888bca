#include "programicon.h"

#include <QPainter>

QImage ProgramIcon::window(int size, bool colour)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const bool large = size >= 32;
    const int left = large ? 1 : 0;
    const int top = large ? 3 : 1;
    const int right = large ? 29 : 14;
    const int bottom = large ? 27 : 13;
    const int captionBottom = top + (large ? 6 : 3);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb cyan = colour ? qRgb(0, 255, 255) : black;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const bool frame = x == left || x == right || y == top || y == bottom || y == captionBottom;
            image.setPixel(x, y, frame ? black : (y < captionBottom ? cyan : white));
        }
    }
    if (colour) {
        // A one-pixel shadow to lift the window off whatever lies behind it.
        for (int y = top + 1; y <= bottom + 1; ++y)
            image.setPixel(right + 1, y, qRgb(128, 128, 128));
        for (int x = left + 1; x <= right + 1; ++x)
            image.setPixel(x, bottom + 1, qRgb(128, 128, 128));
    }
    return image;
}

QList<IconEncoder::Image> ProgramIcon::images()
{
    return {{window(32, false), 1}, {window(32, true), 4}, {window(16, true), 4}};
}
