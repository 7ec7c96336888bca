#pragma once

#include <QImage>
#include <QPixmap>

// Every picture of the game is pixel art. Qt scales windows by itself on a
// high-DPI screen and would smooth the pictures into a blur, so each one is
// prepared here for the screen's device pixel ratio by repeating pixels.
namespace PixelArt {

// The image enlarged by nearest neighbour to the given ratio and marked with
// that ratio, so that it paints at its original logical size, one image pixel
// to ratio screen pixels.
QPixmap prepared(const QImage &image, qreal devicePixelRatio);

// The 32 x 32 tile of building kind 1..30, or of bare land for kind 0.
QImage tile(int kind);

// The splash picture.
QImage splashPicture();

} // namespace PixelArt
