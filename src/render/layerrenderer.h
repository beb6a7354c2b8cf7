#pragma once
// Paints one layer of a pictogram onto a 512 x 512 surface with shared, re-coloured pens and brush.

#include "document/geometry.h"
#include "document/picto.h"
#include "render/coverage.h"

#include <QBrush>
#include <QPainter>
#include <QPen>

#include <cmath>
#include <cstdint>

/// Layer points are pixel centres: point (x, y) is the centre of pixel (x, y), where Qt's painting
/// puts that centre at (x + 0.5, y + 0.5). The renderer adds this offset to every point it draws.
constexpr qreal PixelCentreOffset = 0.5;

/// A layer point in Qt's coordinates of the surface (see PixelCentreOffset).
QPointF OnPixelCentres(const TGPPointF &p);

/// Miter limit of the line pens, as QPen measures it: a miter is cut square once its tip lies
/// farther than this many pen widths along the outer edge past the joint. Ours are cut when the tip
/// lies farther than 10 half widths from the joint itself (10 widths from the inner corner to the
/// outer one), which is sqrt(10² - 1) / 2 in QPen's measure.
inline const qreal MiterLimit = std::sqrt(99.0) / 2;

class LayerRenderer {
public:
    LayerRenderer();

    /// Draws layer c onto g, whose coordinates are the surface's pixels (no scaling: smaller
    /// pictures are reduced afterwards). Only the first Count points are used. Background layers
    /// clear the whole surface; unknown kinds, and line kinds with a closure other than 0 or 1,
    /// draw nothing.
    void PaintLayer(QPainter &g, const R_Curve &c);

    /// Fills, with the current colour of Br_i, the disc of the given radius centred on p.
    /// Does nothing when g is null or the radius is 0.
    void DrawDot(QPainter *g, const TGPPointF &p, uint8_t radius);

private:
    bool outlineLines(const TGPPointF *pts, int n, const R_Curve &c, bool brokenAtZero);
    void strokeDotted(QPainter &g, uint32_t argb);  ///< the dotted line along m_lines

    CoverageMask m_mask;  ///< fast antialiased strokes and discs, when the painter allows them
    QList<QPolygonF> m_lines;  ///< the flattened outline of the layer being drawn, its memory kept
    QPainterPath m_blob;       ///< the outline of the blob being filled, its memory kept
    QBrush m_fills[2];         ///< the blobs' brushes, used by turns
    int m_nextFill = 0;

public:
    /// Shared drawing objects; colour and width stay as last set.
    QPen Pe_sol;   ///< solid line pen (kind 2)
    QPen Pe_dot;   ///< dotted line pen (kind 3)
    QBrush Br_i;   ///< fill brush (kinds 1 and 4, point markers)
};

/// Converts an ARGB value (alpha in the top byte) into a colour.
QColor ArgbColor(uint32_t argb);
