#include "contactsheet.h"

#include "render/tiles.h"

#include <QFont>
#include <QPainter>

namespace {

constexpr int Columns = 6;
constexpr int Tile = 128;
constexpr int CellWidth = 160;
constexpr int CellHeight = 184;
constexpr int Margin = 16;
const QColor SheetColour(241, 241, 241);

} // namespace

QImage MakeContactSheet(const std::vector<SheetItem> &items)
{
    const int rows = (int(items.size()) + Columns - 1) / Columns;
    QImage sheet(2 * Margin + Columns * CellWidth, 2 * Margin + rows * CellHeight, QImage::Format_RGB32);
    sheet.fill(SheetColour);
    QPainter g(&sheet);
    g.setRenderHint(QPainter::Antialiasing);
    QFont nameFont("DejaVu Sans");
    nameFont.setPixelSize(15);
    nameFont.setBold(true);
    QFont numberFont("DejaVu Sans");
    numberFont.setPixelSize(12);

    for (std::size_t i = 0; i < items.size(); ++i) {
        const int left = Margin + int(i % Columns) * CellWidth;
        const int top = Margin + int(i / Columns) * CellHeight;
        QImage tile = items[i].picture.scaled(Tile, Tile, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        MaskRoundCorners(tile, Tile, SheetColour);
        {
            QPainter t(&tile);
            t.setRenderHint(QPainter::Antialiasing);
            DrawRoundFrame(t, QPen(QColor(0xBB, 0xBB, 0xBB), 1), Tile);
        }
        g.drawImage(left + (CellWidth - Tile) / 2, top, tile);
        g.setPen(QColor(0x2E, 0x34, 0x36));
        g.setFont(nameFont);
        g.drawText(QRect(left, top + Tile + 6, CellWidth, 20), Qt::AlignHCenter | Qt::AlignVCenter,
                   items[i].name);
        g.setPen(QColor(0x88, 0x8A, 0x85));
        g.setFont(numberFont);
        g.drawText(QRect(left, top + Tile + 27, CellWidth, 16), Qt::AlignHCenter | Qt::AlignVCenter,
                   QString::number(items[i].number));
    }
    return sheet;
}
