#include "splashwindow.h"

#include "mainwindow.h"
#include "pixelart.h"
#include "twips.h"
#include "windowframe.h"

#include <QLabel>
#include <QShowEvent>
#include <QTimer>

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setAttribute(Qt::WA_DeleteOnClose);
    WindowFrame::makeBorderless(*this, twipsSize(8580, 5280));

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setGeometry(twips(0, 0, 8580, 5265));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(1500);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::handOver);

    WindowFrame::centreOnScreen(*this);
}

void SplashWindow::showEvent(QShowEvent *event)
{
    // Prepared here, once the window knows the screen it is drawn on.
    m_picture->setPixmap(PixelArt::prepared(PixelArt::splashPicture(), devicePixelRatioF()));
    if (!event->spontaneous() && !m_timer->isActive())
        m_timer->start();
    QWidget::showEvent(event);
}

void SplashWindow::handOver()
{
    m_timer->stop();
    if (m_handedOver)
        return;
    m_handedOver = true;
    auto *mainWindow = new MainWindow;
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->show();
    close();
}
