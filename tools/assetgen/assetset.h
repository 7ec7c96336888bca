#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

struct BuildingKind;

// Every picture the game embeds, drawn and encoded in its stored format.
class AssetSet {
public:
    struct File {
        QString path; // relative to the assets folder, e.g. "tiles/kind07.ico"
        QByteArray bytes;
    };

    static QImage kindPicture(const BuildingKind &kind);
    // Pixels a picture paints outside its tile's diamond.
    static int overhang(const QImage &picture);
    static QList<File> files();
};
