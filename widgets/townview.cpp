#include "townview.h"

#include "pixelart.h"
#include "townstate.h"
#include "townviewaccessible.h"
#include "twips.h"

#include <QAccessible>
#include <QPainter>

#include <algorithm>

namespace {

// The diamond's bounding box on the main window: lot 5's left edge, lot 1's
// top edge, lot 21's right edge and lot 25's bottom edge.
constexpr QRect kDiamondArea = twips(1920, 1080, 2400, 2400);

// Lots in painting order: the diagonal r + c grows towards the viewer, and
// lots on one diagonal never overlap, so a tall building covers the plots
// behind it and is covered by those in front.
constexpr std::array<int, 25> kBackToFront = [] {
    std::array<int, 25> lots{};
    std::size_t next = 0;
    for (int diagonal = 0; diagonal <= 8; ++diagonal) {
        for (int r = 0; r < 5; ++r) {
            const int c = diagonal - r;
            if (c >= 0 && c < 5)
                lots[next++] = 5 * r + c + 1;
        }
    }
    return lots;
}();

} // namespace

TownView::TownView(const TownState &town, QWidget *parent)
    : QWidget(parent)
    , m_town(town)
{
    // Before anything asks for this view's interface, or it gets a plain one.
    TownViewAccessible::install();
    setObjectName(QStringLiteral("townView"));
    setGeometry(kDiamondArea);
    // No background of its own: the window's blue shows through the tiles'
    // transparent corners.
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("街"));
}

QRect TownView::lotRect(int lot) const
{
    const int r = (lot - 1) / 5;
    const int c = (lot - 1) % 5;
    const QRect onWindow = twips(2880 + 240 * r - 240 * c, 1080 + 240 * r + 240 * c, 480, 480);
    return onWindow.translated(-kDiamondArea.topLeft());
}

void TownView::lotPictureChanged(int lot)
{
    // Repainting the tile's square repaints, in order, the neighbours that overlap it.
    update(lotRect(lot));
    if (QAccessible::isActive()) {
        if (QAccessibleInterface *lotInterface = QAccessible::queryAccessibleInterface(this)->child(lot - 1)) {
            QAccessibleEvent renamed(lotInterface, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
    }
}

const QPixmap &TownView::tilePixmap(int kind)
{
    const qreal ratio = devicePixelRatioF();
    if (ratio != m_tileRatio) {
        std::fill(m_tiles.begin(), m_tiles.end(), QPixmap());
        m_tileRatio = ratio;
    }
    QPixmap &tile = m_tiles.at(static_cast<std::size_t>(kind));
    if (tile.isNull())
        tile = PixelArt::prepared(PixelArt::tile(kind), ratio);
    return tile;
}

void TownView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int lot : kBackToFront)
        painter.drawPixmap(lotRect(lot).topLeft(), tilePixmap(m_town.lotPicture(lot)));
}
