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
    const QPixmap &picture();

    const TownState &m_town;
    // The tiles as drawn, bare land first, read on first use.
    std::array<QImage, kKindCount + 1> m_tiles;
    // The whole town, laid out in the tiles' own pixels and then enlarged for
    // the screen as one picture: tiles enlarged one by one would meet at
    // fractions of a screen pixel at a fractional ratio, leaving thin gaps.
    QPixmap m_picture;
};
