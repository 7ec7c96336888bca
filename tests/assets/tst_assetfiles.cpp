#include "assetpaths.h"
#include "catalogue.h"
#include "tilepicture.h"

#include <QFile>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <cstdlib>

// The committed picture files: their stored layout, read back both by their
// bytes and through Qt's image readers.
class TestAssetFiles : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void tileHasStoredIconLayout_data();
    void tileHasStoredIconLayout();
    void tileIsOpaqueOnDiamondAndWhereBuildingsRise_data();
    void tileIsOpaqueOnDiamondAndWhereBuildingsRise();
    void qtReaderAgreesExceptForTrueColourMasks_data();
    void qtReaderAgreesExceptForTrueColourMasks();
    void decoderRejectsDamagedFiles();
    void everyPictureDiffers();
    void roadPieceReachesItsTabledEdges_data();
    void roadPieceReachesItsTabledEdges();
    void railPieceReachesItsTabledEdges_data();
    void railPieceReachesItsTabledEdges();
    void neighbouringPiecesJoinAtSharedEdges();
    void splashPictureHasStoredBitmapLayout();
    void splashPictureShowsBothWords();
    void programIconHoldsThreeWindowImages();
};

namespace {

enum Edge { UpperLeft = 1, LowerRight = 2, UpperRight = 4, LowerLeft = 8 };

QByteArray readFile(const QString &name)
{
    QFile file(QStringLiteral(KESTAVINE_ASSETS_DIR "/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString tileName(int kind)
{
    return kind == 0 ? bareLandTileFile() : kindTileFile(kind);
}

QImage readTile(int kind)
{
    return TilePicture::read(QStringLiteral(KESTAVINE_ASSETS_DIR "/") + tileName(kind));
}

int u16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

qint64 u32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// The inscribed diamond: row y of the top half spans columns 15 - y to 16 + y.
bool inDiamond(int x, int y)
{
    const int half = y < 16 ? y : 31 - y;
    return x >= 15 - half && x <= 16 + half;
}

int depthOf(int kind)
{
    static const QHash<int, int> depths = {
        {0, 8}, {1, 4}, {2, 4}, {3, 8}, {4, 4}, {5, 4}, {6, 4}, {7, 24}, {8, 24}, {9, 24}, {10, 8},
        {11, 24}, {12, 24}, {13, 8}, {14, 8}, {15, 8}, {16, 8}, {17, 8}, {18, 8}, {19, 8}, {20, 8},
        {21, 8}, {22, 24}, {23, 24}, {24, 24}, {25, 24}, {26, 24}, {27, 24}, {28, 24}, {29, 8}, {30, 8},
    };
    return depths.value(kind);
}

int roadEdges(int kind)
{
    static const QHash<int, int> edges = {
        {11, LowerLeft | UpperRight}, {12, UpperLeft | LowerRight}, {13, UpperRight | LowerRight},
        {14, LowerLeft | LowerRight}, {15, UpperLeft | LowerLeft}, {16, UpperLeft | UpperRight},
        {17, UpperLeft | LowerRight | LowerLeft}, {18, UpperLeft | UpperRight | LowerLeft},
        {19, LowerRight | UpperRight | LowerLeft}, {20, UpperLeft | LowerRight | UpperRight},
        {21, UpperLeft | LowerRight | UpperRight | LowerLeft},
    };
    return edges.value(kind);
}

int railEdges(int kind)
{
    return roadEdges(kind - 11); // the rail pieces repeat the first six road pieces
}

// Pixels of one edge: the outermost diagonal of the diamond on that side, in
// order from the edge's upper end. Neighbours placed half a tile apart paint
// these pixels both.
QList<QPoint> edgePixels(Edge edge)
{
    QList<QPoint> pixels;
    for (int i = 0; i < 16; ++i) {
        switch (edge) {
        case UpperLeft: pixels.append({15 - i, i}); break;
        case UpperRight: pixels.append({16 + i, i}); break;
        case LowerLeft: pixels.append({i, 16 + i}); break;
        case LowerRight: pixels.append({31 - i, 16 + i}); break;
        }
    }
    return pixels;
}

bool isGreen(QRgb c)
{
    return qGreen(c) > qRed(c) + 30 && qGreen(c) > qBlue(c) + 30;
}

bool isGrey(QRgb c)
{
    return std::abs(qRed(c) - qGreen(c)) < 16 && std::abs(qGreen(c) - qBlue(c)) < 16;
}

bool isDarkBrown(QRgb c)
{
    return qRed(c) < 120 && qRed(c) > qGreen(c) && qGreen(c) > qBlue(c);
}

bool isEarth(QRgb c)
{
    return qRed(c) >= 140 && qRed(c) > qGreen(c) + 40 && qGreen(c) > qBlue(c);
}

} // namespace

void TestAssetFiles::tileHasStoredIconLayout_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("size");
    for (int kind = 0; kind <= kKindCount; ++kind) {
        const int depth = depthOf(kind);
        const int size = depth == 4 ? 766 : depth == 8 ? 2238 : 3262;
        QTest::addRow("%s", qPrintable(tileName(kind))) << kind << depth << size;
    }
}

// One image, 32 x 32, colour bitmap plus one-bit mask, palette padded to the
// full 2^depth entries, masked pixels pointing at black.
void TestAssetFiles::tileHasStoredIconLayout()
{
    QFETCH(int, kind);
    QFETCH(int, depth);
    QFETCH(int, size);

    const QByteArray bytes = readFile(tileName(kind));
    QCOMPARE(bytes.size(), size);
    QCOMPARE(u16(bytes, 0), 0);
    QCOMPARE(u16(bytes, 2), 1);
    QCOMPARE(u16(bytes, 4), 1);
    QCOMPARE(int(uchar(bytes[6])), 32);
    QCOMPARE(int(uchar(bytes[7])), 32);
    QCOMPARE(int(uchar(bytes[8])), depth < 8 ? 1 << depth : 0);
    QCOMPARE(u16(bytes, 10), 1);
    QCOMPARE(u16(bytes, 12), depth);
    QCOMPARE(u32(bytes, 14), qint64(size - 22));
    QCOMPARE(u32(bytes, 18), qint64(22));
    QCOMPARE(u32(bytes, 22), qint64(40));
    QCOMPARE(u32(bytes, 26), qint64(32));
    QCOMPARE(u32(bytes, 30), qint64(64));
    QCOMPARE(u16(bytes, 36), depth);
    QCOMPARE(u32(bytes, 38), qint64(0));

    const int paletteEntries = depth <= 8 ? 1 << depth : 0;
    const int colourAt = 62 + 4 * paletteEntries;
    const int rowBytes = 32 * depth / 8;
    const int maskAt = colourAt + 32 * rowBytes;
    QCOMPARE(maskAt + 128, size);
    if (paletteEntries > 0)
        QCOMPARE(u32(bytes, 62), qint64(0)); // entry 0 is black

    for (int y = 0; y < 32; ++y) {
        const int row = 31 - y; // stored bottom-up
        for (int x = 0; x < 32; ++x) {
            const bool masked = (uchar(bytes[maskAt + row * 4 + x / 8]) >> (7 - x % 8)) & 1;
            if (!masked)
                continue;
            const int bit = x * depth;
            const uchar byte = uchar(bytes[colourAt + row * rowBytes + bit / 8]);
            const int value = depth == 24 ? uchar(bytes[colourAt + row * rowBytes + x * 3])
                                                | uchar(bytes[colourAt + row * rowBytes + x * 3 + 1])
                                                | uchar(bytes[colourAt + row * rowBytes + x * 3 + 2])
                                          : (byte >> (8 - depth - bit % 8)) & ((1 << depth) - 1);
            QVERIFY2(value == 0, qPrintable(QStringLiteral("masked pixel %1,%2 is not black").arg(x).arg(y)));
        }
    }
}

void TestAssetFiles::tileIsOpaqueOnDiamondAndWhereBuildingsRise_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("overhang");
    const QHash<int, int> rising = {{8, 73}, {10, 146}, {28, 13}, {29, 10}, {30, 26}};
    for (int kind = 0; kind <= kKindCount; ++kind)
        QTest::addRow("%s", qPrintable(tileName(kind))) << kind << rising.value(kind);
}

// Opaque on all 544 diamond pixels; outside it, only the counted pixels of a
// building rising above its plot, each standing on the pixels below it.
void TestAssetFiles::tileIsOpaqueOnDiamondAndWhereBuildingsRise()
{
    QFETCH(int, kind);
    QFETCH(int, overhang);

    const QImage tile = readTile(kind);
    QCOMPARE(tile.size(), QSize(32, 32));
    int diamond = 0;
    int outside = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int alpha = qAlpha(tile.pixel(x, y));
            QVERIFY(alpha == 0 || alpha == 255);
            if (inDiamond(x, y)) {
                QVERIFY2(alpha == 255, qPrintable(QStringLiteral("hole at %1,%2").arg(x).arg(y)));
                ++diamond;
            } else if (alpha == 255) {
                ++outside;
                QVERIFY2(y < 16, qPrintable(QStringLiteral("pixel below the plot at %1,%2").arg(x).arg(y)));
                for (int below = y + 1; !inDiamond(x, below); ++below)
                    QVERIFY2(qAlpha(tile.pixel(x, below)) == 255,
                             qPrintable(QStringLiteral("floating pixel at %1,%2").arg(x).arg(y)));
            }
        }
    }
    QCOMPARE(diamond, 544);
    QCOMPARE(outside, overhang);
}

