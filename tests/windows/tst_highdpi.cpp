#include "controlnames.h"
#include "mainwindow.h"
#include "pixelart.h"
#include "splashwindow.h"
#include "townview.h"
#include "windowtesting.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace WindowTesting;

namespace {

// Qt reads the scale factor when the application starts, before any test runs.
void scaleWindowsByTwo()
{
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
}
Q_CONSTRUCTOR_FUNCTION(scaleWindowsByTwo)

// Whether the opaque pixels of the picture, prepared at twice its size, appear
// unchanged at the offset; with onlyInside, only those of the diamond's
// interior, which no neighbouring lot overlaps.
bool showsUnsmoothed(const QImage &shown, const QImage &picture, QPoint offset, bool onlyInside)
{
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const int tileX = x / 2;
            const int half = y / 2 < 16 ? y / 2 : 31 - y / 2;
            if (onlyInside && (tileX <= 15 - half || tileX >= 16 + half))
                continue;
            const QRgb pixel = picture.pixel(x, y);
            if (qAlpha(pixel) == 255 && shown.pixel(offset + QPoint(x, y)) != pixel)
                return false;
        }
    }
    return true;
}

} // namespace

// On a screen scaled by two, the pictures are enlarged pixel by pixel.
class TestHighDpi : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void lotsAndKindButtonsStaySharp();
    void splashPictureStaysSharp();
};

void TestHighDpi::initTestCase()
{
    setUpGameApplication();
}

// The town view and a kind button show each tile pixel as a 2 x 2 block of
// exactly that colour.
void TestHighDpi::lotsAndKindButtonsStaySharp()
{
    MainWindow window;
    window.clock().stop();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatioF(), 2.0);
    window.town().setLotPicture(13, 9);

    const QImage tile = PixelArt::prepared(PixelArt::tile(9), 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage town = window.townView()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(town.devicePixelRatio(), 2.0);
    QVERIFY(showsUnsmoothed(town, tile, window.townView()->lotRect(13).topLeft() * 2, true));

    auto *button = child<QPushButton>(&window, ControlNames::kindButton(9));
    const QImage shown = button->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    bool found = false;
    for (int dy = 0; dy <= shown.height() - tile.height() && !found; ++dy) {
        for (int dx = 0; dx <= shown.width() - tile.width() && !found; ++dx)
            found = showsUnsmoothed(shown, tile, QPoint(dx, dy), false);
    }
    QVERIFY(found);
}

void TestHighDpi::splashPictureStaysSharp()
{
    auto *splash = new SplashWindow;
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    const QPixmap picture = child<QLabel>(splash, QStringLiteral("Image1"))->pixmap();
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.size(), QSize(1144, 702));
    const QImage source = PixelArt::splashPicture().convertToFormat(QImage::Format_RGB32);
    const QImage shown = picture.toImage().convertToFormat(QImage::Format_RGB32);
    for (const QPoint at : {QPoint(0, 0), QPoint(100, 57), QPoint(571, 350), QPoint(300, 200)})
        QCOMPARE(shown.pixel(at * 2 + QPoint(1, 1)), source.pixel(at));
    delete splash;
}

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
