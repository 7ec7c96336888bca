#pragma once

// Gives Qt's own words (a text box's context menu and its shortcuts, the OK
// of a message, the actions a screen reader lists) in Japanese, like the
// rest of the game, whatever the locale: from Qt's Japanese translation,
// qtbase_ja.qm, which is Qt's, under Qt's licence, and read where Qt is (on
// Debian, qt6-translations-l10n; beside the program in the Windows zip).
// The characters of its words are in the game's font (cmake/QtWords.cmake).
// Once per process; needs a QCoreApplication.
void installQtWords();