void TestAssetFiles::qtReaderAgreesExceptForTrueColourMasks_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = 0; kind <= kKindCount; ++kind)
        QTest::addRow("%s", qPrintable(tileName(kind))) << kind;
}

// Qt's own icon reader sees the same colours; for palette tiles it also
// applies the mask. (Qt 6.4 leaves 24-bit icons opaque, hence TilePicture.)
void TestAssetFiles::qtReaderAgreesExceptForTrueColourMasks()
{
    QFETCH(int, kind);
    const QImage ours = readTile(kind);
    const QImage qts = QImageReader(QStringLiteral(KESTAVINE_ASSETS_DIR "/") + tileName(kind))
                           .read()
                           .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(qts.size(), ours.size());
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (qAlpha(ours.pixel(x, y)) != 0)
                QCOMPARE(qts.pixel(x, y) | 0xff000000u, ours.pixel(x, y));
            if (depthOf(kind) <= 8)
                QCOMPARE(qAlpha(qts.pixel(x, y)), qAlpha(ours.pixel(x, y)));
        }
    }
}

// A truncated or foreign file gives a null image rather than garbage.
void TestAssetFiles::decoderRejectsDamagedFiles()
{
    const QByteArray tile = readFile(tileName(7));
    QVERIFY(!TilePicture::decode(tile).isNull());
    QVERIFY(TilePicture::decode(tile.left(tile.size() - 1)).isNull());
    QVERIFY(TilePicture::decode(tile.left(30)).isNull());
    QVERIFY(TilePicture::decode(tile, 1).isNull());
    QVERIFY(TilePicture::decode(readFile(QStringLiteral("splash/splash.bmp"))).isNull());
    QByteArray wrongDepth = tile;
    wrongDepth[22 + 14] = 3;
    QVERIFY(TilePicture::decode(wrongDepth).isNull());
    QVERIFY(TilePicture::read(QStringLiteral("/nonexistent/tile.ico")).isNull());
}

