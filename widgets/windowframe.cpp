#include "windowframe.h"

#include "windowaccessible.h"

#include <QWidget>

namespace WindowFrame {

namespace {

constexpr Qt::WindowFlags kCloseBoxOnly =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace

void makeFixedDialog(QWidget &window, QSize clientSize)
{
    WindowAccessible::adopt(window);
    window.setWindowFlags(Qt::Dialog | kCloseBoxOnly);
    window.setFixedSize(clientSize);
}

void makeFixedToolWindow(QWidget &window, QSize clientSize)
{
    WindowAccessible::adopt(window);
    window.setWindowFlags(Qt::Tool | kCloseBoxOnly);
    window.setFixedSize(clientSize);
}

void makeBorderless(QWidget &window, QSize clientSize)
{
    WindowAccessible::adopt(window);
    window.setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    window.setFixedSize(clientSize);
    // While the splash is the only window, closing it must end the program.
    window.setAttribute(Qt::WA_QuitOnClose, true);
}

} // namespace WindowFrame
