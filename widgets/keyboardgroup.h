#pragma once

#include "typednumber.h"

#include <QList>

class QWidget;

// A group of controls that the keyboard crosses as the player sees them: an
// arrow to the one drawn next to the focused control that way, Home and End
// to the first and last, and a number typed to the control of that number,
// 1 the first.
class KeyboardGroup {
public:
    KeyboardGroup() = default;
    explicit KeyboardGroup(QList<QWidget *> controls);

    void focusNeighbour(const QWidget *from, int arrow);
    void focusFirstOrLast(int homeOrEnd);
    void focusTyped(int digit);

private:
    QList<QWidget *> m_controls;
    TypedNumber m_typed;
};
