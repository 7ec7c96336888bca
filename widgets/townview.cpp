#include "townview.h"

#include "lotdiamond.h"
#include "pixelart.h"
#include "townstate.h"
#include "twips.h"

#include <QAccessible>
#include <QPainter>

#include <algorithm>

namespace {

// The diamond's bounding box on the main window: lot 5's left edge, lot 1's
// top edge, lot 21's right edge and lot 25's bottom edge.
constexpr QRect kDiamondArea = twips(1920, 1080, 2400, 2400);

// Lots in painting order: a lot further down the diamond stands nearer the
// viewer, and lots at one height never overlap, so a tall building covers the
// plots behind it and is covered by those in front.
constexpr std::array<int, kLotCount> kBackToFront = [] {
    std::array<int, kLotCount> lots{};
    for (int lot = 1; lot <= kLotCount; ++lot)
        lots[static_cast<std::size_t>(lot - 1)] = lot;
    std::sort(lots.begin(), lots.end(), [](int a, int b) {
        const int downA = LotDiamond::offset(a).down;
        const int downB = LotDiamond::offset(b).down;
        return downA != downB ? downA < downB : a < b;
    });
    return lots;
}();

} // namespace

TownView::TownView(const TownState &town, QWidget *parent)
    : QWidget(parent)
    , m_town(town)
{
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
    const LotDiamond::Offset offset = LotDiamond::offset(lot);
    const QRect onWindow = twips(2880 + 240 * offset.right, 1080 + 240 * offset.down, 480, 480);
    return onWindow.translated(-kDiamondArea.topLeft());
}

void TownView::lotPictureChanged(int lot)
{
    m_picture = QPixmap();
    // Repainting the tile's square repaints, in order, the neighbours that overlap it.
    update(lotRect(lot));
    if (QAccessible::isActive()) {
        if (QAccessibleInterface *lotInterface = QAccessible::queryAccessibleInterface(this)->child(lot - 1)) {
            QAccessibleEvent renamed(lotInterface, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
    }
}

const QPixmap &TownView::picture()
{
    const qreal ratio = devicePixelRatioF();
    if (!m_picture.isNull() && m_picture.devicePixelRatio() == ratio)
        return m_picture;
    QImage town(size(), QImage::Format_ARGB32_Premultiplied);
    town.fill(Qt::transparent);
    QPainter painter(&town);
    for (int lot : kBackToFront) {
        QImage &tile = m_tiles.at(static_cast<std::size_t>(m_town.lotPicture(lot)));
        if (tile.isNull())
            tile = PixelArt::tile(m_town.lotPicture(lot));
        painter.drawImage(lotRect(lot).topLeft(), tile);
    }
    painter.end();
    m_picture = PixelArt::prepared(town, ratio);
    return m_picture;
}

void TownView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture());
}
