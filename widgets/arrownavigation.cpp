#include "arrownavigation.h"

#include <QWidget>

#include <cstdlib>
#include <limits>

namespace ArrowNavigation {

QWidget *neighbour(const QList<QWidget *> &group, const QWidget *from, int arrow)
{
    // The direction as a unit step on screen: y grows downwards.
    const int dx = arrow == Qt::Key_Left ? -1 : arrow == Qt::Key_Right ? 1 : 0;
    const int dy = arrow == Qt::Key_Up ? -1 : arrow == Qt::Key_Down ? 1 : 0;
    if (!from || (!dx && !dy))
        return nullptr;
    const QPoint origin = from->geometry().center();
    QWidget *nearest = nullptr;
    int best = std::numeric_limits<int>::max();
    for (QWidget *candidate : group) {
        if (candidate == from || !candidate->isVisibleTo(from->window()) || !candidate->isEnabled())
            continue;
        const QPoint offset = candidate->geometry().center() - origin;
        const int ahead = offset.x() * dx + offset.y() * dy;
        const int aside = std::abs(offset.x() * dy - offset.y() * dx);
        if (ahead <= 0 || aside > ahead)
            continue;
        // A step aside costs twice a step ahead, so a control straight ahead wins.
        const int cost = ahead + 2 * aside;
        if (cost < best) {
            best = cost;
            nearest = candidate;
        }
    }
    return nearest;
}

} // namespace ArrowNavigation
