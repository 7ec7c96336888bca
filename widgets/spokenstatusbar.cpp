#include "spokenstatusbar.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

// Named afresh each time a reader asks.
class StatusBarAccessible : public QAccessibleWidget {
public:
    explicit StatusBarAccessible(SpokenStatusBar *bar)
        : QAccessibleWidget(bar, QAccessible::StatusBar)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const SpokenStatusBar *>(widget())->summary();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface *statusBarFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("SpokenStatusBar") && object && object->isWidgetType())
        return new StatusBarAccessible(static_cast<SpokenStatusBar *>(object));
    return nullptr;
}

} // namespace

SpokenStatusBar::SpokenStatusBar(QWidget *window)
    : QWidget(window)
{
    QAccessible::installFactory(statusBarFactory);
    setObjectName(QStringLiteral("spokenStatusBar"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    // Just past the right edge: shown, as a screen reader needs, but never in view.
    setGeometry(window->width(), 0, 1, 1);
}

void SpokenStatusBar::addFigure(const QLabel *caption, const QLabel *value)
{
    m_figures.append(std::pair(QPointer(caption), QPointer(value)));
}

QString SpokenStatusBar::summary() const
{
    QStringList parts;
    for (const auto &[caption, value] : m_figures) {
        if (caption && value)
            parts << QStringLiteral("%1 %2").arg(caption->text(), value->text()).trimmed();
    }
    return parts.join(QLatin1Char(' '));
}
