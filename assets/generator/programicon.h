#pragma once

#include "iconencoder.h"

#include <QList>

// The program file's icon: a plain white window with a cyan caption bar, at
// 32 x 32 in black and white and in 16 colours, and at 16 x 16 in 16 colours.
class ProgramIcon {
public:
    static QList<IconEncoder::Image> images();

private:
    static QImage window(int size, bool colour);
};
