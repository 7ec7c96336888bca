#pragma once

#include <QString>

// What the game's windows and the main window's buttons are called, for the
// windows that name them and for the tests and tools that find them again.
namespace ControlNames {

inline constexpr char kSplashWindow[] = "Form1";
inline constexpr char kMainWindow[] = "Form2";
inline constexpr char kLotPicker[] = "Form3";
inline constexpr char kLandPriceWindow[] = "Form4";
inline constexpr char kSettingsDialog[] = "Form5";
inline constexpr char kAboutMessage[] = "aboutMessage";

// The main window's palette button of kind n: "Command7" for kind 7. The
// commands keep "Command31" to "Command34", so kind 31 would be "Command35".
QString kindButton(int kind);

// The main window's four commands, "Command31" (地価) to "Command34" (ヘルプ)
// whatever the number of kinds.
enum class Command { LandPrice, Settings, End, Help };
QString commandButton(Command command);

// The name of the window that a main-window button opens: the lot picker for
// a kind, the land-price window, the settings dialog or the about message for
// a command, and nothing for 終了 or a name that is no such button.
QString windowOpenedBy(const QString &button);

} // namespace ControlNames
