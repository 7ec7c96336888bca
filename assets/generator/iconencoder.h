#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Writes Windows icon files the way the game stores its pictures: palette or
// 24-bit colour images, each with a one-bit transparency mask. Qt's own icon
// writer only produces 32-bit images, so the small encoder lives here.
class IconEncoder {
public:
    struct Image {
        QImage picture; // any format; alpha 0 is transparent, anything else opaque
        int depth = 4;  // 1, 4, 8 or 24 bits per pixel
    };

    // Throws std::runtime_error when a picture has more colours than its depth holds.
    static QByteArray encode(const QList<Image> &images);

    // Opaque colours in order of first appearance, row by row from the top.
    static QList<QRgb> opaqueColours(const QImage &picture);

private:
    static QByteArray encodeBitmap(const QImage &picture, int depth);
};
