#include "accessiblefactory.h"
#include "gamefont.h"
#include "splashwindow.h"

#include <QApplication>

#ifdef Q_OS_WASM
#include "webpage.h"
#endif

namespace {

#ifdef Q_OS_LINUX
// A Wayland compositor decides where windows go, but the game centres its
// windows itself; XWayland lets it, unless the player chose a platform.
void preferXWayland()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}
#endif

#ifdef Q_OS_WIN
// FreeType draws the game's font as on Linux: the same glyph shapes, and
// captions as dark (Windows' own engine greys the thin strokes of the small
// text below a readable contrast), unless the player chose otherwise.
void preferFreeTypeFonts()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", KESTAVINE_WINDOWS_PLATFORM);
}
#endif

// Names the program, ties its widgets to what a screen reader gets of them,
// then shows the splash, which hands over to the town.
void startGame()
{
    // The application name is the window's class (WM_CLASS), which the desktop
    // entry names as StartupWMClass; on Wayland the app id is the entry's name.
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTAVINE_APP_ID));
    // Before the first window: a reader listening from the start asks for
    // its interfaces at once, and Qt keeps the first it makes.
    AccessibleFactory::install();
    auto *splash = new SplashWindow;
    splash->show();
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef Q_OS_LINUX
    preferXWayland();
#endif
#ifdef Q_OS_WIN
    preferFreeTypeFonts();
#endif
#ifdef Q_OS_WASM
    WebPage::prepareEnvironment();
    // In a page, exec() hands control back to the browser by unwinding the
    // stack, and the browser runs the events. The application lives on the
    // heap for the page's life: main() then holds nothing to clean up, so the
    // unwinding stops short of the frame that holds exec()'s own event loop,
    // which quitting walks. (With the application on main()'s stack, quitting
    // read that freed frame.)
    auto *app = new QApplication(argc, argv);
    WebPage::prepare(*app);
    startGame();
    return QApplication::exec();
#else
    QApplication app(argc, argv);
    startGame();
    return app.exec();
#endif
}
