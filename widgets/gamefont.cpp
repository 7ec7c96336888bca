#include "gamefont.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace {

QString registerGameFont()
{
    QFile file(QStringLiteral(":/font/KestavineGothic-Regular.otf"));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("The game's font is missing from the program; using the system's fonts");
        return {};
    }
    const int id = QFontDatabase::addApplicationFontFromData(file.readAll());
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

} // namespace

QString gameFontFamily()
{
    // Once per process: the font database keeps an application font until the end.
    static const QString family = registerGameFont();
    return family;
}

QFont gameFont()
{
    QFont font;
    // Text the player types may hold characters beyond the game's own; those
    // come from the system's Japanese fonts, as far as they are installed.
    QStringList families{QStringLiteral("Noto Sans CJK JP"), QStringLiteral("Noto Sans JP"),
                         QStringLiteral("IPAexGothic"), QStringLiteral("IPAGothic"),
                         QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic"),
                         QStringLiteral("sans-serif")};
    if (const QString family = gameFontFamily(); !family.isEmpty())
        families.prepend(family);
    font.setFamilies(families);
    // 11 px is the largest size at which the settings dialog's input notes fit
    // its 320-pixel width; its 16-pixel line sits inside the 17-pixel labels.
    font.setPixelSize(11);
    return font;
}

void installGameFont()
{
    QApplication::setFont(gameFont());
}
