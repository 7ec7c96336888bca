#include "textextents.h"

#include <QAccessible>

#include <algorithm>

#ifdef KESTAVINE_ATSPI
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QPointer>
#endif

namespace TextExtents {

QRect rangeExtents(QAccessibleInterface &text, int start, int end)
{
    QAccessibleTextInterface *characters = text.textInterface();
    if (!characters)
        return {};
    const int count = characters->characterCount();
    if (end == -1)
        end = count;
    if (end <= start)
        return {};
    // Qt also asks for the place after the last character, which holds none.
    start = std::max(start, 0);
    end = std::min(end, count - 1);
    if (start > end)
        return {};
    // One line, drawn in order: the run reaches from its first character to
    // its last, and two questions answer it however long the text.
    return characters->characterRect(start) | characters->characterRect(end);
}

#ifdef KESTAVINE_ATSPI

namespace {

// Where Qt's bridge serves every accessible object, and on which connection.
constexpr char kAccessibles[] = "/org/a11y/atspi/accessible";
constexpr char kObjectPrefix[] = "/org/a11y/atspi/accessible/";
constexpr char kConnection[] = "a11y";
constexpr uint kWindowCoordinates = 1;

// Stands where Qt's bridge stood and hands it every request but one.
class RangeExtentsFirst : public QDBusVirtualObject {
public:
    RangeExtentsFirst(QDBusVirtualObject *qt, QObject *parent)
        : QDBusVirtualObject(parent)
        , m_qt(qt)
    {
    }

    QString introspect(const QString &path) const override { return m_qt ? m_qt->introspect(path) : QString(); }

    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override
    {
        if (message.interface() == QLatin1String("org.a11y.atspi.Text")
            && message.member() == QLatin1String("GetRangeExtents") && message.arguments().size() == 3
            && answer(message, connection))
            return true;
        return m_qt && m_qt->handleMessage(message, connection);
    }

private:
    static bool answer(const QDBusMessage &message, const QDBusConnection &connection)
    {
        const QString path = message.path();
        if (!path.startsWith(QLatin1String(kObjectPrefix)))
            return false;
        bool number = false;
        const QAccessible::Id id = QStringView(path).mid(qsizetype(sizeof kObjectPrefix) - 1).toUInt(&number);
        QAccessibleInterface *text = number ? QAccessible::accessibleInterface(id) : nullptr;
        if (!text || !text->isValid() || !text->textInterface())
            return false;
        const QList<QVariant> arguments = message.arguments();
        QRect run = rangeExtents(*text, arguments.at(0).toInt(), arguments.at(1).toInt());
        if (run.isNull()) {
            // What Qt answers for an empty run.
            run = QRect(-1, -1, 0, 0);
        } else if (arguments.at(2).toUInt() == kWindowCoordinates) {
            // As Qt does: from the window (a dialog or frame) that holds the text.
            QAccessibleInterface *window = text;
            while (window && window->role() != QAccessible::Dialog && window->role() != QAccessible::Window)
                window = window->parent();
            if (window)
                run.translate(-window->rect().topLeft());
        }
        connection.send(message.createReply(QList<QVariant>{run.x(), run.y(), run.width(), run.height()}));
        return true;
    }

    QPointer<QDBusVirtualObject> m_qt;
};

} // namespace

void answerBeforeQt()
{
    QDBusConnection bus(QString::fromLatin1(kConnection));
    if (!bus.isConnected())
        return;
    const QString path = QString::fromLatin1(kAccessibles);
    auto *qt = qobject_cast<QDBusVirtualObject *>(bus.objectRegisteredAt(path));
    if (!qt || dynamic_cast<RangeExtentsFirst *>(qt))
        return;
    auto *first = new RangeExtentsFirst(qt, qt);
    bus.unregisterObject(path);
    if (!bus.registerVirtualObject(path, first, QDBusConnection::SubPath)) {
        // Leave the bridge as it was.
        bus.registerVirtualObject(path, qt, QDBusConnection::SubPath);
        delete first;
    }
}

#else

void answerBeforeQt()
{
    // Only Qt's AT-SPI bridge walks every offset of the run.
}

#endif

} // namespace TextExtents