// Every kind and the bare land have pictures of their own.
void TestAssetFiles::everyPictureDiffers()
{
    QHash<QByteArray, int> seen;
    for (int kind = 0; kind <= kKindCount; ++kind) {
        const QImage tile = readTile(kind);
        const QByteArray pixels(reinterpret_cast<const char *>(tile.constBits()), tile.sizeInBytes());
        QVERIFY2(!seen.contains(pixels),
                 qPrintable(QStringLiteral("kind %1 repeats kind %2").arg(kind).arg(seen.value(pixels))));
        seen.insert(pixels, kind);
    }
}

void TestAssetFiles::roadPieceReachesItsTabledEdges_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = 11; kind <= 21; ++kind)
        QTest::addRow("kind %d", kind) << kind;
}

// Asphalt at the middle of every edge the road reaches, green verge at the
// middle of every other edge.
void TestAssetFiles::roadPieceReachesItsTabledEdges()
{
    QFETCH(int, kind);
    const QImage tile = readTile(kind);
    for (Edge edge : {UpperLeft, LowerRight, UpperRight, LowerLeft}) {
        const QList<QPoint> pixels = edgePixels(edge);
        const bool open = roadEdges(kind) & edge;
        for (const QPoint &middle : {pixels[7], pixels[8]}) {
            const QRgb colour = tile.pixel(middle);
            if (open)
                QVERIFY2(isGrey(colour), qPrintable(QStringLiteral("edge %1 should be road").arg(int(edge))));
            else
                QVERIFY2(isGreen(colour), qPrintable(QStringLiteral("edge %1 should be verge").arg(int(edge))));
        }
        // Green verge either side of the road near the tile's corners.
        QVERIFY(isGreen(tile.pixel(pixels[0])));
        QVERIFY(isGreen(tile.pixel(pixels[15])));
    }
}

