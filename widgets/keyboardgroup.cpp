#include "keyboardgroup.h"

#include "arrownavigation.h"

#include <QWidget>

KeyboardGroup::KeyboardGroup(QList<QWidget *> controls)
    : m_controls(std::move(controls))
{
}

void KeyboardGroup::focusNeighbour(const QWidget *from, int arrow)
{
    if (QWidget *next = ArrowNavigation::neighbour(m_controls, from, arrow))
        next->setFocus(Qt::TabFocusReason);
}

void KeyboardGroup::focusFirstOrLast(int homeOrEnd)
{
    if (!m_controls.isEmpty())
        (homeOrEnd == Qt::Key_Home ? m_controls.first() : m_controls.last())->setFocus(Qt::TabFocusReason);
}

void KeyboardGroup::focusTyped(int digit)
{
    if (const int number = m_typed.type(digit, static_cast<int>(m_controls.size())))
        m_controls.at(number - 1)->setFocus(Qt::TabFocusReason);
}
