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

QMessageBox *addMessage(QWidget *parent, const QString &name, QMessageBox::Icon icon, const QString &title,
                        const QString &text)
{
    auto *box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent);
    box->setObjectName(name);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // Read with the title, once: Orca 48 reads an alert's name and
    // description but none of its text, Orca 43 its text and any description
    // as well, and both pass over text that the name holds.
    box->setAccessibleName(text.startsWith(title) ? text : title + QLatin1Char(' ') + text);
    return box;
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
