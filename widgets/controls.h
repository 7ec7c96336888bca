#pragma once

#include <QMessageBox>
#include <QRect>
#include <QString>

class QImage;
class QLabel;
class QPushButton;
class QWidget;

// Makes the controls of the game's windows alike: each is named after its
// control ("Label12", "Command31"), placed where its twips put it, and a
// label shows its caption as plain text on its own background.
namespace Controls {

QLabel *addLabel(QWidget *parent, const QString &name, const QString &caption, QRect geometry);
// The label "Label<number>".
QLabel *addLabel(QWidget *parent, int number, const QString &caption, QRect geometry);

// A button that Space and Enter press while it has the focus, and never
// otherwise: no window of the game has a default button.
QPushButton *addButton(QWidget *parent, const QString &name, const QString &caption, QRect geometry);
// The button "Command<number>".
QPushButton *addButton(QWidget *parent, int number, const QString &caption, QRect geometry);
// Such a button showing a 32 x 32 pixel-art picture, sharp at any scale, and no caption.
QPushButton *addPictureButton(QWidget *parent, const QString &name, const QImage &picture, QRect geometry);

// A message with an OK button only, gone once dismissed, which a screen
// reader reads whole, title and text, as it opens.
QMessageBox *addMessage(QWidget *parent, const QString &name, QMessageBox::Icon icon, const QString &title,
                        const QString &text);

} // namespace Controls
