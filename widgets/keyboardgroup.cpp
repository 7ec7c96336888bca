#include "keyboardgroup.h"

#include "arrownavigation.h"
#include "keyboardfocus.h"

#include <QWidget>

KeyboardGroup::KeyboardGroup(QList<QWidget *> controls)
    : m_controls(std::move(controls))
{
}

void KeyboardGroup::focusNeighbour(const QWidget *from, int arrow)
{
    if (QWidget *next = ArrowNavigation::neighbour(m_controls, from, arrow))
        KeyboardFocus::move(*next);
}

void KeyboardGroup::focusFirstOrLast(int homeOrEnd)
{
    if (!m_controls.isEmpty())
        KeyboardFocus::move(*(homeOrEnd == Qt::Key_Home ? m_controls.first() : m_controls.last()));
}

void KeyboardGroup::focusTyped(int digit)
{
    if (const int number = m_typed.type(digit, static_cast<int>(m_controls.size())))
        KeyboardFocus::move(*m_controls.at(number - 1));
}
