#include "secondarywindow.h"

#include "framecentring.h"
#include "windowframe.h"

#include <QWidget>

namespace SecondaryWindow {

void setUp(QWidget &window, const QString &name, const QString &title, QSize clientSize)
{
    WindowFrame::makeFixedToolWindow(window, clientSize);
    window.setObjectName(name);
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setWindowTitle(title);
    FrameCentring::centre(window);
}

void present(QWidget &window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace SecondaryWindow
