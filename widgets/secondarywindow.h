#pragma once

#include <QSize>
#include <QString>

class QWidget;

// What the game's small windows share: each is a fixed tool window, made
// when first wanted, centred on the screen, and gone once closed; opening it
// again while it is open brings it to the front.
namespace SecondaryWindow {

// Frames, names, titles and centres the window. Call it first thing in the
// window's constructor (see WindowFrame).
void setUp(QWidget &window, const QString &name, const QString &title, QSize clientSize);

// Shows the window in front, with the keyboard focus.
void present(QWidget &window);

} // namespace SecondaryWindow
