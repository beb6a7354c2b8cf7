#pragma once
// The rounded tile look shared by the preview, document thumbnails and the reference strip.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>

/// The integer measures of a rounded frame of N pixels: corner box b, far corner c, last pixel m,
/// straight edges from d to e.
struct RoundFrameGeometry {
    int b, c, m, d, e;
};
RoundFrameGeometry RoundFrameMeasures(int n);

/// Draws a rounded-square outline of n × n pixels with the pen; the painter's own smoothing applies.
void DrawRoundFrame(QPainter &surface, const QPen &pen, int n);

/// Paints the corners outside a rounded square of n × n pixels in the colour, without antialiasing,
/// leaving a thin pale ring just inside the edge.
void MaskRoundCorners(QImage &image, int n, const QColor &colour);
