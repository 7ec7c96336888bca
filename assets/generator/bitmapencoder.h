#pragma once

#include <QByteArray>
#include <QImage>

// Writes an uncompressed Windows bitmap with a 256-entry palette, the way the
// splash picture is stored.
class BitmapEncoder {
public:
    // Throws std::runtime_error when the picture uses more than 256 colours.
    static QByteArray encode8Bit(const QImage &picture);
};
