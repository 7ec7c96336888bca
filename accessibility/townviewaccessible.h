#pragma once

#include <QAccessibleWidget>

#include <array>

class TownView;

// The town as assistive technology reads it: the view's 25 lots are its
// children, in lot order, each a picture named for its lot and for what
// stands on it. The view paints them all itself, so without this a screen
// reader would find one unnamed picture.
class TownViewAccessible : public QAccessibleWidget {
public:
    explicit TownViewAccessible(TownView *view);
    ~TownViewAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    TownView *view() const;

    // The lots' interfaces, made on first use and owned by Qt's registry.
    mutable std::array<QAccessible::Id, 25> m_lots{};
};
