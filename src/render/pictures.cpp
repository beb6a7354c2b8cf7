#include "render/pictures.h"

#include "render/pngfile.h"
#include "render/texture.h"
#include "render/tiles.h"

#include "document/errors.h"
#include "document/runtimetexts.h"

#include <QBuffer>
#include <QPainter>

#include <algorithm>
#include <vector>

void RenderCompositeInto(QImage &pure, LayerRenderer &renderer, const QBrush &texture, const PictoDocument &doc,
                         LayerStackCache *kept)
{
    if (pure.size() != QSize(512, 512) || pure.format() != QImage::Format_RGB32)
        pure = QImage(512, 512, QImage::Format_RGB32);
    // Cleared with the texture first, so the composite never depends on what was drawn before.
    QPainter g(&pure);
    if (kept != nullptr) {
        kept->PaintStack(g, doc, texture, renderer);
        return;
    }
    // A background layer replaces everything under it: nothing before the last one is painted.
    int first = doc.Dimension - 1;
    while (first >= 0 && doc.TCurveStruct[size_t(first)].TypeC != KindBackground)
        --first;
    if (first < 0) {
        FillWithTexture(g, QRect(0, 0, 512, 512), texture);
        first = 0;
    }
    for (int i = first; i < doc.Dimension; ++i)
        renderer.PaintLayer(g, doc.TCurveStruct[i]);
}

QImage RenderComposite(LayerRenderer &renderer, const QBrush &texture, const PictoDocument &doc,
                       LayerStackCache *kept)
{
    QImage pure;
    RenderCompositeInto(pure, renderer, texture, doc, kept);
    return pure;
}

QImage RenderLayerThumb(LayerRenderer &renderer, const QBrush &texture, const R_Curve &layer)
{
    // The full-size picture is only sampled: one per thread serves every thumbnail, with a painter
    // that stays open on it. The thumbnail is reused too while no caller holds the last one.
    thread_local QImage pure(512, 512, QImage::Format_RGB32);
    thread_local QPainter g(&pure);
    thread_local QImage thumb;
    FillWithTexture(g, QRect(0, 0, 512, 512), texture);
    renderer.PaintLayer(g, layer);
    if (!thumb.isDetached() || thumb.size() != QSize(64, 64))
        thumb = QImage(64, 64, QImage::Format_RGB32);
    // Each thumbnail pixel takes the source pixel just above and left of the middle of its 8 × 8
    // block, as Qt's fast scaling picks it; a 2-pixel frame in RGB(0xAA, 0x88, 0x77) goes round.
    const QRgb frame = qRgb(0xAA, 0x88, 0x77);
    for (int y = 0; y < 64; ++y) {
        const QRgb *src = reinterpret_cast<const QRgb *>(pure.constScanLine(8 * y + 3));
        QRgb *out = reinterpret_cast<QRgb *>(thumb.scanLine(y));
        const bool edge = y < 2 || y > 61;
        for (int x = 0; x < 64; ++x)
            out[x] = edge || x < 2 || x > 61 ? frame : src[8 * x + 3];
    }
    return thumb;
}

namespace {

// How source pixels [first, first + count) share one pixel of a reduction, in 1/256 of a source
// pixel each (the first and last ones partly).
struct Share {
    int first = 0, count = 0;
    int weight[64] = {};
};

// The shares of every pixel of a reduction from `from` pixels to `to`: pixel i averages the
// source interval [i from / to, (i + 1) from / to), each source pixel by its overlap.
void reductionShares(int from, int to, std::vector<Share> &shares)
{
    shares.resize(size_t(to));
    for (int i = 0; i < to; ++i) {
        Share &sh = shares[size_t(i)];
        // In 1/256 of a source pixel, so the shares add up exactly.
        const long lo = long(i) * from * 256 / to, hi = long(i + 1) * from * 256 / to;
        sh.first = int(lo / 256);
        sh.count = std::min(64, int((hi + 255) / 256) - sh.first);
        for (int k = 0; k < sh.count; ++k) {
            const long a = std::max(lo, long(sh.first + k) * 256), b = std::min(hi, long(sh.first + k + 1) * 256);
            sh.weight[k] = int(std::max(0L, b - a));
        }
    }
}

} // namespace

