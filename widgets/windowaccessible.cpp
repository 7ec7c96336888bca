#include "windowaccessible.h"

#include <QWidget>

namespace {

QAccessibleInterface *windowFactory(const QString &className, QObject *object)
{
    // Only the game's own windows, made straight from QWidget, asked for by
    // their own class before any factory of Qt's: Qt's windows, message
    // boxes among them, keep the interfaces Qt gives them.
    if (!object || !object->isWidgetType())
        return nullptr;
    const QMetaObject *type = object->metaObject();
    if (className != QLatin1String(type->className()) || type->superClass() != &QWidget::staticMetaObject)
        return nullptr;
    auto *window = static_cast<QWidget *>(object);
    return window->isWindow() ? new WindowAccessible(window) : nullptr;
}

} // namespace

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

void WindowAccessible::install()
{
    QAccessible::installFactory(windowFactory);
}

void WindowAccessible::renewIdentities(QWidget &window)
{
#ifndef Q_OS_LINUX
    // UI Automation asks for each element anew; only AT-SPI's cache needs this.
    Q_UNUSED(window);
    return;
#endif
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
