// Draws every picture the game embeds and writes them in their stored
// formats, so the committed files under assets/ can always be remade.
//
//   kestavine_assetgen FOLDER                  write the pictures under FOLDER
//   kestavine_assetgen --sheet FOLDER OUT.png  draw a contact sheet of FOLDER's tiles
//   kestavine_assetgen --preview OUT.png       draw a contact sheet straight from the drawings
//   kestavine_assetgen --report                print what each tile paints

#include "assetpaths.h"
#include "assetset.h"
#include "catalogue.h"
#include "contactsheet.h"
#include "groundtiles.h"
#include "iconencoder.h"
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
    for (const BuildingKind &kind : kCatalogue) {
        const QImage picture = AssetSet::kindPicture(kind);
        out << "kind " << kind.number << ": depth " << kind.picture.depth << ", colours "
            << IconEncoder::opaqueColours(picture).size() << ", overhang " << AssetSet::overhang(picture)
            << " (wanted " << kind.picture.overhang << ")\n";
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
                    return TilePicture::read(folder + QLatin1Char('/')
                                             + (kind == 0 ? bareLandTileFile() : kindTileFile(kind)));
                },
                4);
            return !sheet.isNull() && sheet.save(args[3]) ? 0 : 1;
        }
        if (args.size() == 3 && args[1] == QLatin1String("--preview")) {
            const QImage sheet = ContactSheet::draw(
                [](int kind) {
                    return kind == 0 ? GroundTiles::bareLand()
                                     : AssetSet::kindPicture(kCatalogue[static_cast<std::size_t>(kind - 1)]);
                },
                4);
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
