#include "lineshape.h"

#include "accessiblefactory.h"

#include <QPalette>

LineShape::LineShape(QWidget *parent)
    : QWidget(parent)
{
#ifdef Q_OS_WIN
    // Orca passes over a plain widget; UI Automation gives it as a group.
    installAccessibleRole<LineShape, QAccessible::Separator>();
#endif
}

QWidget *addLineShape(QWidget *parent, const QString &name, QRect geometry)
{
    auto *line = new LineShape(parent);
    line->setObjectName(name);
    line->setGeometry(geometry);
    QPalette colours = line->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Active, QPalette::WindowText));
    line->setPalette(colours);
    line->setAutoFillBackground(true);
    line->setAttribute(Qt::WA_TransparentForMouseEvents);
    line->setFocusPolicy(Qt::NoFocus);
    return line;
}
