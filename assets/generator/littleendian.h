#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>
#include <QtEndian>

// Appends little-endian integers and palettes, as the bitmap and icon file formats store them.
namespace LittleEndian {

inline void put16(QByteArray &out, int value)
{
    char bytes[2];
    qToLittleEndian<quint16>(quint16(value), bytes);
    out.append(bytes, 2);
}

inline void put32(QByteArray &out, qint64 value)
{
    char bytes[4];
    qToLittleEndian<quint32>(quint32(value), bytes);
    out.append(bytes, 4);
}

// A palette as bitmaps and icons store it: blue, green, red and a zero byte per colour.
inline void putPalette(QByteArray &out, const QList<QRgb> &palette)
{
    for (QRgb colour : palette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append(char(0));
    }
}

} // namespace LittleEndian