void TestAssetFiles::railPieceReachesItsTabledEdges_data()
{
    QTest::addColumn<int>("kind");
    for (int kind = 22; kind <= 27; ++kind)
        QTest::addRow("kind %d", kind) << kind;
}

// Dark brown track crosses the middle of every edge the track reaches; the
// other edges show bare ground there. Bends also carry track at the centre.
void TestAssetFiles::railPieceReachesItsTabledEdges()
{
    QFETCH(int, kind);
    const QImage tile = readTile(kind);
    for (Edge edge : {UpperLeft, LowerRight, UpperRight, LowerLeft}) {
        const QList<QPoint> pixels = edgePixels(edge);
        int track = 0;
        int earth = 0;
        for (int i = 4; i <= 11; ++i) {
            track += isDarkBrown(tile.pixel(pixels[i])) ? 1 : 0;
            earth += isEarth(tile.pixel(pixels[i])) ? 1 : 0;
        }
        if (railEdges(kind) & edge)
            QVERIFY2(track >= 2, qPrintable(QStringLiteral("edge %1 should carry track").arg(int(edge))));
        else
            QVERIFY2(earth == 8, qPrintable(QStringLiteral("edge %1 should be bare ground").arg(int(edge))));
    }
    int centreTrack = 0;
    for (int y = 13; y <= 18; ++y) {
        for (int x = 13; x <= 18; ++x)
            centreTrack += isDarkBrown(tile.pixel(x, y)) ? 1 : 0;
    }
    QVERIFY(centreTrack >= 4);
}

// Lot k - 5 sits at (-16, -16) and lot k - 1 at (+16, -16): the shared edge
// pixels of two open pieces must match exactly, so a road's width and centre
// line, and a track's rails, carry on into the neighbour.
void TestAssetFiles::neighbouringPiecesJoinAtSharedEdges()
{
    QList<int> pieces;
    for (int kind = 11; kind <= 27; ++kind)
        pieces.append(kind);
    const auto edges = [](int kind) { return kind <= 21 ? roadEdges(kind) : railEdges(kind); };
    int joins = 0;
    for (int front : pieces) {
        for (int back : pieces) {
            if ((front <= 21) != (back <= 21))
                continue;
            const QImage frontTile = readTile(front);
            const QImage backTile = readTile(back);
            const std::pair<Edge, Edge> pairs[] = {{UpperLeft, LowerRight}, {UpperRight, LowerLeft}};
            for (const auto &[frontEdge, backEdge] : pairs) {
                if (!(edges(front) & frontEdge) || !(edges(back) & backEdge))
                    continue;
                const QPoint offset = frontEdge == UpperLeft ? QPoint(-16, -16) : QPoint(16, -16);
                for (const QPoint &p : edgePixels(frontEdge)) {
                    QVERIFY2(frontTile.pixel(p) == backTile.pixel(p - offset),
                             qPrintable(QStringLiteral("kinds %1 and %2 do not join at %3,%4")
                                            .arg(front).arg(back).arg(p.x()).arg(p.y())));
                }
                ++joins;
            }
        }
    }
    QVERIFY(joins > 50);
}

