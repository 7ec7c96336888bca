#include "controlnames.h"

#include "catalogue.h"

namespace ControlNames {

namespace {

QString buttonNumbered(int number)
{
    return QStringLiteral("Command%1").arg(number);
}

} // namespace

QString kindButton(int kind)
{
    return buttonNumbered(kind);
}

QString commandButton(Command command)
{
    return buttonNumbered(kKindCount + 1 + static_cast<int>(command));
}

QString windowOpenedBy(const QString &button)
{
    for (const BuildingKind &kind : kCatalogue) {
        if (button == kindButton(kind.number))
            return QString::fromLatin1(kLotPicker);
    }
    if (button == commandButton(Command::LandPrice))
        return QString::fromLatin1(kLandPriceWindow);
    if (button == commandButton(Command::Settings))
        return QString::fromLatin1(kSettingsDialog);
    if (button == commandButton(Command::Help))
        return QString::fromLatin1(kAboutMessage);
    return {};
}

} // namespace ControlNames
