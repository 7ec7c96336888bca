#include "pixelfont.h"

#include <array>
#include <stdexcept>

namespace {

struct Glyph {
    char letter;
    std::array<const char *, PixelFont::GlyphHeight> rows;
};

constexpr std::array<Glyph, 17> kGlyphs = {{
    {'a', {".....", ".....", ".XXX.", "....X", ".XXXX", "X...X", ".XXXX"}},
    {'e', {".....", ".....", ".XXX.", "X...X", "XXXXX", "X....", ".XXX."}},
    {'i', {"..X..", ".....", ".XX..", "..X..", "..X..", "..X..", ".XXX."}},
    {'k', {"X....", "X....", "X..X.", "X.X..", "XX...", "X.X..", "X..X."}},
    {'n', {".....", ".....", "X.XX.", "XX..X", "X...X", "X...X", "X...X"}},
    {'s', {".....", ".....", ".XXXX", "X....", ".XXX.", "....X", "XXXX."}},
    {'t', {".X...", ".X...", "XXXX.", ".X...", ".X...", ".X..X", "..XX."}},
    {'v', {".....", ".....", "X...X", "X...X", "X...X", ".X.X.", "..X.."}},
    {'A', {".XXX.", "X...X", "X...X", "XXXXX", "X...X", "X...X", "X...X"}},
    {'D', {"XXXX.", "X...X", "X...X", "X...X", "X...X", "X...X", "XXXX."}},
    {'E', {"XXXXX", "X....", "X....", "XXXX.", "X....", "X....", "XXXXX"}},
    {'K', {"X...X", "X..X.", "X.X..", "XX...", "X.X..", "X..X.", "X...X"}},
    {'L', {"X....", "X....", "X....", "X....", "X....", "X....", "XXXXX"}},
    {'O', {".XXX.", "X...X", "X...X", "X...X", "X...X", "X...X", ".XXX."}},
    {'R', {"XXXX.", "X...X", "X...X", "XXXX.", "X.X..", "X..X.", "X...X"}},
    {'S', {".XXXX", "X....", "X....", ".XXX.", "....X", "....X", "XXXX."}},
    {'V', {"X...X", "X...X", "X...X", "X...X", "X...X", ".X.X.", "..X.."}},
}};

const Glyph *find(QChar letter)
{
    for (const Glyph &glyph : kGlyphs) {
        if (QLatin1Char(glyph.letter) == letter)
            return &glyph;
    }
    return nullptr;
}

} // namespace

bool PixelFont::hasGlyph(QChar letter)
{
    return find(letter) != nullptr;
}

int PixelFont::width(const QString &text, int scale)
{
    return text.isEmpty() ? 0 : (int(text.size()) * Advance - 1) * scale;
}

void PixelFont::draw(QImage &image, QPoint topLeft, const QString &text, int scale, QRgb colour)
{
    for (int i = 0; i < text.size(); ++i) {
        const Glyph *glyph = find(text[i]);
        if (!glyph)
            throw std::out_of_range("the pixel font has no such letter");
        for (int row = 0; row < GlyphHeight; ++row) {
            for (int column = 0; column < GlyphWidth; ++column) {
                if (glyph->rows[row][column] != 'X')
                    continue;
                for (int dy = 0; dy < scale; ++dy) {
                    for (int dx = 0; dx < scale; ++dx) {
                        const int x = topLeft.x() + (i * Advance + column) * scale + dx;
                        const int y = topLeft.y() + row * scale + dy;
                        if (image.rect().contains(x, y))
                            image.setPixel(x, y, colour);
                    }
                }
            }
        }
    }
}
