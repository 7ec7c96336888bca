#include "screenreaderkeys.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>

namespace {

// Should the reader answer the modifier's release in time, it keeps the
// release to itself; a chord is over well within this.
constexpr qint64 kLongestChordMs = 1000;

bool isReaderModifier(int key)
{
    return key == Qt::Key_Insert || key == Qt::Key_CapsLock;
}

// Qt's bridge sends a key on as an event of its own; the window system's
// keys come as spontaneous events.
bool cameThroughReader(const QEvent &event)
{
    return !event.spontaneous() && QAccessible::isActive();
}

} // namespace

ScreenReaderKeys::ScreenReaderKeys(QObject *parent)
    : QObject(parent)
{
}

void ScreenReaderKeys::install()
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application || application->findChild<ScreenReaderKeys *>(QString(), Qt::FindDirectChildrenOnly))
        return;
    application->installEventFilter(new ScreenReaderKeys(application));
}

bool ScreenReaderKeys::isReaderKey(const QKeyEvent &event)
{
    const int key = event.key();
    if (isReaderModifier(key))
        return true;
    if (!event.modifiers().testFlag(Qt::KeypadModifier))
        return false;
    const bool types = (key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Period || key == Qt::Key_Comma;
    return !types;
}

bool ScreenReaderKeys::readerModifierHeld() const
{
    return m_modifierPressed.isValid() && m_modifierPressed.elapsed() < kLongestChordMs;
}

bool ScreenReaderKeys::eventFilter(QObject *, QEvent *event)
{
    if ((event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) || !cameThroughReader(*event))
        return false;
    const auto *key = static_cast<const QKeyEvent *>(event);
    if (isReaderModifier(key->key())) {
        if (event->type() == QEvent::KeyPress)
            m_modifierPressed.start();
        else if (!key->isAutoRepeat())
            m_modifierPressed.invalidate();
        return true;
    }
    // A key the reader keeps goes no further, nor does a key pressed with
    // its modifier; a key let go does no harm, and a button pressed before
    // the chord must come up again.
    return isReaderKey(*key) || (event->type() == QEvent::KeyPress && readerModifierHeld());
}
