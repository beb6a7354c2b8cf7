#include "render/vectorpainter.h"

#include "render/coverage.h"
#include "render/curves.h"
#include "render/layerrenderer.h"
#include "render/tiles.h"

#include <QPaintEngine>

#include <algorithm>
#include <cmath>

namespace {

/// The side of the editing view, in its pixels: the square every layer is drawn in.
constexpr qreal ViewSide = 512;

QPainterPath onCentres(QPainterPath path)
{
    path.translate(PixelCentreOffset, PixelCentreOffset);
    return path;
}

// The outline of a line layer as the raster renderer makes it: open or closed by Closure (other
// values: nothing); at tension 0 a broken line when brokenAtZero, otherwise the cardinal curve.
QPainterPath outline(const TGPPointF *pts, int n, const R_Curve &c, bool brokenAtZero)
{
    if (c.Closure > 1)
        return {};
    const bool closed = c.Closure == 1;
    if (brokenAtZero && c.Tension == 0.0f)
        return onCentres(PolylinePath(pts, n, closed));
    return onCentres(closed ? ClosedCardinalPath(pts, n, c.Tension) : OpenCardinalPath(pts, n, c.Tension));
}

// Round dots of diameter w every 2w along path, the first on its start, placed along the same
// flattened curve as the raster renderer's dots so that the two never drift apart. Only the dots
// that can touch the view are kept: a line millions of pixels long costs what its visible part does.
QPainterPath dottedFigure(const QPainterPath &path, qreal w)
{
    const qreal step = 2 * w, r = w / 2;
    const QRectF area = QRectF(0, 0, ViewSide, ViewSide).adjusted(-r - 2, -r - 2, r + 2, r + 2);
    QPainterPath dots;
    dots.setFillRule(Qt::WindingFill);  // overlapping dots make one figure, never holes
    qreal untilNext = 0;
    for (const QPolygonF &poly : CoverageMask::Flatten(path)) {
        for (int i = 1; i < poly.size(); ++i) {
            const QPointF a = poly[i - 1], b = poly[i];
            const qreal len = std::hypot(b.x() - a.x(), b.y() - a.y());
            qreal at = untilNext, from = 0, to = len;
            if (!SegmentInside(a, b, area, len, from, to))
                from = to = -1;
            if (at < from)
                at += std::ceil((from - at) / step) * step;
            for (; at <= std::min(to, len); at += step)
                dots.addEllipse(len > 0 ? a + (b - a) * (at / len) : a, r, r);
            if (at <= len)
                at += (std::floor((len - at) / step) + 1) * step;
            untilNext = at - len;
        }
    }
    return dots;
}

} // namespace

void PaintLayerVector(QPainter &g, const R_Curve &c)
{
    const int n = std::max(0, std::min<int>(c.Count, int(c.XYPoints.size())));
    const TGPPointF *pts = c.XYPoints.data();
    const QColor colour = ArgbColor(c.Color);
    g.save();
    switch (c.TypeC) {
    case KindBackground: {
        // A background replaces whatever lies under it; the raster view keeps no transparency, so a
        // translucent colour shows as its premultiplied value, opaque: darker by its alpha.
        const QRgb stored = qPremultiply(colour.rgba());
        g.fillRect(QRectF(0, 0, ViewSide, ViewSide), QColor(qRed(stored), qGreen(stored), qBlue(stored)));
        break;
    }
    case KindBlob: {
        const QPainterPath path = onCentres(ClosedCardinalPath(pts, n, c.Tension));
        if (!path.isEmpty())
            g.fillPath(path, colour);
        break;
    }
    case KindSolid: {
        const QPainterPath path = outline(pts, n, c, true);
        if (path.isEmpty())
            break;
        // Width 0 is the raster view's one-pixel line: one pixel of the view at any scale.
        const qreal width = std::clamp(double(c.Width), 1.0, 32767.0);
        QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
        pen.setMiterLimit(MiterLimit);
        g.strokePath(path, pen);
        break;
    }
    case KindDotted: {
        const QPainterPath path = outline(pts, n, c, false);
        if (path.isEmpty())
            break;
        const qreal width = std::clamp(double(c.Width), 1.0, 32767.0);
        const QPainterPath dots = dottedFigure(path, width);
        if (!dots.isEmpty())
            g.fillPath(dots, colour);
        break;
    }
    case KindDots: {
        const qreal r = qreal(uint32_t(c.Width) & 0xFFu);
        if (r == 0)
            break;
        QPainterPath dots;
        dots.setFillRule(Qt::WindingFill);
        for (int i = 0; i < n; ++i)
            dots.addEllipse(OnPixelCentres(pts[i]), r, r);
        if (!dots.isEmpty())
            g.fillPath(dots, colour);
        break;
    }
    default:
        break;
    }
    g.restore();
}

void PaintExportVector(QPainter &g, const QImage &startPicture, const PictoDocument &doc, const QRectF &target)
{
    g.save();
    g.translate(target.topLeft());
    g.scale(target.width() / ViewSide, target.height() / ViewSide);
    g.setClipRect(QRectF(0, 0, ViewSide, ViewSide), Qt::IntersectClip);
    g.setRenderHint(QPainter::Antialiasing, true);
    g.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Each export starts from the start picture, so a document always exports to the same picture.
    g.drawImage(QRectF(0, 0, ViewSide, ViewSide), startPicture);
    for (int i = 0; i < doc.Dimension && i < int(doc.TCurveStruct.size()); ++i)
        PaintLayerVector(g, doc.TCurveStruct[i]);
    DrawRoundFrame(g, QPen(Qt::white, 5), int(ViewSide));
    // White corners: everything farther than 80 pixels from the centres 80 pixels in from the edges,
    // with a hard edge as in the 512 × 512 export (vector files have no pixels to soften).
    g.setRenderHint(QPainter::Antialiasing, false);
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(Qt::white, 40));
    // An aliased outline on pixels covers one pixel more than its width: one device pixel less
    // keeps the four corners alike (and the 512 × 512 picture the raster export's).
    const bool pixels = g.paintEngine() != nullptr && g.paintEngine()->type() == QPaintEngine::Raster;
    const qreal side = 552 - (pixels ? 1 / g.deviceTransform().m11() : 0);
    g.drawRoundedRect(QRectF(-20, -20, side, side), 100, 100);
    g.restore();
}

QImage RenderExportPictureAt(const QImage &startPicture, const PictoDocument &doc, int size)
{
    QImage picture(size, size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter g(&picture);
    PaintExportVector(g, startPicture, doc, QRectF(0, 0, size, size));
    return picture;
}
