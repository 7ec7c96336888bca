#include "gamefont.h"

#include <QApplication>
#include <QStringList>

QFont gameFont()
{
    QFont font;
    // Naming a Japanese family first makes unified Han characters take their
    // Japanese forms; the others cover systems without Noto CJK.
    font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
                      QStringLiteral("IPAexGothic"), QStringLiteral("IPAGothic"),
                      QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic"),
                      QStringLiteral("sans-serif")});
    // 11 px is the largest size at which the settings dialog's input notes fit
    // its 320-pixel width; its 16-pixel line sits inside the 17-pixel labels.
    font.setPixelSize(11);
    return font;
}

void installGameFont()
{
    QApplication::setFont(gameFont());
}
