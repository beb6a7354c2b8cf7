#pragma once
// Strokes (round caps, miter joins) and discs, rasterised by distance to the line and blended into
// the painter's picture. Much cheaper than Qt's stroker for the wide, many-jointed lines of a
// pictogram, with the same look: antialiased, full cover up to half the width and a one-pixel soft
// edge; aliased, every pixel whose centre lies inside.

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRect>

#include <cstdint>
#include <unordered_map>
#include <vector>

class CoverageMask {
public:
    /// True when g paints untransformed and unclipped, in source-over mode: the only state in
    /// which this mask's picture matches what Qt would paint.
    static bool Usable(const QPainter &g);

    /// Prepares the mask for painting shapes in colour argb on g's device; call before adding
    /// them. The shapes get soft edges when g antialiases, hard ones (a pixel wholly in or out)
    /// when it does not. Hard shapes in an opaque colour may be painted as they are added.
    void Begin(const QPainter &g, uint32_t argb);

    /// Adds the disc of the given radius centred on c (pixels of the device).
    void AddDisc(QPointF c, double radius);
    /// The path as polylines, each cubic cut into as few straight pieces as keep within tolerance
    /// pixels of it (Wang's bound on the second differences of its control points).
    static QList<QPolygonF> Flatten(const QPainterPath &path, double tolerance = 0.2);
    /// The same polylines written into lines, reusing the memory its polylines already hold.
    static void Flatten(const QPainterPath &path, QList<QPolygonF> &lines, double tolerance = 0.2);
    /// Appends to line, which ends on the cubic's start, the pieces of the cubic on to p3.
    static void FlattenCubic(QPolygonF &line, QPointF p1, QPointF p2, QPointF p3, double tolerance = 0.2);

    /// Adds every segment of every polyline: a stroke of width 2 * radius with miter joins, cut
    /// off as Qt::MiterJoin cuts them (miterLimit in pen widths, measured as QPen measures it).
    /// Open polylines get round caps; with closed, a polyline that ends on its first point is a
    /// ring, joined there too.
    void AddPolylines(const QList<QPolygonF> &lines, double radius, double miterLimit, bool closed);

    /// Paints the union of the shapes added since Begin in its colour onto g (one blend, as one
    /// filled path would) and empties the mask.
    void Flush(QPainter &g);

private:
    struct Stamp {
        int reach = 0, side = 0;     ///< pixels from the centre pixel to the edge; side = 2 reach + 1
        std::vector<uint8_t> cover;  ///< side x side coverage values
        std::vector<int> runFrom, runTo;  ///< each row's covered pixels, when hard
    };
    /// The disc of radius halves / 2 centred fx / 8, fy / 8 into its centre pixel, made once for
    /// soft and once for hard edges.
    const Stamp &stampFor(int halves, int fx, int fy);
    /// The byte of coverage c (in pixels of depth past the outer edge of the soft fringe).
    uint8_t coverage(double c) const;
    void addBand(QPointF a, QPointF b, double radius);
    void addMiter(QPointF p, QPointF d1, QPointF d2, double radius, double miterLimit);
    void markDirty(int x0, int x1, int y);
    void fullSpan(uint8_t *row, int y, int x0, int x1);
    void prepareShade(uint32_t argb);

    int m_w = 0, m_h = 0;
    bool m_hard = false;           ///< aliased: every pixel wholly covered or not at all
    double m_soft = 0.5;           ///< half the width of the soft edge: 0.5 pixels, 0 when hard
    std::vector<uint8_t> m_cover;  ///< 0..255 coverage per device pixel
    QRect m_dirty;                 ///< pixels that may be non-zero
    uint32_t m_colour = 0;         ///< the colour of the shapes being added
    uchar *m_direct = nullptr;     ///< the picture's pixels, when shapes go straight into it
    qsizetype m_stride = 0;        ///< and its bytes per row
    QImage m_layer;                ///< colour times coverage, premultiplied
    QRgb m_shade[256];             ///< premultiplied colour for each coverage value
    uint32_t m_shadeOf = 0;        ///< the colour m_shade was made for
    bool m_shadeReady = false;
    std::unordered_map<int, std::vector<Stamp>> m_stamps;  ///< by radius in half pixels and hardness
    std::vector<QPointF> m_points, m_directions;            ///< one polyline's joints, kept for reuse
};
