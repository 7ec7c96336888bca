#include "controlnames.h"

#include "catalogue.h"

namespace ControlNames {

namespace {

// The commands are numbered after the thirty kinds the game began with, and
// keep their numbers; kinds past those are numbered on after the commands.
constexpr int kFirstCommand = 31;
constexpr int kCommandCount = 4;

QString buttonNumbered(int number)
{
    return QStringLiteral("Command%1").arg(number);
}

} // namespace

QString kindButton(int kind)
{
    return buttonNumbered(kind < kFirstCommand ? kind : kind + kCommandCount);
}

QString commandButton(Command command)
{
    return buttonNumbered(kFirstCommand + static_cast<int>(command));
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
