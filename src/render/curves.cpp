#include "render/curves.h"

#include <algorithm>

namespace {

QPointF At(const TGPPointF *pts, int i) { return QPointF(pts[i].X, pts[i].Y); }

} // namespace

QPainterPath OpenCardinalPath(const TGPPointF *pts, int n, float tension)
{
    QPainterPath path;
    if (pts == nullptr || n < 2)
        return path;
    const double c = double(tension) / 3.0;
    auto tangent = [&](int i) {
        return c * (At(pts, std::min(i + 1, n - 1)) - At(pts, std::max(i - 1, 0)));
    };
    path.moveTo(At(pts, 0));
    QPointF ti = tangent(0);
    for (int i = 0; i <= n - 2; ++i) {
        const QPointF tj = tangent(i + 1);
        path.cubicTo(At(pts, i) + ti, At(pts, i + 1) - tj, At(pts, i + 1));
        ti = tj;
    }
    return path;
}

QPainterPath ClosedCardinalPath(const TGPPointF *pts, int n, float tension)
{
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    if (pts == nullptr || n < 3)
        return path;
    const double c = double(tension) / 3.0;
    auto tangent = [&](int i) { return c * (At(pts, (i + 1) % n) - At(pts, (i - 1 + n) % n)); };
    path.moveTo(At(pts, 0));
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        path.cubicTo(At(pts, i) + tangent(i), At(pts, j) - tangent(j), At(pts, j));
    }
    path.closeSubpath();
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
