#pragma once

#include <QStringList>

#include <functional>

class QWidget;

// Every window and message box the game shows, for tests about all of them.
namespace EveryWindow {

// Opens, one after another, the main window, the three secondary windows,
// the about message, the stalled-town warning and each refusal of the
// settings dialog, and hands each to visit while it is on screen. The clock
// stays stopped, so no figure changes between two runs.
void visit(const std::function<void(QWidget &window)> &visit);

// Every text a window shows or gives to assistive technology: its title,
// captions, typed figures, tool tips and accessible names and descriptions.
QStringList textsOf(const QWidget &window);

} // namespace EveryWindow
