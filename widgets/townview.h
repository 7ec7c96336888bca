#pragma once

#include "catalogue.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class TownState;

// The 25 lot pictures of the main window, laid out as the lot diamond. The
// tiles overlap at their transparent corners and a few buildings rise above
// their plot, so all lots are painted here, back to front, rather than as
// separate picture controls whose stacking Qt would decide.
class TownView : public QWidget {
    Q_OBJECT

public:
    explicit TownView(const TownState &town, QWidget *parent = nullptr);

    // Where lot 1..25's 32 x 32 picture stands, in this widget's coordinates.
    QRect lotRect(int lot) const;

    const TownState &town() const { return m_town; }

    // Repaints one lot after its picture changed and tells assistive
    // technology its new name.
    void lotPictureChanged(int lot);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QPixmap &tilePixmap(int kind);

    const TownState &m_town;
    // Tiles prepared for the ratio they were last painted at, bare land first.
    std::array<QPixmap, kKindCount + 1> m_tiles;
    qreal m_tileRatio = 0;
};
