#pragma once

#include <QAccessible>
#include <QList>
#include <QString>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <algorithm>

// What the game tells assistive technology while one lives: switches
// accessibility on, as a screen reader does, and records every event Qt would
// hand the screen reader. One at a time.
class AccessibilityEvents {
public:
    struct Event {
        QAccessible::Event type;
        QAccessible::Role role;
        QString name;
        QAccessible::Id id;
    };

    AccessibilityEvents()
    {
        s_current = this;
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(&record);
    }
    ~AccessibilityEvents()
    {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        s_current = nullptr;
    }

    // Events of that type from that interface; from any interface when the id is 0.
    qsizetype count(QAccessible::Event type, QAccessible::Role role, const QString &name, QAccessible::Id id = 0) const
    {
        return std::count_if(m_events.begin(), m_events.end(), [&](const Event &event) {
            return event.type == type && event.role == role && event.name == name && (!id || event.id == id);
        });
    }
    bool contains(QAccessible::Event type, QAccessible::Role role, const QString &name, QAccessible::Id id = 0) const
    {
        return count(type, role, name, id) > 0;
    }
    // How often a notice had a screen reader speak the text: as Qt's
    // announcement where Qt has them, else as a notification coming into view.
    qsizetype timesSaid(const QString &text) const
    {
        return count(QAccessible::ObjectShow, QAccessible::Notification, text)
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
            + count(QAccessible::Announcement, QAccessible::Notification, text)
#endif
            ;
    }
    // Where the first event of that type named so came, or -1.
    qsizetype indexOf(QAccessible::Event type, const QString &name) const
    {
        const auto found = std::find_if(m_events.begin(), m_events.end(), [&](const Event &event) {
            return event.type == type && event.name == name;
        });
        return found == m_events.end() ? -1 : found - m_events.begin();
    }

private:
    static void record(QAccessibleEvent *event)
    {
        QAccessibleInterface *source = event->accessibleInterface();
        QString name = source ? source->text(QAccessible::Name) : QString();
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // An announcement is heard by its message, whatever its source is named.
        if (event->type() == QAccessible::Announcement)
            name = static_cast<QAccessibleAnnouncementEvent *>(event)->message();
#endif
        s_current->m_events.append({event->type(), source ? source->role() : QAccessible::NoRole, name,
                                    source ? QAccessible::uniqueId(source) : 0});
    }

    static inline AccessibilityEvents *s_current = nullptr;
    QList<Event> m_events;
};
