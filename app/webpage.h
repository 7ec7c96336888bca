#pragma once

class QApplication;

// What the game does differently in a web page, built with Qt for WebAssembly:
// there the page is the screen, Qt draws the windows' frames, and the program
// never returns from its event loop.
namespace WebPage {

// Before the application exists: Qt's screen-reader support is on from the
// start, as a screen reader's user cannot find Qt's switch for it by keys.
void prepareEnvironment();

// Once the application exists, before the first window: the game's icon on
// the title bars Qt draws; a real end when the game ends, which the page
// hears of; windows that fit the page whenever its size changes; and a town
// that stands still while its tab is hidden.
void prepare(QApplication &app);

} // namespace WebPage
