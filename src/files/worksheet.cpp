#include "files/worksheet.h"

#include "render/fonts.h"
#include "render/pngfile.h"
#include "render/vectorpainter.h"

#include "document/errors.h"
#include "document/runtimetexts.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>

#include <algorithm>

namespace {

/// Fine enough that rounding the names' font size to whole device pixels is never seen.
constexpr int Resolution = 1200;

double mm(double millimetres) { return millimetres * Resolution / 25.4; }

} // namespace

const QList<int> &WorksheetSizes()
{
    static const QList<int> sizes = {1, 2, 4, 6, 12, 20};
    return sizes;
}

QSize WorksheetGrid(int perPage)
{
    switch (perPage) {
    case 1: return {1, 1};
    case 2: return {1, 2};
    case 4: return {2, 2};
    case 6: return {2, 3};
    case 12: return {3, 4};
    default: return {4, 5};
    }
}

QString WorksheetName(const QString &fileName)
{
    QString name = QFileInfo(fileName).fileName();
    if (name.endsWith(QStringLiteral(".vkz"), Qt::CaseInsensitive))
        name.chop(4);
    static const QRegularExpression number(QStringLiteral("^[0-9]+[ _-]*"));
    const QString rest = name.mid(int(number.match(name).capturedLength()));
    return rest.trimmed().isEmpty() ? name : rest;
}

int WriteWorksheet(const QList<WorksheetItem> &items, const QImage &startPicture, const WorksheetOptions &options,
                   const QString &path)
{
    // Drawn in memory first: the file itself is written by the one writer that checks every byte.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(Resolution);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                  QPageLayout::Millimeter));
    pdf.setTitle(QStringLiteral("Arkusz piktogramów"));
    pdf.setCreator(QStringLiteral("Merisko"));

    const QSize grid = WorksheetGrid(options.perPage);
    const int perPage = grid.width() * grid.height();
    // The painter's origin is the top left corner inside the margins.
    const QSizeF area = pdf.pageLayout().paintRectPixels(Resolution).size();
    const double cellW = area.width() / grid.width(), cellH = area.height() / grid.height();
    // A gap of 3 mm round each picture, and a line of text under it of about a tenth of the cell.
    const double gap = mm(3);
    const double nameHeight = options.names ? std::clamp(std::min(cellW, cellH) / 9, mm(4), mm(9)) : 0;
    const double side = std::min(cellW - 2 * gap, cellH - 2 * gap - nameHeight);
    QFont font(InterfaceFontFamily());
    font.setPixelSize(std::max(1, int(nameHeight * 0.62)));

    QPainter g;
    if (!g.begin(&pdf))
        throw PictureError(QString::fromStdString(
            FileCreateMessage(path.toStdString(), PictureProblemText(PictureProblem::Empty))));
    const QFontMetricsF metrics(font, &pdf);
    QPen cut(QColor(0x90, 0x90, 0x90), mm(0.2), Qt::DashLine);
    int pages = 0;
    for (int i = 0; i < std::max<qsizetype>(items.size(), 1); i += perPage) {
        if (i > 0)
            pdf.newPage();
        ++pages;
        for (int k = 0; k < perPage && i + k < items.size(); ++k) {
            const QRectF cell((k % grid.width()) * cellW, (k / grid.width()) * cellH, cellW, cellH);
            const double top = cell.top() + (cellH - side - nameHeight) / 2;
            const QRectF picture(cell.center().x() - side / 2, top, side, side);
            PaintExportVector(g, startPicture, items[i + k].doc, picture);
            if (options.names) {
                g.setFont(font);
                g.setPen(Qt::black);
                const QRectF line(cell.left() + gap, picture.bottom(), cellW - 2 * gap, nameHeight);
                g.drawText(line, Qt::AlignCenter, metrics.elidedText(items[i + k].name, Qt::ElideRight, line.width()));
            }
            if (options.cutLines) {
                g.setPen(cut);
                g.setBrush(Qt::NoBrush);
                g.drawRect(cell);
            }
        }
    }
    g.end();
    WritePictureFile(bytes, path);
    return pages;
}
