#include "windowaccessible.h"

#include <QWidget>

WindowAccessible::WindowAccessible(QWidget *window)
    : QAccessibleWidget(window)
{
}

QAccessible::Role WindowAccessible::role() const
{
    // Asked each time: Qt may make the interface while the frame style is
    // still being set, as Qt 6.8 does.
    switch (widget()->windowType()) {
    case Qt::Tool:
        return QAccessible::Dialog;
    case Qt::Dialog:
        return QAccessible::Window;
    default:
        return QAccessibleWidget::role();
    }
}

void WindowAccessible::renewIdentities(QWidget &window)
{
#ifdef Q_OS_LINUX
    if (!QAccessible::isActive())
        return;
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    widgets.prepend(&window);
    // Qt makes an interface anew, under a new identity, the next time one is asked for.
    for (QWidget *widget : widgets) {
        if (QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(interface));
    }
#else
    // UI Automation asks for each element anew; only AT-SPI's cache needs this.
    Q_UNUSED(window);
#endif
}
