#pragma once

class QApplication;

// What the game does differently in a web page, built with Qt for WebAssembly:
// there the page is the screen, Qt draws the windows' frames, and the program
// never returns from its event loop.
namespace WebPage {

// Before the application exists: when the page is smaller than the game's
// largest window, every window is scaled down to fit (a phone held sideways).
void fitWindowsToPage();

// Once the application exists: the game's icon on the title bars Qt draws,
// and a real end when the game ends, which the page hears of.
void prepare(QApplication &app);

} // namespace WebPage
