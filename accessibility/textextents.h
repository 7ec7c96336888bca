#pragma once

#include <QRect>

class QAccessibleInterface;

// Where a run of a text box's characters stands, as a screen reader asks
// (AT-SPI's GetRangeExtents). Qt's bridge answers that request by asking the
// text for the place of every offset from the first to the last one
// requested (qtbase src/gui/accessible/linux/atspiadaptor.cpp,
// AtSpiAdaptor::getRangeExtents), however far apart: from INT_MIN to INT_MAX
// that is four billion questions, and the last step overflows, so the game
// would never answer again. The game answers that request itself, within
// the text; every other request still goes to Qt.
namespace TextExtents {

// The characters from start to end of a one-line text, as Qt counts them
// (end included, -1 for the end of the text), in screen coordinates;
// offsets outside the text count as its ends. Null when the run holds no
// character.
QRect rangeExtents(QAccessibleInterface &text, int start, int end);

// Answers the request before Qt's bridge does, once the bridge is there (on
// Linux, while a screen reader listens); calling it again is harmless.
void answerBeforeQt();

} // namespace TextExtents
