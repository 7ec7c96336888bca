#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// Every picture the game embeds, drawn and encoded in its stored format.
class AssetSet {
public:
    struct File {
        QString path; // relative to the assets folder, e.g. "tiles/kind07.ico"
        QByteArray bytes;
    };

    // Bits per pixel each kind picture is stored with.
    static int kindDepth(int kind);
    // Pixels a kind picture paints above its plot.
    static int kindOverhang(int kind);

    static QImage kindPicture(int kind);
    static QList<File> files();
};
