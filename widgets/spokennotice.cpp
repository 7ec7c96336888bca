#include "spokennotice.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface *noticeFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("SpokenNotice") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

SpokenNotice::SpokenNotice(QWidget *window)
    : QWidget(window)
{
    QAccessible::installFactory(noticeFactory);
    setObjectName(QStringLiteral("spokenNotice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void SpokenNotice::say(const QString &text)
{
    setAccessibleName(text);
    // Just past the right edge: shown, as a screen reader needs, but never in view.
    setGeometry(parentWidget()->width(), 0, 1, 1);
    // A screen reader speaks a notification as it comes into view.
    hide();
    show();
}
