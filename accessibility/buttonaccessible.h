#pragma once

#include <QAccessibleWidget>

#include <functional>

class QAbstractButton;

// A push button whose name follows the game, worked out whenever a screen
// reader asks: what stands on a lot. A focused button's new name is then not
// spoken over the notice that has just said it, as Orca 48 speaks every
// change of the focused control's name.
class ButtonAccessible : public QAccessibleWidget {
public:
    using Name = std::function<QString()>;

    // Names the button by the function; the game's accessible factory then
    // gives it this interface.
    static void setName(QAbstractButton &button, Name name);
    // The function that names the button, or none.
    static Name nameOf(const QAbstractButton &button);

    // Tells readers that the name has changed, so that they ask again without
    // speaking it: a notice has said it.
    static void nameChanged(QAbstractButton &button);

    ButtonAccessible(QAbstractButton *button, Name name);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QAbstractButton *button() const;

    Name m_name;
};
