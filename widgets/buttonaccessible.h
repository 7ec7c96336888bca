#pragma once

#include <QAccessibleWidget>

#include <functional>

class QAbstractButton;

// A push button or option whose name or description the game works out each
// time a screen reader asks: what stands on a lot, whether time runs. A text
// given to Qt is announced at every change, and a reader that speaks the
// focused control's changes (Orca 48) would say again what a notice has just
// said; this button changes silently and is never out of date.
class ButtonAccessible : public QAccessibleWidget {
public:
    using Text = std::function<QString()>;

    // Gives the button this interface: its name and its description come from
    // these when asked; an empty one leaves the button's own.
    static void follow(QAbstractButton &button, Text name, Text description = {});

    ButtonAccessible(QAbstractButton *button, Text name, Text description);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QAbstractButton *button() const;

    Text m_name;
    Text m_description;
};