void TestAssetFiles::splashPictureHasStoredBitmapLayout()
{
    const QByteArray bytes = readFile(QStringLiteral("splash/splash.bmp"));
    QCOMPARE(bytes.size(), 201850);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(u32(bytes, 2), qint64(201850));
    QCOMPARE(u32(bytes, 10), qint64(14 + 40 + 1024));
    QCOMPARE(u32(bytes, 14), qint64(40));
    QCOMPARE(u32(bytes, 18), qint64(572));
    QCOMPARE(u32(bytes, 22), qint64(351));
    QCOMPARE(u16(bytes, 26), 1);
    QCOMPARE(u16(bytes, 28), 8);
    QCOMPARE(u32(bytes, 30), qint64(0));

    const QImage splash(QStringLiteral(KESTAVINE_ASSETS_DIR "/splash/splash.bmp"));
    QCOMPARE(splash.size(), QSize(572, 351));
    QCOMPARE(splash.format(), QImage::Format_Indexed8);
}

// The maker's name in white at the top left, the product name in yellow on a
// brick-red sign in the middle, all on deep blue.
void TestAssetFiles::splashPictureShowsBothWords()
{
    const QImage splash = QImage(QStringLiteral(KESTAVINE_ASSETS_DIR "/splash/splash.bmp"))
                              .convertToFormat(QImage::Format_RGB32);
    const QRgb corner = splash.pixel(2, 2);
    QVERIFY(qBlue(corner) > 2 * qRed(corner) && qBlue(corner) > 2 * qGreen(corner));

    int white = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 130; ++x)
            white += splash.pixel(x, y) == qRgb(255, 255, 255) ? 1 : 0;
    }
    QVERIFY(white > 150);

    int yellow = 0;
    int brick = 0;
    for (int y = 20; y < 160; ++y) {
        for (int x = 120; x < 452; ++x) {
            const QRgb c = splash.pixel(x, y);
            yellow += qRed(c) > 220 && qGreen(c) > 180 && qBlue(c) < 100 ? 1 : 0;
            brick += qRed(c) > 120 && qGreen(c) < 90 && qBlue(c) < 80 ? 1 : 0;
        }
    }
    QVERIFY(yellow > 1500);
    QVERIFY(brick > 5000);
}

// Three images: 32 x 32 at 1 bit, 32 x 32 at 4 bits, 16 x 16 at 4 bits, each a
// white window under a caption bar, cyan where colour allows.
void TestAssetFiles::programIconHoldsThreeWindowImages()
{
    const QByteArray bytes = readFile(QStringLiteral("icon/kestavine.ico"));
    QCOMPARE(u16(bytes, 4), 3);
    const int sizes[3] = {32, 32, 16};
    const int depths[3] = {1, 4, 4};
    qint64 expectedOffset = 6 + 3 * 16;
    for (int i = 0; i < 3; ++i) {
        const int entry = 6 + 16 * i;
        QCOMPARE(int(uchar(bytes[entry])), sizes[i]);
        QCOMPARE(int(uchar(bytes[entry + 1])), sizes[i]);
        QCOMPARE(u16(bytes, entry + 6), depths[i]);
        const int rowBytes = (sizes[i] * depths[i] + 31) / 32 * 4;
        const qint64 length = 40 + 4 * (1 << depths[i]) + rowBytes * sizes[i] + (sizes[i] + 31) / 32 * 4 * sizes[i];
        QCOMPARE(u32(bytes, entry + 8), length);
        QCOMPARE(u32(bytes, entry + 12), expectedOffset);
        expectedOffset += length;
    }
    QCOMPARE(qint64(bytes.size()), expectedOffset);

    QImageReader reader(QStringLiteral(KESTAVINE_ASSETS_DIR "/icon/kestavine.ico"));
    QCOMPARE(reader.imageCount(), 3);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(sizes[i], sizes[i]));
        const int n = sizes[i];
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(image.pixel(n / 2, n * 3 / 4), qRgb(255, 255, 255));
        const QRgb caption = image.pixel(n / 2, n / 6 + 1);
        QCOMPARE(caption, depths[i] == 1 ? qRgb(0, 0, 0) : qRgb(0, 255, 255));
    }
}

QTEST_MAIN(TestAssetFiles)
#include "tst_assetfiles.moc"
