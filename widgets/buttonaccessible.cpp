#include "buttonaccessible.h"

#include <QAbstractButton>
#include <QRadioButton>

namespace {

// What a button keeps for its interface, which Qt may make again at any time.
class ButtonSpeech : public QObject {
    Q_OBJECT

public:
    ButtonSpeech(QAbstractButton *button, ButtonAccessible::Text name)
        : QObject(button)
        , name(std::move(name))
    {
    }

    static const ButtonSpeech *of(const QObject *button)
    {
        return button->findChild<const ButtonSpeech *>(QString(), Qt::FindDirectChildrenOnly);
    }

    const ButtonAccessible::Text name;
};

QAccessibleInterface *buttonFactory(const QString &className, QObject *object)
{
    auto *button = qobject_cast<QAbstractButton *>(object);
    if (!button || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    const ButtonSpeech *speech = ButtonSpeech::of(button);
    return speech ? new ButtonAccessible(button, speech->name) : nullptr;
}

} // namespace

ButtonAccessible::ButtonAccessible(QAbstractButton *button, Text name)
    : QAccessibleWidget(button, qobject_cast<QRadioButton *>(button) ? QAccessible::RadioButton : QAccessible::Button)
    , m_name(std::move(name))
{
}

void ButtonAccessible::install(QAbstractButton &button, Text name)
{
    QAccessible::installFactory(buttonFactory);
    new ButtonSpeech(&button, std::move(name));
    // Qt may have made the button its own interface already, while building it.
    if (QAccessible::isActive()) {
        if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(&button))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
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
    if (kind != QAccessible::Name)
        return QAccessibleWidget::text(kind);
    if (m_name)
        return m_name();
    return widget()->accessibleName().isEmpty() ? button()->text() : widget()->accessibleName();
}

QAccessible::State ButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->isDown();
    state.checkable = button()->isCheckable();
    state.checked = button()->isChecked();
    return state;
}

QList<QPair<QAccessibleInterface *, QAccessible::Relation>> ButtonAccessible::relations(
    QAccessible::Relation match) const
{
    // Qt's only label of a button is the group box around it.
    return QAccessibleWidget::relations(QAccessible::Relation(match & ~QAccessible::Label));
}

QStringList ButtonAccessible::actionNames() const
{
    return QAccessibleWidget::actionNames() << pressAction();
}

void ButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        button()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

#include "buttonaccessible.moc"
