#include "controls.h"

#include <QLabel>
#include <QPushButton>

namespace Controls {

QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption, QRect geometry)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    return label;
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, QRect geometry,
                       EnterKey enter)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    // The game's windows are no QDialogs, so auto-default never makes a
    // default button here: it only lets Enter press the focused button.
    button->setAutoDefault(enter == EnterKey::PressesWhenFocused);
    return button;
}

} // namespace Controls
