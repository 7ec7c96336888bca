#include "windowframe.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace WindowFrame {

namespace {

constexpr Qt::WindowFlags kCloseBoxOnly =
    Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace

void makeFixedDialog(QWidget &window, QSize clientSize)
{
    window.setWindowFlags(Qt::Dialog | kCloseBoxOnly);
    window.setFixedSize(clientSize);
}

void makeFixedToolWindow(QWidget &window, QSize clientSize)
{
    window.setWindowFlags(Qt::Tool | kCloseBoxOnly);
    window.setFixedSize(clientSize);
}

void makeBorderless(QWidget &window, QSize clientSize)
{
    window.setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    window.setFixedSize(clientSize);
    // While the splash is the only window, closing it must end the program.
    window.setAttribute(Qt::WA_QuitOnClose, true);
}

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    window.move(area.center() - QPoint(window.width() / 2, window.height() / 2));
}

} // namespace WindowFrame
