#include "buttonaccessible.h"

#include <QAbstractButton>
#include <QVariant>

namespace {

// Where a button keeps its name, for the interface that Qt may make again at any time.
constexpr char kName[] = "accessibleNameFunction";

} // namespace

ButtonAccessible::ButtonAccessible(QAbstractButton *button, Name name)
    : QAccessibleWidget(button, QAccessible::Button)
    , m_name(std::move(name))
{
}

void ButtonAccessible::setName(QAbstractButton &button, Name name)
{
    button.setProperty(kName, QVariant::fromValue(std::move(name)));
    // Qt may have made the button its own interface already, while building it.
    if (QAccessible::isActive()) {
        if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(&button))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

ButtonAccessible::Name ButtonAccessible::nameOf(const QAbstractButton &button)
{
    const QVariant name = button.property(kName);
    return name.isValid() ? name.value<Name>() : Name();
}

void ButtonAccessible::nameChanged(QAbstractButton &button)
{
    // Told that the focus is where it was, a reader takes up the control
    // afresh and says nothing, as nothing has moved; told of a new name, it
    // would speak it (Orca 48).
    QAccessibleEvent event(&button, button.hasFocus() ? QAccessible::Focus : QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QAbstractButton *ButtonAccessible::button() const
{
    return static_cast<QAbstractButton *>(widget());
}

QString ButtonAccessible::text(QAccessible::Text kind) const
{
    return kind == QAccessible::Name ? m_name() : QAccessibleWidget::text(kind);
}

QAccessible::State ButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->isDown();
    return state;
}

QStringList ButtonAccessible::actionNames() const
{
    // Press first, as Qt's own buttons list it: switch access, voice control
    // and some reader commands take a control's first action.
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void ButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        button()->click();
    else
        QAccessibleWidget::doAction(actionName);
}
