#pragma once

#include <QPushButton>

// A push button that Enter presses while it has the focus, as Space does.
// Qt's auto-default buttons would do the same, but they report themselves as
// the default button while focused; the game has no default button, and
// assistive technology should not announce one.
class EnterKeyButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
