#include "webpage.h"

#include "assetpaths.h"
#include "mainwindow.h"
#include "pixelarticonengine.h"
#include "screenfit.h"
#include "splashwindow.h"
#include "tilepicture.h"

#include <QApplication>
#include <QIcon>

#include <algorithm>

#include <emscripten/emscripten.h>
#include <emscripten/val.h>

namespace WebPage {

namespace {

// Qt draws a framed window in the page with a 4-pixel border all round and
// a 22-pixel title bar.
constexpr int kBorder = 4;
constexpr int kTitleBar = 22;

// The size of the element the page gave Qt as its screen.
QSizeF screenElementSize()
{
    const emscripten::val elements = emscripten::val::module_property("qtContainerElements");
    if (elements.isUndefined() || elements["length"].as<int>() == 0)
        return {};
    const emscripten::val screen = elements[0];
    return {screen["clientWidth"].as<double>(), screen["clientHeight"].as<double>()};
}

void endProgram(void *)
{
    emscripten_force_exit(0);
}

} // namespace

void fitWindowsToPage()
{
    // A scale the player or the page chose wins.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        return;
    // The frame is the page's, in CSS pixels: it keeps its size at any scale.
    const QSizeF screen = screenElementSize();
    const QSizeF frame(2 * kBorder, 2 * kBorder + kTitleBar);
    const qreal scale = std::min(ScreenFit::scale(screen - frame, QSizeF(MainWindow::clientSize())),
                                 ScreenFit::scale(screen, QSizeF(SplashWindow::clientSize())));
    // The pictures stay sharp at any scale: they are enlarged for the screen
    // by whole pixels (PixelArt), not smoothed.
    if (scale < 1.0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
}

void prepare(QApplication &app)
{
    // Without an icon of its own, each title bar would show Qt's logo. Image 1
    // of the program icon is its 32-pixel, 16-colour picture.
    QApplication::setWindowIcon(QIcon(new PixelArtIconEngine(TilePicture::read(programIconPath(), 1))));

    // In a page the event loop never returns to main(), so quitting alone
    // would leave the windows standing: when the game ends ("終了", or the
    // main window's close box), the program ends, and the page's onExit
    // hears of it. Not from inside Qt's event handling: ending unwinds the
    // stack by throwing, which an asynchronous call expects and catches.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [] { emscripten_async_call(endProgram, nullptr, 0); });
}

} // namespace WebPage
