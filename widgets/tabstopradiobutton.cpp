#include "tabstopradiobutton.h"

void TabStopRadioButton::focusInEvent(QFocusEvent *event)
{
    QRadioButton::focusInEvent(event);
    // Qt has just taken Tab focus from the other buttons of the group; give it back.
    if (!parentWidget())
        return;
    for (QRadioButton *option : parentWidget()->findChildren<QRadioButton *>(Qt::FindDirectChildrenOnly)) {
        if (option->autoExclusive())
            option->setFocusPolicy(Qt::StrongFocus);
    }
}
