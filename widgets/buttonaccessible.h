#pragma once

#include <QAccessibleWidget>

#include <functional>

class QAbstractButton;

// A push button or option as a screen reader reads it, with two changes to
// Qt's own. Its name may follow the game, worked out whenever a reader asks
// (what stands on a lot): a focused button's new name is then not spoken
// over the notice that has just said it, as Orca 48 speaks a focused
// control's every change. And an option in a group box is not labelled by
// the box, so a reader names the group once as the player enters it, not
// again at each option.
class ButtonAccessible : public QAccessibleWidget {
public:
    using Text = std::function<QString()>;

    // Gives the button this interface; an empty name leaves the button's own.
    static void install(QAbstractButton &button, Text name = {});

    // Tells readers that the name has changed, so that they ask again without
    // speaking it: a notice has said it.
    static void nameChanged(QAbstractButton &button);

    ButtonAccessible(QAbstractButton *button, Text name);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(
        QAccessible::Relation match = QAccessible::AllRelations) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QAbstractButton *button() const;

    Text m_name;
};
