#pragma once

#include <QAccessibleWidget>

class QWidget;

// Top-level windows as assistive technology should know them. Qt reads a
// plain widget window as a mere "filler": a screen reader then neither reads a
// secondary window when it opens, as it reads a dialog, nor answers its
// command that reads the window's title. The game's fixed tool windows are
// dialogs to it, and its main window a frame. Only the game's own windows
// (WindowFrame's) have it: Qt's, its menus and message boxes among them, keep
// Qt's own.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget *window);

    QAccessible::Role role() const override;

    // Gives the window and everything in it new accessible identities. Qt
    // 6.4 tells a screen reader only that a widget begins "showing", never
    // that it is "visible", so a reader that met a widget while its window
    // was hidden (a label's text set, say) skips it for good. A window built
    // ahead and shown later calls this just before it is shown, and readers
    // meet its widgets afresh.
    static void renewIdentities(QWidget &window);
};
