#pragma once

#include <QList>

#include <Qt>

class QWidget;

// The arrow keys across a group of controls as the player sees them drawn: an
// arrow goes to the nearest control in its direction, straight along a row or
// a column first and, where nothing stands straight ahead, one step aside at
// most as far as it goes ahead (on the diamond of lots, up along its edge).
namespace ArrowNavigation {

// The control that the arrow key (Qt::Key_Left, Key_Up, Key_Right or
// Key_Down) leads to from `from`, or nullptr when nothing lies that way.
QWidget *neighbour(const QList<QWidget *> &group, const QWidget *from, int arrow);

} // namespace ArrowNavigation
