#pragma once

// Gives Qt's own words (a text box's context menu and its shortcuts, the OK
// of a message, the actions a screen reader lists) in Japanese, like the
// rest of the game, whatever the locale: from the part of Qt's Japanese
// translation that the program embeds (cmake/QtWords.cmake). Once per
// process; needs a QCoreApplication.
void installQtWords();
