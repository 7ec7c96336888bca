#include "contactsheet.h"

#include "catalogue.h"
#include "lotdiamond.h"

#include <QPainter>

#include <array>

namespace {

constexpr QRgb kWindowBlue = 0xff8080ff; // (128, 128, 255)

// Lot k = 5 r + c + 1; 0 is bare land.
constexpr std::array<int, kLotCount> kRoadTown = {
    14, 11, 19, 11, 13,
    12, 0, 12, 0, 12,
    17, 11, 21, 11, 20,
    12, 0, 12, 0, 12,
    15, 11, 18, 11, 16,
};

constexpr std::array<int, kLotCount> kRailTown = {
    25, 22, 22, 22, 24,
    23, 10, 8, 9, 23,
    23, 11, 11, 28, 23,
    23, 3, 7, 30, 23,
    26, 22, 22, 22, 27,
};

void drawTown(QPainter &painter, const ContactSheet::TileSource &tile, int x0, int y0,
              const std::array<int, kLotCount> &lots)
{
    // Lot by lot in number order, so a building in front covers the lots
    // behind it; half a tile is 16 pixels.
    for (int lot = 1; lot <= kLotCount; ++lot) {
        const LotDiamond::Offset offset = LotDiamond::offset(lot);
        painter.drawImage(x0 + 16 * offset.right, y0 + 16 * offset.down,
                          tile(lots[static_cast<std::size_t>(lot - 1)]));
    }
}

} // namespace

QImage ContactSheet::draw(const TileSource &tile, int scale)
{
    constexpr int columns = 8;
    constexpr int pitch = 40;
    // Bare land first, then every kind.
    constexpr int rows = (kKindCount + 1 + columns - 1) / columns;
    QImage sheet(columns * pitch + 8, rows * pitch + 8 + 176 + 8, QImage::Format_RGB32);
    sheet.fill(kWindowBlue);
    QPainter painter(&sheet);
    for (int kind = 0; kind <= kKindCount; ++kind) {
        const QImage picture = tile(kind);
        if (picture.isNull())
            return {};
        painter.drawImage(8 + (kind % columns) * pitch, 8 + (kind / columns) * pitch, picture);
    }
    const int townTop = rows * pitch + 8 + 8;
    drawTown(painter, tile, 8 + 64, townTop, kRoadTown);
    drawTown(painter, tile, 8 + 64 + 168, townTop, kRailTown);
    painter.end();
    return sheet.scaled(sheet.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
