#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Reads the game's icon files (tiles and the program icon) into ARGB32
// images whose alpha follows each icon's one-bit mask.
//
// Use this rather than QImage(path): Qt 6.4's icon reader drops the mask of
// 24-bit images, which would show the true-colour tiles with black corners.
class TilePicture {
public:
    // A null image when the file cannot be read or is not such an icon.
    static QImage read(const QString &path, int index = 0);
    static QImage decode(const QByteArray &bytes, int index = 0);
};
