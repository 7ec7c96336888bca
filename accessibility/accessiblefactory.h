#pragma once

// What ties the game's widgets to the interfaces a screen reader meets: the
// town's lots, the text boxes, the notice, the status bar, the option groups,
// the game's own windows and the buttons named by a function. The widgets
// know nothing of them.
namespace AccessibleFactory {

// Installs the factory. Call it once the application exists, since Qt
// installs the factory of its own widgets with it and asks the newest first,
// and before any window is made, since Qt keeps the first interface it makes
// for a widget. Installing twice is harmless.
void install();

} // namespace AccessibleFactory
