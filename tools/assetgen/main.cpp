// Draws every picture the game embeds and writes them in their stored
// formats, so the committed files under assets/ can always be remade.
//
//   kestavine_assetgen FOLDER                  write the pictures under FOLDER
//   kestavine_assetgen --sheet FOLDER OUT.png  draw a contact sheet of FOLDER's tiles
//   kestavine_assetgen --preview OUT.png       draw a contact sheet straight from the drawings
//   kestavine_assetgen --report                print what each tile paints

#include "assetset.h"
#include "contactsheet.h"
#include "groundtiles.h"
#include "iconencoder.h"
#include "tilecanvas.h"
#include "tilepicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <exception>

namespace {

int writeAll(const QString &folder)
{
    for (const AssetSet::File &file : AssetSet::files()) {
        const QString path = folder + QLatin1Char('/') + file.path;
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(file.bytes) != file.bytes.size()) {
            QTextStream(stderr) << "cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}

int report()
{
    QTextStream out(stdout);
    for (int kind = 1; kind <= 30; ++kind) {
        const QImage picture = AssetSet::kindPicture(kind);
        int overhang = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x)
                overhang += !TileCanvas::inDiamond(x, y) && qAlpha(picture.pixel(x, y)) != 0;
        }
        out << "kind " << kind << ": depth " << AssetSet::kindDepth(kind) << ", colours "
            << IconEncoder::opaqueColours(picture).size() << ", overhang " << overhang << " (wanted "
            << AssetSet::kindOverhang(kind) << ")\n";
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 2 && args[1] == QLatin1String("--report"))
            return report();
        if (args.size() == 4 && args[1] == QLatin1String("--sheet")) {
            const QString folder = args[2];
            const QImage sheet = ContactSheet::draw(
                [folder](int kind) {
                    const QString name = kind == 0 ? QStringLiteral("bareland")
                                                   : QStringLiteral("kind%1").arg(kind, 2, 10, QLatin1Char('0'));
                    return TilePicture::read(folder + QStringLiteral("/tiles/") + name + QStringLiteral(".ico"));
                },
                4);
            return !sheet.isNull() && sheet.save(args[3]) ? 0 : 1;
        }
        if (args.size() == 3 && args[1] == QLatin1String("--preview")) {
            const QImage sheet = ContactSheet::draw(
                [](int kind) { return kind == 0 ? GroundTiles::bareLand() : AssetSet::kindPicture(kind); }, 4);
            return sheet.save(args[2]) ? 0 : 1;
        }
        if (args.size() == 2 && !args[1].startsWith(QLatin1Char('-')))
            return writeAll(args[1]);
    } catch (const std::exception &error) {
        QTextStream(stderr) << error.what() << "\n";
        return 1;
    }
    QTextStream(stderr) << "usage: kestavine_assetgen FOLDER | --sheet FOLDER OUT.png | --preview OUT.png | --report\n";
    return 2;
}
