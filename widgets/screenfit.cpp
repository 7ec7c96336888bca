#include "screenfit.h"

#include <algorithm>
#include <cmath>

namespace ScreenFit {

qreal scale(QSizeF available, QSizeF needed)
{
    if (available.isEmpty() || needed.isEmpty())
        return 1.0;
    const qreal fit = std::min(available.width() / needed.width(), available.height() / needed.height());
    // Never below a hundredth: a window shrunk to nothing helps no one.
    return std::clamp(std::floor(fit * 100.0) / 100.0, 0.01, 1.0);
}

} // namespace ScreenFit
