#pragma once

#include <QSizeF>

// How far windows designed at a fixed size must shrink to fit a smaller
// screen, such as a phone's browser held sideways.
namespace ScreenFit {

// The factor, at most 1, that brings a window of the needed size inside the
// available area, rounded down to hundredths so that the window fits. 1 when
// either size is unknown (empty).
qreal scale(QSizeF available, QSizeF needed);

} // namespace ScreenFit
