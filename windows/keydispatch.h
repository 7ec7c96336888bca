#pragma once

#include "keyboardgroup.h"
#include "keymap.h"

#include <QList>
#include <QObject>

#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

class QKeyEvent;
class QWidget;

// Acts on a window's keys as the key map says: the arrows, Home, End and the
// digits cross the window's group of controls, and every other row does what
// the window gives for its action. A key that no row names, or whose action
// the window does not give, goes on to the focused control, then the window.
class KeyDispatch : public QObject {
    Q_OBJECT

public:
    using Handler = std::pair<KeyMap::Action, std::function<void()>>;

    // Takes the keys of groupPlace on each control of the group, before the
    // control sees them, and those of windowPlace that no control took. Lives
    // as the window's child.
    KeyDispatch(QWidget &window, KeyMap::Place groupPlace, const QList<QWidget *> &group, KeyMap::Place windowPlace,
                std::initializer_list<Handler> handlers);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool act(KeyMap::Place place, const QKeyEvent &event);

    QWidget &m_window;
    KeyMap::Place m_groupPlace;
    KeyMap::Place m_windowPlace;
    KeyboardGroup m_group;
    std::vector<Handler> m_handlers;
};
