#include "splashwindow.h"

#include "controlnames.h"
#include "framecentring.h"
#include "gamefont.h"
#include "mainwindow.h"
#include "pixelart.h"
#include "qtwords.h"
#include "twips.h"
#include "windowaccessible.h"
#include "windowframe.h"

#include <QEvent>
#include <QLabel>
#include <QShowEvent>
#include <QTimer>
#include <QWindow>

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent)
{
    WindowFrame::makeBorderless(*this, clientSize());
    setObjectName(QString::fromLatin1(ControlNames::kSplashWindow));
    setAttribute(Qt::WA_DeleteOnClose);

    m_picture = new QLabel(this);
    m_picture->setObjectName(QStringLiteral("Image1"));
    m_picture->setGeometry(twips(0, 0, 8580, 5265));
    m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(1500);
    // A coarse timer may fire 5 % early or late, 75 ms either way.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &SplashWindow::handOver);

    FrameCentring::centre(*this);
}

SplashWindow::~SplashWindow()
{
    if (!m_handedOver)
        delete m_mainWindow.data();
}

QSize SplashWindow::clientSize()
{
    return twipsSize(8580, 5280);
}

void SplashWindow::showEvent(QShowEvent *event)
{
    // Prepared here, once the window knows the screen it is drawn on.
    m_picture->setPixmap(PixelArt::prepared(PixelArt::splashPicture(), devicePixelRatioF()));
    if (!event->spontaneous() && windowHandle())
        windowHandle()->installEventFilter(this);
    QWidget::showEvent(event);
}

// The 1.5 seconds count from the moment the splash is on screen: a window
// system may take a while to map it after it is shown.
bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() && windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        if (!m_handedOver && !m_timer->isActive()) {
            m_timer->start();
            // Once the splash has been painted.
            QTimer::singleShot(0, this, &SplashWindow::prepareMainWindow);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SplashWindow::prepareMainWindow()
{
    if (m_mainWindow || m_handedOver)
        return;
    // The splash shows no text: loading the fonts, which takes some milliseconds,
    // waits until the splash is on screen, and so do Qt's words.
    installGameFont();
    installQtWords();
    m_mainWindow = new MainWindow;
    // The town comes to life when its window appears, not while it waits.
    m_mainWindow->clock().stop();
    m_mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    m_mainWindow->ensurePolished();
}

void SplashWindow::handOver()
{
    m_timer->stop();
    if (m_handedOver)
        return;
    prepareMainWindow();
    m_handedOver = true;
    WindowAccessible::renewIdentities(*m_mainWindow);
    m_mainWindow->show();
    m_mainWindow->clock().start();
    close();
}
