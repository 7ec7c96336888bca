#include "townviewaccessible.h"

#include "lotnames.h"
#include "townview.h"

#include <QPointer>

namespace {

// One lot of the town: a picture with a name and a place, and nothing inside.
class LotAccessible : public QAccessibleInterface {
public:
    LotAccessible(TownView *view, int lot)
        : m_view(view)
        , m_lot(lot)
    {
    }

    int lot() const { return m_lot; }
    const TownView *view() const { return m_view; }

    bool isValid() const override { return !m_view.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_view ? m_view->window()->windowHandle() : nullptr; }

    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_view); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name && m_view ? lotAccessibleName(m_view->town(), m_lot) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!m_view)
            return {};
        const QRect onView = m_view->lotRect(m_lot);
        return {m_view->mapToGlobal(onView.topLeft()), onView.size()};
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !m_view || !m_view->isVisible();
        state.readOnly = true;
        return state;
    }

private:
    QPointer<TownView> m_view;
    int m_lot;
};

} // namespace

TownViewAccessible::TownViewAccessible(TownView *view)
    : QAccessibleWidget(view, QAccessible::Pane)
{
}

TownViewAccessible::~TownViewAccessible()
{
    for (QAccessible::Id id : m_lots) {
        if (id)
            QAccessible::deleteAccessibleInterface(id);
    }
}

TownView *TownViewAccessible::view() const
{
    return static_cast<TownView *>(widget());
}

int TownViewAccessible::childCount() const
{
    return static_cast<int>(m_lots.size());
}

QAccessibleInterface *TownViewAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id &id = m_lots[static_cast<std::size_t>(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new LotAccessible(view(), index + 1));
    return QAccessible::accessibleInterface(id);
}

int TownViewAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *lot = dynamic_cast<const LotAccessible *>(child);
    return lot && lot->view() == view() ? lot->lot() - 1 : -1;
}

QAccessibleInterface *TownViewAccessible::childAt(int x, int y) const
{
    const QPoint point = view()->mapFromGlobal(QPoint(x, y));
    for (int lot = 1; lot <= childCount(); ++lot) {
        // Tiles overlap at their transparent corners; only the diamond counts.
        const QPoint fromCentre = point - view()->lotRect(lot).center();
        if (std::abs(fromCentre.x()) + std::abs(fromCentre.y()) <= 16)
            return child(lot - 1);
    }
    return nullptr;
}
