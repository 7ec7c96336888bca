#include "spokennotice.h"

#include <QAccessible>

SpokenNotice::SpokenNotice(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("spokenNotice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void SpokenNotice::say(const QString &text)
{
    setAccessibleName(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 has announcements: a UI Automation notification on Windows, an
    // AT-SPI announcement on Linux, which Orca 48 speaks once, without the
    // role word a notification brings.
    QAccessibleAnnouncementEvent announcement(this, text);
    QAccessible::updateAccessibility(&announcement);
#else
    // Just past the right edge: shown, as a screen reader needs, but never in view.
    setGeometry(parentWidget()->width(), 0, 1, 1);
    // A screen reader speaks a notification as it comes into view.
    hide();
    show();
#endif
}
