#include "buttonaccessible.h"

#include <QAbstractButton>
#include <QEvent>
#include <QRadioButton>
#include <QTimer>

namespace {

// What a button keeps for its interface, which Qt may make again at any
// time, and a name change to tell once the focus has left the button.
class ButtonSpeech : public QObject {
    Q_OBJECT

public:
    ButtonSpeech(QAbstractButton *button, ButtonAccessible::Text name)
        : QObject(button)
        , name(std::move(name))
    {
        button->installEventFilter(this);
    }

    static ButtonSpeech *of(const QObject *button)
    {
        return button->findChild<ButtonSpeech *>(QString(), Qt::FindDirectChildrenOnly);
    }

    static void tellNameChanged(QObject *button)
    {
        QAccessibleEvent event(button, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }

    const ButtonAccessible::Text name;
    bool nameChangePending = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut && nameChangePending) {
            nameChangePending = false;
            // After the focus has reached the next control, so that a reader
            // takes the change for one of a control it has left.
            QTimer::singleShot(0, watched, [watched] { tellNameChanged(watched); });
        }
        return false;
    }
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
    if (!button.hasFocus())
        ButtonSpeech::tellNameChanged(&button);
    else if (ButtonSpeech *speech = ButtonSpeech::of(&button))
        speech->nameChangePending = true;
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
