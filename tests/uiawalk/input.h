#pragma once

#include <windows.h>

#include <string>

// Presses as the player would, through Windows' own input queue: Qt reads
// the buttons' state from there, so a posted message alone would not click.
namespace Input {

// A left click at a point on the screen.
void click(POINT point);

// Presses and releases a key: a letter or digit, or "space", "enter", "tab",
// "escape", "home", "end", "up", "down", "left", "right", "f1".
// False for a key it does not know.
bool key(const std::wstring &name);

} // namespace Input
