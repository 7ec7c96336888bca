#pragma once

#include <QAccessibleWidget>

// Makes Qt give each widget of the class Widget the interface Interface, made
// from the widget, in place of the one Qt would infer from its base class.
// Install it before anything asks for such a widget's interface.
template<typename Widget, typename Interface>
void installAccessibleInterface()
{
    // One factory for each pair of classes; Qt installs a factory once.
    QAccessible::installFactory([](const QString &className, QObject *object) -> QAccessibleInterface * {
        if (className == QLatin1String(Widget::staticMetaObject.className()) && object && object->isWidgetType())
            return new Interface(static_cast<Widget *>(object));
        return nullptr;
    });
}

// A plain interface with a fixed role.
template<QAccessible::Role fixedRole>
class AccessibleWithRole : public QAccessibleWidget {
public:
    explicit AccessibleWithRole(QWidget *widget)
        : QAccessibleWidget(widget, fixedRole)
    {
    }
};

// Gives each widget of the class Widget a plain interface with the given
// role, where the role Qt would infer from its base class is wrong for what
// the widget does.
template<typename Widget, QAccessible::Role role>
void installAccessibleRole()
{
    installAccessibleInterface<Widget, AccessibleWithRole<role>>();
}
