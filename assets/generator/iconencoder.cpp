#include "iconencoder.h"

#include "littleendian.h"

#include <QtEndian>

#include <stdexcept>

namespace {

using LittleEndian::put16;
using LittleEndian::put32;

int rowBytes(int width, int depth)
{
    return ((width * depth + 31) / 32) * 4;
}

bool isOpaque(const QImage &picture, int x, int y)
{
    return qAlpha(picture.pixel(x, y)) != 0;
}

} // namespace

QList<QRgb> IconEncoder::opaqueColours(const QImage &picture)
{
    QList<QRgb> colours;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!isOpaque(picture, x, y))
                continue;
            const QRgb colour = qRgb(qRed(picture.pixel(x, y)), qGreen(picture.pixel(x, y)),
                                     qBlue(picture.pixel(x, y)));
            if (!colours.contains(colour))
                colours.append(colour);
        }
    }
    return colours;
}

QByteArray IconEncoder::encodeBitmap(const QImage &source, int depth)
{
    const QImage picture = source.convertToFormat(QImage::Format_ARGB32);
    const int width = picture.width();
    const int height = picture.height();

    // Entry 0 is black: masked pixels point at it, which is what a renderer
    // that XORs the colour bitmap expects of transparent pixels.
    QList<QRgb> palette;
    if (depth <= 8) {
        palette.append(qRgb(0, 0, 0));
        for (QRgb colour : opaqueColours(picture)) {
            if (!palette.contains(colour))
                palette.append(colour);
        }
        if (palette.size() > (1 << depth))
            throw std::runtime_error("picture has more colours than its depth holds");
        while (palette.size() < (1 << depth))
            palette.append(qRgb(0, 0, 0));
    }

    const int colourRow = rowBytes(width, depth);
    const int maskRow = rowBytes(width, 1);
    QByteArray out;
    put32(out, 40);
    put32(out, width);
    put32(out, height * 2); // colour bitmap and mask stacked
    put16(out, 1);
    put16(out, depth);
    put32(out, 0);
    put32(out, (colourRow + maskRow) * height);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    LittleEndian::putPalette(out, palette);

    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = picture.pixel(x, y);
            const bool opaque = isOpaque(picture, x, y);
            if (depth == 24) {
                const QRgb colour = opaque ? pixel : qRgb(0, 0, 0);
                row[x * 3] = char(qBlue(colour));
                row[x * 3 + 1] = char(qGreen(colour));
                row[x * 3 + 2] = char(qRed(colour));
                continue;
            }
            const int index = opaque ? int(palette.indexOf(qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)))) : 0;
            const int bit = x * depth;
            const int shift = 8 - depth - bit % 8;
            row[bit / 8] = char(uchar(row[bit / 8]) | uchar(index << shift));
        }
        out.append(row);
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < width; ++x) {
            if (!isOpaque(picture, x, y))
                row[x / 8] = char(uchar(row[x / 8]) | uchar(0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

QByteArray IconEncoder::encode(const QList<Image> &images)
{
    QList<QByteArray> bitmaps;
    for (const Image &image : images)
        bitmaps.append(encodeBitmap(image.picture, image.depth));

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // icon, not cursor
    put16(out, int(images.size()));
    qint64 offset = 6 + 16 * images.size();
    for (int i = 0; i < images.size(); ++i) {
        const Image &image = images[i];
        out.append(char(image.picture.width() & 0xff)); // 256 is written as 0
        out.append(char(image.picture.height() & 0xff));
        out.append(char(image.depth < 8 ? 1 << image.depth : 0));
        out.append(char(0));
        put16(out, 1);
        put16(out, image.depth);
        put32(out, bitmaps[i].size());
        put32(out, offset);
        offset += bitmaps[i].size();
    }
    for (const QByteArray &bitmap : bitmaps)
        out.append(bitmap);
    return out;
}
