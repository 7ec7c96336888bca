#pragma once

#include <QByteArray>
#include <QtEndian>

// Appends little-endian integers, as the bitmap and icon file formats store them.
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

} // namespace LittleEndian
