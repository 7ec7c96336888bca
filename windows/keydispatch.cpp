#include "keydispatch.h"

#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

KeyDispatch::KeyDispatch(QWidget &window, KeyMap::Place groupPlace, const QList<QWidget *> &group,
                         KeyMap::Place windowPlace, std::initializer_list<Handler> handlers)
    : QObject(&window)
    , m_window(window)
    , m_groupPlace(groupPlace)
    , m_windowPlace(windowPlace)
    , m_group(group)
    , m_handlers(handlers)
{
    // A control's filter sees the key before the control; the window's sees
    // it only once the focused control has let it pass.
    for (QWidget *control : group)
        control->installEventFilter(this);
    window.installEventFilter(this);
}

bool KeyDispatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    return act(watched == &m_window ? m_windowPlace : m_groupPlace, *static_cast<QKeyEvent *>(event));
}

bool KeyDispatch::act(KeyMap::Place place, const QKeyEvent &event)
{
    using KeyMap::Action;
    const KeyMap::Binding *binding = KeyMap::find(place, event);
    if (!binding)
        return false;
    switch (binding->action) {
    case Action::Arrow:
        m_group.focusNeighbour(m_window.focusWidget(), event.key());
        return true;
    case Action::FirstOrLast:
        m_group.focusFirstOrLast(event.key());
        return true;
    case Action::Number:
        m_group.focusTyped(event.key() - Qt::Key_0);
        return true;
    default:
        break;
    }
    const auto handler = std::find_if(m_handlers.begin(), m_handlers.end(),
                                   [binding](const Handler &each) { return each.first == binding->action; });
    if (handler == m_handlers.end())
        return false;
    handler->second();
    return true;
}
