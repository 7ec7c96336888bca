#include "bitmapencoder.h"

#include "littleendian.h"

#include <QHash>
#include <QList>
#include <QtEndian>

#include <stdexcept>

namespace {

using LittleEndian::put16;
using LittleEndian::put32;

} // namespace

QByteArray BitmapEncoder::encode8Bit(const QImage &source)
{
    const QImage picture = source.convertToFormat(QImage::Format_RGB32);
    const int width = picture.width();
    const int height = picture.height();

    QList<QRgb> palette;
    QHash<QRgb, int> indexOf;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb colour = picture.pixel(x, y) | 0xff000000u;
            if (!indexOf.contains(colour)) {
                indexOf.insert(colour, int(palette.size()));
                palette.append(colour);
            }
        }
    }
    if (palette.size() > 256)
        throw std::runtime_error("splash picture uses more than 256 colours");
    while (palette.size() < 256)
        palette.append(qRgb(0, 0, 0));

    const int rowBytes = (width + 3) / 4 * 4;
    const int dataOffset = 14 + 40 + 256 * 4;
    QByteArray out;
    out.append("BM", 2);
    put32(out, dataOffset + rowBytes * height);
    put32(out, 0);
    put32(out, dataOffset);
    put32(out, 40);
    put32(out, width);
    put32(out, height); // positive: rows stored bottom-up
    put16(out, 1);
    put16(out, 8);
    put32(out, 0);
    put32(out, rowBytes * height);
    put32(out, 3780); // 96 dots per inch
    put32(out, 3780);
    put32(out, 256);
    put32(out, 0);
    LittleEndian::putPalette(out, palette);
    for (int y = height - 1; y >= 0; --y) {
        QByteArray row(rowBytes, '\0');
        for (int x = 0; x < width; ++x)
            row[x] = char(indexOf.value(picture.pixel(x, y) | 0xff000000u));
        out.append(row);
    }
    return out;
}
