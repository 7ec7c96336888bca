#pragma once

#include "textpiece.h"

#include <QAccessibleWidget>

class QLineEdit;

// A single-line text box as assistive technology reads it. Qt 6.4 reports
// the text of a line edit in attribute runs of no length, and Orca, which
// reads a line run by run, then drops its last character: a typed "10" is
// heard as "1". Here the whole text is one run, without attributes. Every
// request is answered, whatever its offsets: Qt 6.4's own answer to the word
// at the end of the text never returns.
class LineEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit LineEditAccessible(QLineEdit *lineEdit);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                             int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                         int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
                            int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

private:
    QLineEdit *lineEdit() const;
    bool holds(int offset) const;
    QString piece(int offset, QAccessible::TextBoundaryType boundaryType, TextPiece::Side side, int *startOffset,
                  int *endOffset) const;
};
