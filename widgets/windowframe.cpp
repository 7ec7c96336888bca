#include "windowframe.h"

#include <QVariant>
#include <QWidget>

namespace WindowFrame {

namespace {

constexpr Qt::WindowFlags kCloseBoxOnly =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

// Marks a window the game made itself.
constexpr char kGameWindow[] = "kestavineWindow";

// Before anything asks for the window's accessible interface.
void markGameWindow(QWidget &window)
{
    window.setProperty(kGameWindow, true);
}

} // namespace

void makeFixedDialog(QWidget &window, QSize clientSize)
{
    markGameWindow(window);
    window.setWindowFlags(Qt::Dialog | kCloseBoxOnly);
    window.setFixedSize(clientSize);
}

void makeFixedToolWindow(QWidget &window, QSize clientSize)
{
    markGameWindow(window);
    window.setWindowFlags(Qt::Tool | kCloseBoxOnly);
    window.setFixedSize(clientSize);
}

void makeBorderless(QWidget &window, QSize clientSize)
{
    markGameWindow(window);
    window.setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    window.setFixedSize(clientSize);
    // While the splash is the only window, closing it must end the program.
    window.setAttribute(Qt::WA_QuitOnClose, true);
}

bool isGameWindow(const QWidget &window)
{
    return window.property(kGameWindow).toBool();
}

} // namespace WindowFrame
