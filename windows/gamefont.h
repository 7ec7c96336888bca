#pragma once

#include <QFont>
#include <QString>

// The program's name, which also titles the about message.
inline constexpr char kApplicationName[] = "kestavine";

// The one font of every window: a Japanese face at a fixed pixel size, so that
// neither the locale nor the screen's DPI changes which glyphs are drawn or
// whether a caption fits its control.
QFont gameFont();

// Makes gameFont() the application's font.
void installGameFont();
