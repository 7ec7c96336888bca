#include "webpage.h"

#include "assetpaths.h"
#include "framecentring.h"
#include "mainwindow.h"
#include "pixelarticonengine.h"
#include "screenfit.h"
#include "splashwindow.h"
#include "tilepicture.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtGui/private/qhighdpiscaling_p.h>

#include <algorithm>

#include <emscripten/emscripten.h>
#include <emscripten/html5.h>
#include <emscripten/val.h>

namespace WebPage {

namespace {

// Qt draws a framed window in the page with a 4-pixel border all round and
// a 22-pixel title bar.
constexpr int kBorder = 4;
constexpr int kTitleBar = 22;

// The size of the element the page gave Qt as its screen, in CSS pixels.
QSizeF screenElementSize()
{
    const emscripten::val elements = emscripten::val::module_property("qtContainerElements");
    if (elements.isUndefined() || elements["length"].as<int>() == 0)
        return {};
    const emscripten::val screen = elements[0];
    return {screen["clientWidth"].as<double>(), screen["clientHeight"].as<double>()};
}

// The scale at which the game's largest windows fit the page, frame and all:
// the frame is the page's, in CSS pixels, and keeps its size at any scale.
qreal fittingScale()
{
    const QSizeF screen = screenElementSize();
    const QSizeF frame(2 * kBorder, 2 * kBorder + kTitleBar);
    return std::min(ScreenFit::scale(screen - frame, QSizeF(MainWindow::clientSize())),
                    ScreenFit::scale(screen, QSizeF(SplashWindow::clientSize())));
}

// Scales the windows to fit the page as it is now, and centres them on it.
// The town and every open window stay as they are: only their size on the
// page changes. The pictures stay sharp at any scale: they are enlarged for
// the screen by whole pixels (PixelArt), not smoothed.
void fitWindows(QScreen *screen)
{
    static bool fitting = false;
    static qreal scale = 1.0;
    if (fitting)
        return;
    fitting = true;
    const qreal wanted = fittingScale();
    if (wanted != scale) {
        scale = wanted;
        QHighDpiScaling::setScreenFactor(screen, scale);
        // Each window takes its size again, now counted at the new scale.
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->windowHandle())
                window->windowHandle()->setGeometry(window->geometry());
        }
    }
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            FrameCentring::centre(*window);
    }
    fitting = false;
}

// While the tab is hidden the town stands still, rather than run at the
// browser's slowed pace for hidden tabs, and says so when the tab comes back.
bool townHeldWhileHidden(int, const EmscriptenVisibilityChangeEvent *event, void *)
{
    static bool held = false;
    MainWindow *town = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *main = qobject_cast<MainWindow *>(window))
            town = main;
    }
    if (!town)
        return false;
    if (event->hidden && town->clock().isRunning()) {
        town->clock().stop();
        held = true;
    } else if (!event->hidden && held) {
        held = false;
        town->clock().start();
        QAccessibleAnnouncementEvent said(town, QStringLiteral("タブが隠れている間、時間は止まっていました"));
        QAccessible::updateAccessibility(&said);
    }
    return false;
}

// What has no widget of its own (a lot of the town) is shown in the page only
// when told of: its window's showing tells of its widgets alone.
void tellChildrenWithoutWidgets(QAccessibleInterface *parent)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QAccessibleInterface *child = parent->child(i);
        if (!child)
            continue;
        if (child->object() && child->object() != parent->object()) {
            tellChildrenWithoutWidgets(child);
        } else {
            QAccessibleEvent shown(child, QAccessible::ObjectShow);
            QAccessible::updateAccessibility(&shown);
        }
    }
}

// Three things a browser's reader would miss as a window opens. A widget takes
// the focus as its window is shown, before the page shows the window, and the
// page cannot focus an element it does not show yet: the focus is told again
// once the window is in the page. Its lots are told of likewise. And a message (a refusal, ヘルプ) is said
// through the page's live region, its title first, as a desktop reader says
// an alert.
class WindowTeller : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || !widget->isWindow())
            return false;
        if (event->type() == QEvent::Show) {
            QTimer::singleShot(0, widget, [widget] {
                if (QAccessibleInterface *window = QAccessible::queryAccessibleInterface(widget))
                    tellChildrenWithoutWidgets(window);
            });
        }
        if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
            QTimer::singleShot(0, this, [] {
                if (QWidget *focus = QApplication::focusWidget()) {
                    QAccessibleEvent focused(focus, QAccessible::Focus);
                    QAccessible::updateAccessibility(&focused);
                }
            });
        }
        if (event->type() == QEvent::Close && widget != m_closing && widget == QApplication::activeWindow()
            && !qobject_cast<QDialog *>(widget)) {
            if (QWidget *next = focusToReturnTo(widget)) {
                // The page's reader (Orca in Chromium) hears of the focus's
                // return only if the focus moves before the window's elements
                // go: gone first, the reader settles quietly on the next
                // control. The window goes a moment after the focus.
                QAccessibleEvent focused(next, QAccessible::Focus);
                QAccessible::updateAccessibility(&focused);
                QTimer::singleShot(100, this, [this, closing = QPointer<QWidget>(widget)] {
                    if (!closing)
                        return;
                    m_closing = closing;
                    closing->close();
                    m_closing = nullptr;
                });
                event->ignore();
                return true;
            }
        }
        if (event->type() == QEvent::Show) {
            if (auto *box = qobject_cast<QMessageBox *>(widget)) {
                QAccessibleAnnouncementEvent said(box, box->windowTitle() + u' ' + box->text());
                QAccessible::updateAccessibility(&said);
            }
        }
        return false;
    }

private:
    // The control the town's window gives the focus back to as another window closes.
    static QWidget *focusToReturnTo(QWidget *closing)
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window != closing && window->isVisible() && qobject_cast<MainWindow *>(window))
                return window->focusWidget();
        }
        return nullptr;
    }

    QWidget *m_closing = nullptr;
};

void endProgram(void *)
{
    emscripten_force_exit(0);
}

} // namespace

void prepareEnvironment()
{
    qputenv("QT_WASM_ENABLE_ACCESSIBILITY", "1");
}

void prepare(QApplication &app)
{
    // Without an icon of its own, each title bar would show Qt's logo. Image 1
    // of the program icon is its 32-pixel, 16-colour picture.
    QApplication::setWindowIcon(QIcon(new PixelArtIconEngine(TilePicture::read(programIconPath(), 1))));

    // A scale the player or the page chose wins.
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        QScreen *screen = QGuiApplication::primaryScreen();
        fitWindows(screen);
        QObject::connect(screen, &QScreen::geometryChanged, &app, [screen] { fitWindows(screen); });
    }

    app.installEventFilter(new WindowTeller(&app));

    emscripten_set_visibilitychange_callback(nullptr, false, townHeldWhileHidden);

    // In a page the event loop never returns to main(), so quitting alone
    // would leave the windows standing: when the game ends ("終了", or the
    // main window's close box), the program ends, and the page's onExit
    // hears of it. Not from inside Qt's event handling: ending unwinds the
    // stack by throwing, which an asynchronous call expects and catches.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, [] { emscripten_async_call(endProgram, nullptr, 0); });
}

} // namespace WebPage
