#include "tilepicture.h"

#include <QFile>
#include <QList>
#include <QtEndian>

namespace {

qint64 u16(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

qint64 u32(const QByteArray &bytes, qint64 at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

} // namespace

QImage TilePicture::read(const QString &path, int index)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decode(file.readAll(), index);
}

QImage TilePicture::decode(const QByteArray &bytes, int index)
{
    if (bytes.size() < 6 || u16(bytes, 0) != 0 || u16(bytes, 2) != 1 || index < 0 || index >= u16(bytes, 4))
        return {};
    const qint64 entry = 6 + 16 * qint64(index);
    if (bytes.size() < entry + 16)
        return {};
    const qint64 offset = u32(bytes, entry + 12);
    if (offset < 0 || bytes.size() < offset + 40 || u32(bytes, offset) != 40)
        return {};
    const qint64 width = qint32(u32(bytes, offset + 4));
    const qint64 height = qint32(u32(bytes, offset + 8)) / 2;
    const int depth = int(u16(bytes, offset + 14));
    if (width <= 0 || height <= 0 || width > 256 || height > 256 || u32(bytes, offset + 16) != 0
        || (depth != 1 && depth != 4 && depth != 8 && depth != 24))
        return {};

    const qint64 colours = depth <= 8 ? (u32(bytes, offset + 32) ? u32(bytes, offset + 32) : 1 << depth) : 0;
    if (colours > (qint64(1) << (depth <= 8 ? depth : 0)))
        return {};
    const qint64 paletteAt = offset + 40;
    const qint64 colourAt = paletteAt + 4 * colours;
    const qint64 colourRow = (width * depth + 31) / 32 * 4;
    const qint64 maskAt = colourAt + colourRow * height;
    const qint64 maskRow = (width + 31) / 32 * 4;
    if (bytes.size() < maskAt + maskRow * height)
        return {};

    QList<QRgb> palette;
    for (qint64 i = 0; i < colours; ++i) {
        const qint64 at = paletteAt + 4 * i;
        palette.append(qRgb(uchar(bytes[at + 2]), uchar(bytes[at + 1]), uchar(bytes[at])));
    }

    QImage image(int(width), int(height), QImage::Format_ARGB32);
    for (qint64 y = 0; y < height; ++y) {
        const qint64 row = height - 1 - y; // stored bottom-up
        const char *colour = bytes.constData() + colourAt + row * colourRow;
        const char *mask = bytes.constData() + maskAt + row * maskRow;
        for (qint64 x = 0; x < width; ++x) {
            if ((uchar(mask[x / 8]) >> (7 - x % 8)) & 1) {
                image.setPixel(int(x), int(y), qRgba(0, 0, 0, 0));
                continue;
            }
            QRgb rgb = 0;
            if (depth == 24) {
                rgb = qRgb(uchar(colour[x * 3 + 2]), uchar(colour[x * 3 + 1]), uchar(colour[x * 3]));
            } else {
                const qint64 bit = x * depth;
                const int value = (uchar(colour[bit / 8]) >> (8 - depth - bit % 8)) & ((1 << depth) - 1);
                if (value >= palette.size())
                    return {};
                rgb = palette[value];
            }
            image.setPixel(int(x), int(y), rgb);
        }
    }
    return image;
}
