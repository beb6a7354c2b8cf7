#include "render/curves.h"

#include <algorithm>
#include <utility>

namespace {

QPointF At(const TGPPointF *pts, int i) { return QPointF(pts[i].X, pts[i].Y); }

} // namespace

QPainterPath OpenCardinalPath(const TGPPointF *pts, int n, float tension)
{
    QPainterPath path;
    bool started = false;
    CardinalSegments(pts, n, tension, false, [&](QPointF p0, QPointF c1, QPointF c2, QPointF p3) {
        if (!std::exchange(started, true))
            path.moveTo(p0);
        path.cubicTo(c1, c2, p3);
    });
    return path;
}

void ClosedCardinalPath(QPainterPath &path, const TGPPointF *pts, int n, float tension, QPointF offset)
{
    path.clear();  // keeps its memory
    path.setFillRule(Qt::OddEvenFill);
    bool started = false;
    CardinalSegments(pts, n, tension, true, [&](QPointF p0, QPointF c1, QPointF c2, QPointF p3) {
        if (!std::exchange(started, true))
            path.moveTo(p0 + offset);
        path.cubicTo(c1 + offset, c2 + offset, p3 + offset);
    });
    if (started)
        path.closeSubpath();
}

QPainterPath ClosedCardinalPath(const TGPPointF *pts, int n, float tension)
{
    QPainterPath path;
    ClosedCardinalPath(path, pts, n, tension, QPointF());
    return path;
}

QPainterPath PolylinePath(const TGPPointF *pts, int n, bool closed)
{
    QPainterPath path;
    if (pts == nullptr || n < 2)
        return path;
    path.moveTo(At(pts, 0));
    for (int i = 1; i < n; ++i)
        path.lineTo(At(pts, i));
    if (closed)
        path.closeSubpath();
    return path;
}

bool SegmentInside(QPointF a, QPointF b, const QRectF &r, qreal len, qreal &from, qreal &to)
{
    qreal t0 = 0, t1 = 1;
    // Each edge of r keeps the parameters t with p·t ≤ q.
    const auto keep = [&](qreal p, qreal q) {
        if (p == 0)
            return q >= 0;
        const qreal t = q / p;
        if (p < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    const qreal dx = b.x() - a.x(), dy = b.y() - a.y();
    if (!keep(-dx, a.x() - r.left()) || !keep(dx, r.right() - a.x()) || !keep(-dy, a.y() - r.top())
        || !keep(dy, r.bottom() - a.y()))
        return false;
    from = t0 * len;
    to = t1 * len;
    return true;
}
