#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

// A one-pixel line that only the eye needs: to a Windows screen reader, a
// separator it passes over rather than an unnamed group.
class LineShape : public QWidget {
    Q_OBJECT

public:
    explicit LineShape(QWidget *parent);
};

// A one-pixel line drawn as a control of its own, so that it lies above the
// labels it crosses, in the colour of the parent's text.
QWidget *addLineShape(QWidget *parent, const QString &name, QRect geometry);
