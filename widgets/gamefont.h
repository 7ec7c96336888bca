#pragma once

#include <QFont>
#include <QString>

// The program's name, which also titles the about message.
inline constexpr char kApplicationName[] = "kestavine";

// The family of the game's own font, embedded in the program: Noto Sans CJK
// JP cut down to the game's characters, with no language-specific forms, so
// that a Chinese or Korean locale draws the same Japanese glyphs. Registers
// it on first use; needs a QGuiApplication.
QString gameFontFamily();

// The one font of every window, at a fixed pixel size, so that neither the
// locale nor the screen's DPI changes which glyphs are drawn or whether a
// caption fits its control.
QFont gameFont();

// Makes gameFont() the application's font.
void installGameFont();
