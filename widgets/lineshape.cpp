#include "lineshape.h"

#include <QPalette>

LineShape::LineShape(QWidget *parent)
    : QWidget(parent)
{
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
