#pragma once
// Cardinal splines as drawn by the curve operations, converted into cubic Bezier paths.

#include "document/geometry.h"

#include <QPainterPath>

/// The cubic Bézier pieces of the cardinal spline through the first n points (tension t, control
/// offset c = t / 3), handed to segment(p0, c1, c2, p3) in order. Open, n - 1 pieces (none for
/// fewer than 2 points); closed, n pieces ending back on the first point (none for fewer than 3).
template <class Segment>
void CardinalSegments(const TGPPointF *pts, int n, float tension, bool closed, Segment &&segment)
{
    if (pts == nullptr || n < (closed ? 3 : 2))
        return;
    const double c = double(tension) / 3.0;
    const auto at = [pts](int i) { return QPointF(pts[i].X, pts[i].Y); };
    const auto tangent = [&](int i) {
        return closed ? c * (at((i + 1) % n) - at((i - 1 + n) % n))
                      : c * (at(i + 1 < n ? i + 1 : n - 1) - at(i > 0 ? i - 1 : 0));
    };
    QPointF ti = tangent(0);
    for (int i = 0; i < (closed ? n : n - 1); ++i) {
        const int j = closed ? (i + 1) % n : i + 1;
        const QPointF tj = tangent(j);
        segment(at(i), at(i) + ti, at(j) - tj, at(j));
        ti = tj;
    }
}

/// Open cardinal spline through the first n points (tension t, control offset c = t / 3).
/// Fewer than 2 points give an empty path; 2 points give a straight segment.
QPainterPath OpenCardinalPath(const TGPPointF *pts, int n, float tension);

/// Closed cardinal spline through the first n points, closed back to the first point.
/// Fewer than 3 points give an empty path. The fill rule is odd-even (alternate).
QPainterPath ClosedCardinalPath(const TGPPointF *pts, int n, float tension);
/// The same curve moved by offset, built in path (its old elements cleared, its memory kept).
void ClosedCardinalPath(QPainterPath &path, const TGPPointF *pts, int n, float tension, QPointF offset);

/// Broken line through the first n points; closed when closed is true. Fewer than 2 points give
/// an empty path.
QPainterPath PolylinePath(const TGPPointF *pts, int n, bool closed);

/// The part of the segment a→b (of length len) that lies in r, as distances from a along it;
/// false when none does. Dotted lines place only the dots that can touch what is drawn.
bool SegmentInside(QPointF a, QPointF b, const QRectF &r, qreal len, qreal &from, qreal &to);
