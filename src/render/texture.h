#pragma once
// The texture behind every picture of a pictogram, laid by copying its rows.

#include <QBrush>
#include <QPainter>
#include <QRect>

/// Fills area of g with the texture brush, tiled from the device's origin: the same pixels as
/// g.fillRect(area, texture). An opaque texture on a plain image painted without transformation,
/// clipping or blending is copied row by row; anything else goes to fillRect.
void FillWithTexture(QPainter &g, const QRect &area, const QBrush &texture);
