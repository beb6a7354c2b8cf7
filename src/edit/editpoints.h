#pragma once
// The four operations on the current layer's point list, and the resampling of a free-hand
// stroke. They change only Count and XYPoints; the polar points follow at the next XYToPolar.
// Points are pixels of the 512 × 512 view.

#include "document/picto.h"
#include "edit/editstate.h"

#include <vector>

/// Appends p to the current layer. Does nothing on a document without layers.
void AppendPoint(PictoDocument &doc, TGPPointF p);
/// Index of the current layer's point nearest to p, the lowest index on a tie; −1 unless the
/// pointer shape is crDrag (the view's pixel test found a marker) or when the layer has no points.
int FindNearestPoint(const PictoDocument &doc, PointerShape shape, TGPPointF p);
/// Inserts p at index k + 1 of the current layer: k = −1 puts it first, k = Count − 1 last.
void InsertPointAfter(PictoDocument &doc, int k, TGPPointF p);
/// Removes point k of the current layer.
void DeletePoint(PictoDocument &doc, int k);

/// Gives a layer without points the 12 points at (0, 0) a sketch starts from.
void GiveSketchPoints(R_Curve &layer);
/// Places the layer's Count points on the stroke at equal steps in sample count: the first point
/// on the first sample, the last on the last (a single point on the first); no samples, no change.
void ResampleStroke(R_Curve &layer, const std::vector<TGPPointF> &samples);
