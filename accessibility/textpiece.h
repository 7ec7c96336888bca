#pragma once

#include <QAccessible>
#include <QString>

// The piece of a one-line text that a screen reader asks for: the character,
// word or sentence at, before or after an offset, or the whole line. Offset
// -1 stands for the end of the text, where the last word or sentence ends;
// no character stands there. For an offset outside the text, start and end
// are -1 and the piece is empty.
struct TextPiece {
    enum class Side { Before, At, After };

    int start = -1;
    int end = -1;

    static TextPiece find(const QString &text, QAccessible::TextBoundaryType boundary, int offset, Side side);
};
