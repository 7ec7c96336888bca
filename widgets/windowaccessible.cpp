#include "windowaccessible.h"

#include <QWidget>

namespace {

QAccessibleInterface *windowFactory(const QString &className, QObject *object)
{
    // Qt's own widgets, message boxes among them, keep the interfaces Qt gives
    // them: only a window whose nearest known class is QWidget comes here.
    if (className != QLatin1String("QWidget") || !object || !object->isWidgetType())
        return nullptr;
    auto *window = static_cast<QWidget *>(object);
    if (!window->isWindow())
        return nullptr;
    switch (window->windowType()) {
    case Qt::Tool:
        return new WindowAccessible(window, QAccessible::Dialog);
    case Qt::Dialog:
        return new WindowAccessible(window, QAccessible::Window);
    default:
        return nullptr;
    }
}

} // namespace

WindowAccessible::WindowAccessible(QWidget *window, QAccessible::Role role)
    : QAccessibleWidget(window, role)
{
}

void WindowAccessible::install()
{
    QAccessible::installFactory(windowFactory);
}

void WindowAccessible::renewIdentities(QWidget &window)
{
    if (!QAccessible::isActive())
        return;
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(&window);
    // Qt makes an interface anew, under a new identity, the next time one is asked for.
    for (QWidget *widget : widgets) {
        if (QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(interface));
    }
}
