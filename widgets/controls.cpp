#include "controls.h"

#include "enterkeybutton.h"
#include "pixelartbutton.h"
#include "pixelarticonengine.h"

#include <QIcon>
#include <QLabel>

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

QLabel *addLabel(QWidget *parent, int number, const QString &caption, QRect geometry)
{
    return addLabel(parent, QStringLiteral("Label%1").arg(number), caption, geometry);
}

QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, QRect geometry)
{
    auto *button = new EnterKeyButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

QPushButton *addButton(QWidget *parent, int number, const QString &caption, QRect geometry)
{
    return addButton(parent, QStringLiteral("Command%1").arg(number), caption, geometry);
}

QPushButton *addPictureButton(QWidget *parent, const QString &name, const QImage &picture, QRect geometry)
{
    auto *button = new PixelArtButton(parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setIcon(QIcon(new PixelArtIconEngine(picture)));
    button->setIconSize(picture.size());
    return button;
}

} // namespace Controls
