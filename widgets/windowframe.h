#pragma once

#include <QSize>

class QWidget;

// Frame styles of the game's windows. Each fixes the client size, keeps only
// the close box and leaves the window without an owner; assistive technology
// reads a framed window as a frame or a dialog, as it looks. A window calls
// one first thing: Qt 6.8 asks for a window's accessible interface as soon as
// its title is set, and keeps the first it gets.
namespace WindowFrame {

// The main window: a dialog frame with a caption bar and a close box.
void makeFixedDialog(QWidget &window, QSize clientSize);

// The small secondary windows: a narrow tool-window caption with a close box.
void makeFixedToolWindow(QWidget &window, QSize clientSize);

// The splash: no frame and no caption.
void makeBorderless(QWidget &window, QSize clientSize);

// Whether one of these framed the window: the game's own, as against Qt's
// windows, its menus and message boxes.
bool isGameWindow(const QWidget &window);

} // namespace WindowFrame
