#pragma once
// The layers of a pictogram drawn with QPainter paths only, for pictures of any size and for vector
// files (SVG, PDF): the same curves as the raster renderer, without its pixel-level shortcuts.

#include "document/picto.h"

#include <QImage>
#include <QPainter>
#include <QRectF>

/// Draws layer c onto g in the coordinates of the 512 × 512 view (points on pixel centres, as the
/// raster renderer puts them); the painter's transform places the view on its device. Background
/// layers fill the view's square; unknown kinds and line kinds with a closure other than 0 or 1
/// draw nothing. Solid lines have round caps and mitered joins, dotted lines are round dots of the
/// line's width every two widths, dots are circles, blobs are filled.
void PaintLayerVector(QPainter &g, const R_Curve &c);

/// The export picture (every layer over the start picture, the white rounded frame and the white
/// corners; never the point overlay) drawn into target, a square in g's coordinates, with paths only.
void PaintExportVector(QPainter &g, const QImage &startPicture, const PictoDocument &doc, const QRectF &target);

/// The export picture at size × size pixels, drawn through the vector path.
QImage RenderExportPictureAt(const QImage &startPicture, const PictoDocument &doc, int size);
