#pragma once

#include <QAccessibleWidget>

// Makes Qt give each widget of the class Widget a plain interface with the
// given role, where the role Qt would infer from its base class is wrong for
// what the widget does. Install it before anything asks for such a widget.
template<typename Widget, QAccessible::Role role>
void installAccessibleRole()
{
    // One factory for each class and role; Qt installs a factory once.
    QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
        if (className == QLatin1String(Widget::staticMetaObject.className()) && object && object->isWidgetType())
            return new QAccessibleWidget(static_cast<QWidget *>(object), role);
        return nullptr;
    });
}
