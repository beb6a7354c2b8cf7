#pragma once
// Cardinal splines as drawn by the curve operations, converted into cubic Bezier paths.

#include "document/geometry.h"

#include <QPainterPath>

/// Open cardinal spline through the first n points (tension t, control offset c = t / 3).
/// Fewer than 2 points give an empty path; 2 points give a straight segment.
QPainterPath OpenCardinalPath(const TGPPointF *pts, int n, float tension);

/// Closed cardinal spline through the first n points, closed back to the first point.
/// Fewer than 3 points give an empty path. The fill rule is odd-even (alternate).
QPainterPath ClosedCardinalPath(const TGPPointF *pts, int n, float tension);

/// Broken line through the first n points; closed when closed is true. Fewer than 2 points give
/// an empty path.
QPainterPath PolylinePath(const TGPPointF *pts, int n, bool closed);

/// The part of the segment a→b (of length len) that lies in r, as distances from a along it;
/// false when none does. Dotted lines place only the dots that can touch what is drawn.
bool SegmentInside(QPointF a, QPointF b, const QRectF &r, qreal len, qreal &from, qreal &to);
