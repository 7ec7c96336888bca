#include "keyboardfocus.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

namespace KeyboardFocus {

namespace {

void markWindow(QWidget &control)
{
    QWidget *window = control.window();
    if (window->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    // The control that has the focus shows its ring now.
    control.update();
}

// Notes whether the player's last input was a key (a screen reader's passed
// on included) and, if so, rings the focus wherever it goes.
class LastInput : public QObject {
public:
    explicit LastInput(QApplication &application)
        : QObject(&application)
    {
        application.installEventFilter(this);
        connect(&application, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
            if (now && m_key)
                markWindow(*now);
        });
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            m_key = true;
            break;
        case QEvent::MouseButtonPress:
        case QEvent::TouchBegin:
            m_key = false;
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool m_key = false;
};

} // namespace

void install()
{
    // One for each application object: a test makes several in turn.
    static QPointer<LastInput> input;
    if (!input)
        input = new LastInput(*qApp);
}

void move(QWidget &control)
{
    markWindow(control);
    control.setFocus(Qt::TabFocusReason);
}

} // namespace KeyboardFocus
