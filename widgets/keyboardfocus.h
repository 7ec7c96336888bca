#pragma once

class QWidget;

// The focus ring for the player at the keyboard. A style draws it only in a
// window marked as one the keyboard moves in, which Qt marks only for Tab and
// the arrows, and clears as a window becomes active; the game's own keys move
// the focus and open windows too.
namespace KeyboardFocus {

// From now on, wherever the focus goes after the player's last input was a
// key (a window opened or come back, a control reached), it shows its ring.
// Installing twice is harmless.
void install();

// Moves the focus to the control as a key does, with its ring.
void move(QWidget &control);

} // namespace KeyboardFocus
