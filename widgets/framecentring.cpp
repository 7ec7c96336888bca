#include "framecentring.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

FrameCentring::FrameCentring(QWidget &window)
    : QObject(&window)
{
    window.installEventFilter(this);
}

void FrameCentring::centre(QWidget &window)
{
    moveFrameToCentre(window);
    if (!frameKnown(window) && !window.findChild<FrameCentring *>(QString(), Qt::FindDirectChildrenOnly))
        new FrameCentring(window);
}

bool FrameCentring::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move) {
        auto *window = static_cast<QWidget *>(watched);
        if (frameKnown(*window)) {
            window->removeEventFilter(this);
            moveFrameToCentre(*window);
            deleteLater();
        }
    }
    return false;
}

void FrameCentring::moveFrameToCentre(QWidget &window)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    // For a top-level window, move() places the frame's top-left corner.
    const QSize outer = window.frameGeometry().size();
    window.move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

bool FrameCentring::frameKnown(const QWidget &window)
{
    // A frameless window has nothing to wait for.
    if (window.windowFlags().testFlag(Qt::FramelessWindowHint))
        return true;
    const QWindow *handle = window.windowHandle();
    return handle && !handle->frameMargins().isNull();
}
