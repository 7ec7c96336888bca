#include "gamefont.h"
#include "splashwindow.h"

#include <QApplication>

namespace {

// A Wayland compositor decides where windows go, but the game centres its
// windows itself; XWayland lets it, unless the player chose a platform.
void preferXWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char *argv[])
{
    preferXWayland();
    QApplication app(argc, argv);
    // The application name is the window's class (WM_CLASS), which the desktop
    // entry names as StartupWMClass; on Wayland the app id is the entry's name.
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTAVINE_APP_ID));

    auto *splash = new SplashWindow;
    splash->show();
    return app.exec();
}
