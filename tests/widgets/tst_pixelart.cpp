#include "catalogue.h"
#include "pixelart.h"
#include "controls.h"
#include "pixelarticonengine.h"

#include <QIcon>
#include <QPushButton>
#include <QTest>

// The tiles load with their transparency, and pictures enlarged for high-DPI
// screens keep whole, unsmoothed pixels.
class TestPixelArt : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void preparedPicturesRepeatPixels_data();
    void preparedPicturesRepeatPixels();
    void iconsAreEnlargedTheSameWay_data();
    void iconsAreEnlargedTheSameWay();
    void pictureButtonsDrawWholePixels_data();
    void pictureButtonsDrawWholePixels();
    void everyTileIsA32PixelSquare_data();
    void everyTileIsA32PixelSquare();

private:
    static QImage checkerboard();
};

// A 32 x 32 picture of single-pixel squares: any smoothing would mix them.
QImage TestPixelArt::checkerboard()
{
    QImage image(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 0, 0) : qRgba(0, 0, 255, 0));
    }
    return image;
}

void TestPixelArt::preparedPicturesRepeatPixels_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("deviceSize");
    QTest::newRow("1") << 1.0 << 32;
    QTest::newRow("1.25") << 1.25 << 40;
    QTest::newRow("1.5") << 1.5 << 48;
    QTest::newRow("2") << 2.0 << 64;
    QTest::newRow("3") << 3.0 << 96;
}

// Each screen pixel takes the colour of the one picture pixel beneath it, and
// the picture keeps its 32 x 32 logical size.
void TestPixelArt::preparedPicturesRepeatPixels()
{
    QFETCH(qreal, ratio);
    QFETCH(int, deviceSize);
    const QImage source = checkerboard().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QPixmap pixmap = PixelArt::prepared(source, ratio);
    QCOMPARE(pixmap.size(), QSize(deviceSize, deviceSize));
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
    QCOMPARE(pixmap.deviceIndependentSize(), QSizeF(32, 32));
    const QImage shown = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // Nearest neighbour: each screen pixel is exactly one picture pixel near
    // it (which one, at a fractional ratio, is Qt's choice); smoothing would
    // mix the checkerboard's two colours into new ones.
    const auto isNearbySourcePixel = [&source](QRgb pixel, int sx, int sy) {
        for (int y = qMax(0, sy - 1); y <= qMin(31, sy + 1); ++y) {
            for (int x = qMax(0, sx - 1); x <= qMin(31, sx + 1); ++x) {
                if (source.pixel(x, y) == pixel)
                    return true;
            }
        }
        return false;
    };
    for (int y = 0; y < deviceSize; ++y) {
        for (int x = 0; x < deviceSize; ++x) {
            const int sx = x * 32 / deviceSize;
            const int sy = y * 32 / deviceSize;
            const bool exact = deviceSize % 32 == 0;
            const QRgb pixel = shown.pixel(x, y);
            if (exact ? pixel != source.pixel(sx, sy) : !isNearbySourcePixel(pixel, sx, sy))
                QFAIL(qPrintable(QStringLiteral("smoothed at %1,%2").arg(x).arg(y)));
        }
    }
}

void TestPixelArt::iconsAreEnlargedTheSameWay_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1") << 1.0;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
}

// A kind button asks its icon for 32 x 32 at the screen's ratio and gets the
// prepared picture, not a smoothed one.
void TestPixelArt::iconsAreEnlargedTheSameWay()
{
    QFETCH(qreal, ratio);
    const QIcon icon(new PixelArtIconEngine(checkerboard()));
    const QPixmap fromIcon = icon.pixmap(QSize(32, 32), ratio);
    const QPixmap prepared = PixelArt::prepared(checkerboard(), ratio);
    QCOMPARE(fromIcon.size(), prepared.size());
    QCOMPARE(fromIcon.devicePixelRatio(), ratio);
    QCOMPARE(fromIcon.toImage().convertToFormat(QImage::Format_ARGB32),
             prepared.toImage().convertToFormat(QImage::Format_ARGB32));
}

void TestPixelArt::pictureButtonsDrawWholePixels_data()
{
    QTest::addColumn<qreal>("ratio");
    // A phone's page: 0.97 of the game's size at three screen pixels to one.
    QTest::newRow("2.91") << 2.91;
    QTest::newRow("1.5") << 1.5;
    QTest::newRow("2") << 2.0;
}

// At any scale the button shows its picture's own colours and no blend of
// them, which Qt's own button painter makes at a fractional scale.
void TestPixelArt::pictureButtonsDrawWholePixels()
{
    QFETCH(qreal, ratio);
    QImage picture = checkerboard();
    picture.fill(qRgb(0, 0, 255));
    for (int y = 0; y < 32; ++y) {
        for (int x = (y + 1) % 2; x < 32; x += 2)
            picture.setPixel(x, y, qRgb(255, 0, 0));
    }
    QWidget window;
    QPushButton *button = Controls::addPictureButton(&window, QStringLiteral("Command1"), picture, QRect(0, 0, 33, 33));
    QImage shown(QSize(33, 33) * ratio, QImage::Format_ARGB32);
    shown.setDevicePixelRatio(ratio);
    button->render(&shown);
    // The middle of the picture, well inside the button's frame.
    for (int y = qCeil(10 * ratio); y < 22 * ratio; ++y) {
        for (int x = qCeil(10 * ratio); x < 22 * ratio; ++x) {
            const QRgb pixel = shown.pixel(x, y);
            if (pixel != qRgb(255, 0, 0) && pixel != qRgb(0, 0, 255))
                QFAIL(qPrintable(QStringLiteral("blended at %1,%2").arg(x).arg(y)));
        }
    }
}

void TestPixelArt::everyTileIsA32PixelSquare_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("opaquePixels");
    // The diamond covers 544 pixels; some buildings rise above their plot.
    QTest::newRow("bare land") << 0 << 544;
    for (const BuildingKind &kind : kCatalogue)
        QTest::addRow("kind %d", kind.number) << kind.number << 544 + kind.picture.overhang;
}

// Bare land and every kind load as 32 x 32 tiles whose one-bit mask leaves
// the corners outside the diamond (and outside any building) transparent,
// whatever the icon's colour depth.
void TestPixelArt::everyTileIsA32PixelSquare()
{
    QFETCH(int, kind);
    QFETCH(int, opaquePixels);
    const QImage tile = PixelArt::tile(kind);
    QCOMPARE(tile.size(), QSize(32, 32));
    QVERIFY(tile.hasAlphaChannel());
    int opaque = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const int alpha = qAlpha(tile.pixel(x, y));
            QVERIFY(alpha == 0 || alpha == 255);
            opaque += alpha == 255 ? 1 : 0;
        }
    }
    QCOMPARE(opaque, opaquePixels);
    QCOMPARE(qAlpha(tile.pixel(0, 31)), 0);
    QCOMPARE(qAlpha(tile.pixel(31, 31)), 0);
}

QTEST_MAIN(TestPixelArt)
#include "tst_pixelart.moc"
