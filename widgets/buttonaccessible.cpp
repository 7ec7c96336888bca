#include "buttonaccessible.h"

#include <QAbstractButton>
#include <QRadioButton>

namespace {

// Where a button keeps the texts it follows, so that its interface can be
// made again at any time.
class FollowedTexts : public QObject {
    Q_OBJECT

public:
    FollowedTexts(QObject *button, ButtonAccessible::Text name, ButtonAccessible::Text description)
        : QObject(button)
        , name(std::move(name))
        , description(std::move(description))
    {
    }

    const ButtonAccessible::Text name;
    const ButtonAccessible::Text description;
};

QAccessibleInterface *buttonFactory(const QString &className, QObject *object)
{
    auto *button = qobject_cast<QAbstractButton *>(object);
    if (!button || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    const auto *texts = button->findChild<FollowedTexts *>(QString(), Qt::FindDirectChildrenOnly);
    return texts ? new ButtonAccessible(button, texts->name, texts->description) : nullptr;
}

} // namespace

ButtonAccessible::ButtonAccessible(QAbstractButton *button, Text name, Text description)
    : QAccessibleWidget(button, qobject_cast<QRadioButton *>(button) ? QAccessible::RadioButton : QAccessible::Button)
    , m_name(std::move(name))
    , m_description(std::move(description))
{
}

void ButtonAccessible::follow(QAbstractButton &button, Text name, Text description)
{
    QAccessible::installFactory(buttonFactory);
    new FollowedTexts(&button, std::move(name), std::move(description));
    // Qt may have made the button its own interface already, while building it.
    if (QAccessible::isActive()) {
        if (QAccessibleInterface *made = QAccessible::queryAccessibleInterface(&button))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    }
}

QAbstractButton *ButtonAccessible::button() const
{
    return static_cast<QAbstractButton *>(widget());
}

QString ButtonAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name)
        return m_name ? m_name() : button()->text();
    if (kind == QAccessible::Description && m_description)
        return m_description();
    return QAccessibleWidget::text(kind);
}

QAccessible::State ButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->isDown();
    state.checkable = button()->isCheckable();
    state.checked = button()->isChecked();
    return state;
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
