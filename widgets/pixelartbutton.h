#pragma once

#include "enterkeybutton.h"

// A button showing a pixel-art picture. Qt's button painter smooths its icon,
// which blurs the picture on a screen scaled by a fraction (a phone's page,
// a desktop at 150 %); this one draws it by whole pixels at any scale.
class PixelArtButton : public EnterKeyButton {
    Q_OBJECT

public:
    using EnterKeyButton::EnterKeyButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
