#include "lineeditaccessible.h"

#include <QFontMetrics>
#include <QLineEdit>

LineEditAccessible::LineEditAccessible(QLineEdit *lineEdit)
    : QAccessibleWidget(lineEdit, QAccessible::EditableText)
{
}

QLineEdit *LineEditAccessible::lineEdit() const
{
    return static_cast<QLineEdit *>(widget());
}

QString LineEditAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return lineEdit()->text();
    return QAccessibleWidget::text(kind);
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.readOnly = lineEdit()->isReadOnly();
    state.selectableText = true;
    return state;
}

void *LineEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void LineEditAccessible::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !lineEdit()->hasSelectedText())
        return;
    *startOffset = lineEdit()->selectionStart();
    *endOffset = *startOffset + lineEdit()->selectionLength();
}

int LineEditAccessible::selectionCount() const
{
    return lineEdit()->hasSelectedText() ? 1 : 0;
}

void LineEditAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        lineEdit()->deselect();
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0 && holds(startOffset) && holds(endOffset))
        lineEdit()->setSelection(startOffset, endOffset - startOffset);
}

int LineEditAccessible::cursorPosition() const
{
    return lineEdit()->cursorPosition();
}

void LineEditAccessible::setCursorPosition(int position)
{
    lineEdit()->setCursorPosition(position);
}

bool LineEditAccessible::holds(int offset) const
{
    return offset >= 0 && offset <= characterCount();
}

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    if (!holds(startOffset) || !holds(endOffset) || startOffset > endOffset)
        return {};
    return lineEdit()->text().mid(startOffset, endOffset - startOffset);
}

QString LineEditAccessible::piece(int offset, QAccessible::TextBoundaryType boundaryType, TextPiece::Side side,
                                  int *startOffset, int *endOffset) const
{
    const TextPiece found = TextPiece::find(lineEdit()->text(), boundaryType, offset, side);
    *startOffset = found.start;
    *endOffset = found.end;
    return text(found.start, found.end);
}

QString LineEditAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                             int *startOffset, int *endOffset) const
{
    return piece(offset, boundaryType, TextPiece::Side::Before, startOffset, endOffset);
}

QString LineEditAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                                         int *endOffset) const
{
    return piece(offset, boundaryType, TextPiece::Side::At, startOffset, endOffset);
}

QString LineEditAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int *startOffset, int *endOffset) const
{
    return piece(offset, boundaryType, TextPiece::Side::After, startOffset, endOffset);
}

int LineEditAccessible::characterCount() const
{
    return static_cast<int>(lineEdit()->text().size());
}

QRect LineEditAccessible::characterRect(int offset) const
{
    const QString text = lineEdit()->text();
    if (offset < 0 || offset >= text.size())
        return {};
    // Only the cursor's rectangle is public, and Qt draws it from five pixels
    // left of the caret; a character stands its advance away from the caret.
    constexpr int kCursorLeftOfCaret = 5;
    const QRect cursor = lineEdit()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QFontMetrics metrics(lineEdit()->font());
    const int fromStartToCaret = metrics.horizontalAdvance(text.left(lineEdit()->cursorPosition()));
    const auto x = [&](int at) {
        return cursor.x() + kCursorLeftOfCaret + metrics.horizontalAdvance(text.left(at)) - fromStartToCaret;
    };
    return {lineEdit()->mapToGlobal(QPoint(x(offset), cursor.y())), QSize(x(offset + 1) - x(offset), cursor.height())};
}

int LineEditAccessible::offsetAtPoint(const QPoint &point) const
{
    if (!QRect(lineEdit()->mapToGlobal(QPoint()), lineEdit()->size()).contains(point))
        return -1;
    // Qt gives the caret position nearest to the point, which for the right
    // half of a character is the next one; the character holding the point
    // is on one side of it.
    const int caret = lineEdit()->cursorPositionAt(lineEdit()->mapFromGlobal(point));
    for (int offset : {caret - 1, caret}) {
        const QRect place = characterRect(offset);
        if (place.isValid() && point.x() >= place.left() && point.x() <= place.right())
            return offset;
    }
    return -1;
}

void LineEditAccessible::scrollToSubstring(int startIndex, int endIndex)
{
    lineEdit()->setCursorPosition(endIndex);
    lineEdit()->setCursorPosition(startIndex);
}

QString LineEditAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

void LineEditAccessible::deleteText(int startOffset, int endOffset)
{
    replaceText(startOffset, endOffset, QString());
}

void LineEditAccessible::insertText(int offset, const QString &text)
{
    replaceText(offset, offset, text);
}

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (lineEdit()->isReadOnly() || !holds(startOffset) || !holds(endOffset) || startOffset > endOffset)
        return;
    lineEdit()->setText(lineEdit()->text().replace(startOffset, endOffset - startOffset, text));
}
