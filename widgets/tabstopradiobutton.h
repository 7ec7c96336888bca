#pragma once

#include <QRadioButton>

// A radio button of an exclusive group that Tab still visits on its own.
// Qt leaves only the focused button of such a group in the Tab chain (arrow
// keys move within it); the game's Tab order visits every option, and the
// buttons stay exclusive, so assistive technology reads them as radio buttons.
class TabStopRadioButton : public QRadioButton {
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    void focusInEvent(QFocusEvent *event) override;
};
