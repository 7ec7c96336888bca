#pragma once

#include <QSize>

class QWidget;

// Frame styles of the game's windows. Each fixes the client size, keeps only
// the close box and leaves the window without an owner; assistive technology
// reads a framed window as a frame or a dialog, as it looks.
namespace WindowFrame {

// The main window: a dialog frame with a caption bar and a close box.
void makeFixedDialog(QWidget &window, QSize clientSize);

// The small secondary windows: a narrow tool-window caption with a close box.
void makeFixedToolWindow(QWidget &window, QSize clientSize);

// The splash: no frame and no caption.
void makeBorderless(QWidget &window, QSize clientSize);

} // namespace WindowFrame
