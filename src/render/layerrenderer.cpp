#include "render/layerrenderer.h"

#include "render/curves.h"

#include <QPaintDevice>

#include <algorithm>
#include <cmath>

QColor ArgbColor(uint32_t argb) { return QColor::fromRgba(QRgb(argb)); }

QPointF OnPixelCentres(const TGPPointF &p) { return QPointF(p.X + PixelCentreOffset, p.Y + PixelCentreOffset); }

// A pen refuses a negative width or one of 32768 and more, and keeps the width it had: the width
// of whatever layer was painted before. Such widths from a file are brought into the pen's range
// instead (a negative one is the one-pixel pen; the widest covers the whole view either way).
static double penWidth(int32_t width)
{
    return std::clamp(double(width), 0.0, 32767.0);
}

LayerRenderer::LayerRenderer()
{
    // Segments meet in sharp, mitered corners; open lines end in round caps.
    Pe_sol = QPen(ArgbColor(0xFF000000u), 0, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
    Pe_sol.setMiterLimit(MiterLimit);

    // Carries the dotted line's width; strokeDotted places its round dots.
    Pe_dot = QPen(ArgbColor(0xFF000000u), 7, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
    Pe_dot.setMiterLimit(MiterLimit);

    Br_i = QBrush(ArgbColor(0xFFFFFFFFu), Qt::SolidPattern);
    for (QBrush &fill : m_fills)
        fill = QBrush(ArgbColor(0xFFFFFFFFu), Qt::SolidPattern);
}

void LayerRenderer::DrawDot(QPainter *g, const TGPPointF &p, uint8_t radius)
{
    // A disc of radius 0 covers nothing, not even a soft speck.
    if (g == nullptr || radius == 0)
        return;
    const float r = float(radius);
    const QPointF centre = OnPixelCentres(p);
    if (CoverageMask::Usable(*g)) {
        m_mask.Begin(*g, Br_i.color().rgba());
        m_mask.AddDisc(centre, r);
        m_mask.Flush(*g);
        return;
    }
    const QRectF rect(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    QPainterPath path;
    path.addEllipse(rect);
    g->fillPath(path, Br_i);
}

namespace {

// The painter's surface in the coordinates of the layer's points, grown by margin.
QRectF paintedArea(const QPainter &g, qreal margin)
{
    const QPaintDevice *dev = g.device();
    const QRectF surface = dev ? QRectF(0, 0, dev->width(), dev->height()) : QRectF(0, 0, 512, 512);
    bool invertible = false;
    const QTransform toPoints = g.worldTransform().inverted(&invertible);
    if (!invertible)
        return QRectF(-1e300, -1e300, 2e300, 2e300);
    return toPoints.mapRect(surface).adjusted(-margin, -margin, margin, margin);
}

} // namespace

// The dotted pen's look — round dots of diameter w every 2w along the line, the first one on the
// line's start — drawn as discs placed along the flattened curve: the same picture as the dash
// stroker gives, at a fraction of its cost for long curves. Where a segment leaves the painted
// area the walk jumps over the outside part, keeping the spacing: a file's line millions of pixels
// long (a huge tension does that) costs no more than the part that can be seen.
void LayerRenderer::strokeDotted(QPainter &g, uint32_t argb)
{
    const qreal w = std::max<qreal>(Pe_dot.widthF(), 1.0);
    const qreal step = 2 * w;
    const QRectF area = paintedArea(g, w / 2 + 2);
    const bool fast = CoverageMask::Usable(g);
    if (fast)
        m_mask.Begin(g, argb);
    // Without the mask the dots go into one path filled once: one figure, as with the mask.
    QPainterPath dots;
    qreal untilNext = 0;  // distance along the line to the next dot
    for (const QPolygonF &poly : std::as_const(m_lines)) {
        for (int i = 1; i < poly.size(); ++i) {
            const QPointF a = poly[i - 1], b = poly[i];
            const qreal len = std::hypot(b.x() - a.x(), b.y() - a.y());
            qreal at = untilNext;
            qreal from = 0, to = len;
            const bool inside = area.contains(a) && area.contains(b);
            if (!inside && !SegmentInside(a, b, area, len, from, to))
                from = to = -1;  // nothing to draw on this segment
            if (at < from)
                at += std::ceil((from - at) / step) * step;  // the first dot in the area
            for (; at <= std::min(to, len); at += step) {
                const QPointF p = len > 0 ? a + (b - a) * (at / len) : a;
                if (fast)
                    m_mask.AddDisc(p, w / 2);
                else
                    dots.addEllipse(p, w / 2, w / 2);
            }
            if (at <= len)
                at += (std::floor((len - at) / step) + 1) * step;  // the first dot past the end
            untilNext = at - len;
        }
    }
    // The dots of one line are one figure: where they overlap they are blended once.
    if (fast) {
        m_mask.Flush(g);
    } else if (!dots.isEmpty()) {
        dots.setFillRule(Qt::WindingFill);
        g.fillPath(dots, ArgbColor(argb));
    }
}

// The outline of a line layer: open or closed by Closure (other values: nothing); at tension 0 a
// broken line when brokenAtZero, otherwise always the cardinal curve.
static QPainterPath outlinePath(const TGPPointF *pts, int n, const R_Curve &c, bool brokenAtZero)
{
    if (c.Closure > 1)
        return {};
    const bool closed = c.Closure == 1;
    QPainterPath path;
    if (brokenAtZero && c.Tension == 0.0f)
        path = PolylinePath(pts, n, closed);
    else
        path = closed ? ClosedCardinalPath(pts, n, c.Tension) : OpenCardinalPath(pts, n, c.Tension);
    path.translate(PixelCentreOffset, PixelCentreOffset);
    return path;
}

// Whether the first n points are all finite numbers: a path leaves out the others, which the
// kept outlines below do not, so such layers are drawn from a path of their own.
static bool allFinite(const TGPPointF *pts, int n)
{
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(pts[i].X) || !std::isfinite(pts[i].Y))
            return false;
    return true;
}

// The same outline flattened into m_lines (one polyline) without making the path; false when it is
// empty.
bool LayerRenderer::outlineLines(const TGPPointF *pts, int n, const R_Curve &c, bool brokenAtZero)
{
    if (!allFinite(pts, n)) {
        const QPainterPath path = outlinePath(pts, n, c, brokenAtZero);
        CoverageMask::Flatten(path, m_lines);
        return !path.isEmpty();
    }
    m_lines.resize(1);
    QPolygonF &line = m_lines[0];
    line.clear();  // keeps its memory
    if (c.Closure > 1)
        return false;
    const bool closed = c.Closure == 1;
    const QPointF off(PixelCentreOffset, PixelCentreOffset);
    if (brokenAtZero && c.Tension == 0.0f) {
        if (n < 2)
            return false;
        for (int i = 0; i < n; ++i)
            line.append(QPointF(pts[i].X, pts[i].Y) + off);
        if (closed && line.last() != line.first())
            line.append(line.first());
        return true;
    }
    CardinalSegments(pts, n, c.Tension, closed, [&](QPointF p0, QPointF c1, QPointF c2, QPointF p3) {
        if (line.isEmpty())
            line.append(p0 + off);
        CoverageMask::FlattenCubic(line, c1 + off, c2 + off, p3 + off);
    });
    return !line.isEmpty();
}

void LayerRenderer::PaintLayer(QPainter &g, const R_Curve &c)
{
    const int n = std::max(0, std::min<int>(c.Count, int(c.XYPoints.size())));
    const TGPPointF *pts = c.XYPoints.data();

    switch (c.TypeC) {
    case KindBackground: {
        g.save();
        g.resetTransform();
        g.setClipping(false);
        g.setCompositionMode(QPainter::CompositionMode_Source);
        const QPaintDevice *dev = g.device();
        const QRect all = dev ? QRect(0, 0, dev->width(), dev->height()) : QRect(0, 0, 512, 512);
        g.fillRect(all, ArgbColor(c.Color));
        g.restore();
        break;
    }
    case KindBlob: {
        Br_i.setColor(ArgbColor(c.Color));
        if (!allFinite(pts, n)) {
            QPainterPath path = ClosedCardinalPath(pts, n, c.Tension);
            path.translate(PixelCentreOffset, PixelCentreOffset);
            if (!path.isEmpty())
                g.fillPath(path, Br_i);
            break;
        }
        // The closed curve on the pixel centres, built in the kept path: its memory stays.
        ClosedCardinalPath(m_blob, pts, n, c.Tension, QPointF(PixelCentreOffset, PixelCentreOffset));
        if (!m_blob.isEmpty()) {
            // The painter keeps the last brush it filled with, so re-colouring that one would copy
            // it: the blobs take turns with two brushes, each free again when the other was used.
            m_nextFill ^= 1;
            m_fills[m_nextFill].setColor(ArgbColor(c.Color));
            g.fillPath(m_blob, m_fills[m_nextFill]);
        }
        break;
    }
    case KindSolid: {
        // The pen takes the colour only where Qt strokes with it: setting a colour makes a new brush.
        Pe_sol.setWidthF(penWidth(c.Width));
        // Width 0 is Qt's one-pixel cosmetic pen; wider lines go through the coverage mask.
        if (Pe_sol.widthF() >= 1 && CoverageMask::Usable(g)) {
            if (!outlineLines(pts, n, c, true))
                break;
            m_mask.Begin(g, c.Color);
            m_mask.AddPolylines(m_lines, Pe_sol.widthF() / 2, Pe_sol.miterLimit(),
                                c.Closure == 1);
            m_mask.Flush(g);
        } else {
            const QPainterPath path = outlinePath(pts, n, c, true);
            if (!path.isEmpty()) {
                Pe_sol.setColor(ArgbColor(c.Color));
                g.strokePath(path, Pe_sol);
            }
        }
        break;
    }
    case KindDotted: {
        Pe_dot.setWidthF(penWidth(c.Width));
        if (outlineLines(pts, n, c, false))
            strokeDotted(g, c.Color);
        break;
    }
    case KindDots: {
        Br_i.setColor(ArgbColor(c.Color));
        const uint8_t r = uint8_t(uint32_t(c.Width) & 0xFFu);
        for (int i = 0; i < n; ++i)
            DrawDot(&g, pts[i], r);
        break;
    }
    default:
        break;
    }
}
