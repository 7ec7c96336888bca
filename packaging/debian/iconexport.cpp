// Writes the program icon's square images as PNG files for the desktop's icon
// theme, which cannot read .ico files.
//   iconexport OUTPUT_DIR   writes OUTPUT_DIR/<size>x<size>/kestavine.png

#include "assetpaths.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QMap>
#include <QSet>

#include <cstdio>

namespace {

int distinctColours(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x)
            colours.insert(argb.pixel(x, y));
    }
    return int(colours.size());
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconexport OUTPUT_DIR\n");
        return 2;
    }

    // Of several images of one size, the one with the most colours wins.
    QMap<int, QImage> bySize;
    QImageReader reader(programIconPath());
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.isNull() || image.width() != image.height())
            continue;
        const QImage kept = bySize.value(image.width());
        if (kept.isNull() || distinctColours(kept) < distinctColours(image))
            bySize.insert(image.width(), image);
    }
    if (bySize.isEmpty()) {
        std::fprintf(stderr, "iconexport: cannot read %s: %s\n", qPrintable(programIconPath()),
                     qPrintable(reader.errorString()));
        return 1;
    }
    for (auto it = bySize.cbegin(); it != bySize.cend(); ++it) {
        const QString folder = QStringLiteral("%1/%2x%2").arg(QString::fromLocal8Bit(argv[1])).arg(it.key());
        if (!QDir().mkpath(folder)
            || !it.value().convertToFormat(QImage::Format_ARGB32).save(folder + "/kestavine.png")) {
            std::fprintf(stderr, "iconexport: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
