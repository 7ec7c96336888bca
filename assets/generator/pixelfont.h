#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

// A 5 x 7 pixel font for the few letters the splash picture spells, drawn
// from bitmaps in code so that the picture never depends on installed fonts.
class PixelFont {
public:
    static constexpr int GlyphWidth = 5;
    static constexpr int GlyphHeight = 7;
    static constexpr int Advance = 6;

    // Each font pixel becomes a scale x scale block. Throws std::out_of_range
    // for a letter the font lacks.
    static void draw(QImage &image, QPoint topLeft, const QString &text, int scale, QRgb colour);
    static int width(const QString &text, int scale);
    static bool hasGlyph(QChar letter);
};