// The composite reduced to n × n by averaging the area each pixel covers, as a smooth reduction
// does, without Qt's scaler: that one starts worker threads and makes new pictures for each call.
static void areaReduced(const QImage &composite, int n, QImage &out)
{
    const QImage src = composite.format() == QImage::Format_RGB32 || composite.format() == QImage::Format_ARGB32
        ? composite : composite.convertToFormat(QImage::Format_RGB32);
    const int w = src.width(), h = src.height();
    if (w == 0 || h == 0 || w / n >= 30 || h / n >= 60) {
        out = src.scaled(n, n, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
        return;
    }
    if (!out.isDetached() || out.size() != QSize(n, n) || out.format() != QImage::Format_RGB32)
        out = QImage(n, n, QImage::Format_RGB32);
    thread_local std::vector<Share> across, down;
    thread_local std::vector<uint32_t> rows;  // each source row reduced across: n pixels of 3 sums
    reductionShares(w, n, across);
    reductionShares(h, n, down);
    rows.resize(size_t(h) * size_t(n) * 3);
    // Weighted sums only, divided once at the end. Across, a reduced pixel of fewer than 31
    // source pixels sums to under 255 x 31 x 256 < 2^21 a channel.
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        uint32_t *sums = rows.data() + size_t(y) * size_t(n) * 3;
        for (int i = 0; i < n; ++i) {
            const Share &sh = across[size_t(i)];
            // The three channels side by side in 21-bit lanes of one number, one multiply a pixel.
            uint64_t lanes = 0;
            for (int k = 0; k < sh.count; ++k) {
                const uint64_t p = line[sh.first + k];
                lanes += ((p & 0xFF) | ((p & 0xFF00) << 13) | ((p & 0xFF0000) << 26)) * uint64_t(sh.weight[k]);
            }
            sums[i * 3] = uint32_t(lanes >> 42);
            sums[i * 3 + 1] = uint32_t((lanes >> 21) & 0x1FFFFF);
            sums[i * 3 + 2] = uint32_t(lanes & 0x1FFFFF);
        }
    }
    for (int j = 0; j < n; ++j) {
        const Share &sh = down[size_t(j)];
        QRgb *dst = reinterpret_cast<QRgb *>(out.scanLine(j));
        uint64_t totalDown = 0;
        for (int k = 0; k < sh.count; ++k)
            totalDown += uint64_t(sh.weight[k]);
        for (int i = 0; i < n; ++i) {
            uint64_t r = 0, g = 0, b = 0;
            for (int k = 0; k < sh.count; ++k) {
                const uint32_t *p = rows.data() + (size_t(sh.first + k) * size_t(n) + size_t(i)) * 3;
                const uint64_t wt = uint64_t(sh.weight[k]);
                r += p[0] * wt;
                g += p[1] * wt;
                b += p[2] * wt;
            }
            const Share &ax = across[size_t(i)];
            uint64_t totalAcross = 0;
            for (int k = 0; k < ax.count; ++k)
                totalAcross += uint64_t(ax.weight[k]);
            const uint64_t div = std::max<uint64_t>(1, totalDown * totalAcross), half = div / 2;
            dst[i] = qRgb(int((r + half) / div), int((g + half) / div), int((b + half) / div));
        }
    }
}

// The rounded corners and the grey frame of an n × n tile.
static void finishTile(QImage &tile, int n, bool antialiasedFrame)
{
    MaskRoundCorners(tile, n, TileCornerColor);
    QPainter g(&tile);
    g.setRenderHint(QPainter::Antialiasing, antialiasedFrame);
    DrawRoundFrame(g, QPen(QColor(0xBB, 0xBB, 0xBB), 1), n);
}

namespace {

// What finishing does to a tile, learnt once: each pixel it touches ends as an affine function of
// what was there, channel by channel, found by finishing an all-black and an all-white tile.
struct TileFinish {
    int n = 0;
    bool antialiased = false;
    struct Touch {
        int x, y;
        QRgb onBlack, onWhite;
    };
    std::vector<Touch> touches;
    QImage tile;  ///< the last tile made, reused while no caller holds it
};

TileFinish &finishFor(int n, bool antialiased)
{
    thread_local std::vector<TileFinish> finishes;
    for (TileFinish &f : finishes)
        if (f.n == n && f.antialiased == antialiased)
            return f;
    TileFinish f;
    f.n = n;
    f.antialiased = antialiased;
    QImage black(n, n, QImage::Format_RGB32), white(n, n, QImage::Format_RGB32);
    black.fill(Qt::black);
    white.fill(Qt::white);
    finishTile(black, n, antialiased);
    finishTile(white, n, antialiased);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            if (black.pixel(x, y) != qRgb(0, 0, 0) || white.pixel(x, y) != qRgb(255, 255, 255))
                f.touches.push_back({x, y, black.pixel(x, y), white.pixel(x, y)});
    finishes.push_back(std::move(f));
    return finishes.back();
}

} // namespace

static QImage roundTile(const QImage &composite, int n, bool antialiasedFrame)
{
    TileFinish &finish = finishFor(n, antialiasedFrame);
    areaReduced(composite, n, finish.tile);
    if (finish.tile.size() != QSize(n, n) || finish.tile.format() != QImage::Format_RGB32) {
        finishTile(finish.tile, n, antialiasedFrame);
        return finish.tile;
    }
    const auto channel = [](int b, int w, int c) { return b + ((w - b) * c + 127) / 255; };
    for (const TileFinish::Touch &t : finish.touches) {
        QRgb &p = reinterpret_cast<QRgb *>(finish.tile.scanLine(t.y))[t.x];
        p = qRgb(channel(qRed(t.onBlack), qRed(t.onWhite), qRed(p)),
                 channel(qGreen(t.onBlack), qGreen(t.onWhite), qGreen(p)),
                 channel(qBlue(t.onBlack), qBlue(t.onWhite), qBlue(p)));
    }
    return finish.tile;
}

QImage RenderPreview(const QImage &composite) { return roundTile(composite, 72, true); }

QImage RenderDocumentThumb(const QImage &composite) { return roundTile(composite, 64, false); }

QImage RenderExportPicture(LayerRenderer &renderer, const QImage &startPicture, const PictoDocument &doc)
{
    // Each export starts from the start picture, so a document always exports to the same picture.
    QImage png = startPicture.convertToFormat(QImage::Format_RGB32).copy(0, 0, 512, 512);
    QPainter g(&png);
    g.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < doc.Dimension; ++i)
        renderer.PaintLayer(g, doc.TCurveStruct[i]);
    DrawRoundFrame(g, QPen(Qt::white, 5), 512);
    // White corners: every corner pixel farther than 80 pixels from its centre 80 pixels in.
    g.setRenderHint(QPainter::Antialiasing, false);
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(Qt::white, 40));
    g.drawRoundedRect(QRectF(-20, -20, 551, 551), 100, 100);
    return png;
}

void SaveBmpFile(const QImage &image, const QString &path)
{
    // Encoded in memory first: the file itself is written by the one writer that checks every byte.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "BMP"))
        throw PictureError(QString::fromStdString(
            FileCreateMessage(path.toStdString(), PictureProblemText(PictureProblem::Empty))));
    WritePictureFile(bytes, path);
}
