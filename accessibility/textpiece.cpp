#include "textpiece.h"

#include <QList>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

// Where the pieces of the text begin and end, from 0 to its length; a line
// or a paragraph is the whole of a one-line text.
QList<int> boundaries(const QString &text, QAccessible::TextBoundaryType boundary)
{
    const int length = static_cast<int>(text.size());
    QTextBoundaryFinder::BoundaryType type = QTextBoundaryFinder::Grapheme;
    switch (boundary) {
    case QAccessible::CharBoundary:
        break;
    case QAccessible::WordBoundary:
        type = QTextBoundaryFinder::Word;
        break;
    case QAccessible::SentenceBoundary:
        type = QTextBoundaryFinder::Sentence;
        break;
    default:
        return {0, length};
    }
    QList<int> found{0};
    // Walked forward only: the finder of Qt 6.4 never stops when asked past the end.
    QTextBoundaryFinder finder(type, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at <= length; at = finder.toNextBoundary())
        found << static_cast<int>(at);
    if (found.last() != length)
        found << length;
    return found;
}

} // namespace

TextPiece TextPiece::find(const QString &text, QAccessible::TextBoundaryType boundary, int offset, Side side)
{
    const int length = static_cast<int>(text.size());
    if (offset == -1)
        offset = length;
    if (offset < 0 || offset > length)
        return {};
    const QList<int> ends = boundaries(text, boundary);
    // The piece holding the offset; at the end of the text that is the last
    // one, or for a character the empty place after it.
    int piece = static_cast<int>(std::upper_bound(ends.begin(), ends.end(), offset) - ends.begin()) - 1;
    if (offset == length && (boundary != QAccessible::CharBoundary || length == 0))
        piece = std::max(0, static_cast<int>(ends.size()) - 2);
    piece += side == Side::Before ? -1 : side == Side::After ? 1 : 0;
    if (piece < 0)
        return {0, 0};
    if (piece + 1 >= ends.size())
        return {length, length};
    return {ends.at(piece), ends.at(piece + 1)};
}
