#pragma once

#include <QRect>
#include <QString>

class QWidget;

// A one-pixel line drawn as a control of its own, so that it lies above the
// labels it crosses, in the colour of the parent's text.
QWidget *addLineShape(QWidget *parent, const QString &name, QRect geometry);
