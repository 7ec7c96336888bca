#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>

// The splash picture: tall buildings seen steeply from above at night, the
// product name on a sign on the central tower and the maker's name in the
// corner. Drawn without smoothing in a few hundred flat colours so that it
// fits a 256-colour palette exactly.
class SplashPicture {
public:
    static constexpr int Width = 572;
    static constexpr int Height = 351;

    static QImage draw();

private:
    struct Tower {
        QRectF roof;
        double roofHeight; // 0 at the ground, 1 at the eye
        QRgb lit;          // the wall facing the lower edge of the picture
        QRgb shaded;       // the side walls
        QRgb roofColour;
        QRgb window;
        int floors;
        int bays;
        int seed;
    };

    static void drawCityBelow(QImage &image);
    static void drawTower(QImage &image, const Tower &tower);
    static void drawSign(QImage &image, const QRect &sign);
    static QPointF project(QPointF roofPoint, double roofHeight, double height);
};
