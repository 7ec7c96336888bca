#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

struct BuildingKind;

// Every picture the game embeds, drawn and encoded in its stored format, and
// the list of them that the build embeds.
class AssetSet {
public:
    struct File {
        QString path; // relative to the assets folder, e.g. "tiles/kind07.ico"
        QByteArray bytes;
    };

    static QImage kindPicture(const BuildingKind &kind);
    // Pixels a picture paints outside its tile's diamond.
    static int overhang(const QImage &picture);
    // The pictures, then pictures.cmake, which lists them for the build.
    static QList<File> files();
};
