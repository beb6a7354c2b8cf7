#include "render/coverage.h"

#include <QPaintDevice>

#include <algorithm>
#include <cmath>
#include <cstring>

bool CoverageMask::Usable(const QPainter &g)
{
    return g.isActive() && g.device() != nullptr && g.transform().isIdentity() && !g.hasClipping() && g.opacity() == 1.0
        && g.compositionMode() == QPainter::CompositionMode_SourceOver;
}

// The painter's own image, when it is one whose pixels can be blended into directly: the raster
// engine draws at once, so writing between its calls is safe.
static QImage *directTarget(const QPainter &g)
{
    QPaintDevice *d = g.device();
    if (d == nullptr || d->devType() != QInternal::Image)
        return nullptr;
    QImage *img = static_cast<QImage *>(d);
    const QImage::Format f = img->format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32_Premultiplied ? img : nullptr;
}

// The premultiplied shade of argb for every coverage value, made when the colour changes.
void CoverageMask::prepareShade(uint32_t argb)
{
    if (argb == m_shadeOf && m_shadeReady)
        return;
    const int a = int(argb >> 24), r = int((argb >> 16) & 0xFF), gr = int((argb >> 8) & 0xFF),
              b = int(argb & 0xFF);
    for (int c = 0; c < 256; ++c)
        m_shade[c] = qPremultiply(qRgba(r, gr, b, (a * c + 127) / 255));
    m_shadeOf = argb;
    m_shadeReady = true;
}

void CoverageMask::Begin(const QPainter &g, uint32_t argb)
{
    m_colour = argb;
    // Aliased painting covers the pixels whose centres lie inside the shape: the fringe, half a
    // pixel either side of the edge where antialiased coverage fades, shrinks to nothing.
    m_hard = !g.testRenderHint(QPainter::Antialiasing);
    m_soft = m_hard ? 0.0 : 0.5;
    // Hard edges in an opaque colour: where pieces of the shape overlap, painting each one
    // straight into the picture gives the same as their union, so nothing goes through the mask.
    m_direct = nullptr;
    if (QImage *img = directTarget(g); img != nullptr && m_hard && (argb >> 24) == 255) {
        m_direct = img->bits();
        m_stride = img->bytesPerLine();
    }
    const int w = g.device()->width(), h = g.device()->height();
    if (w == m_w && h == m_h)
        return;
    m_w = w;
    m_h = h;
    m_cover.assign(size_t(w) * size_t(h), 0);
    m_layer = QImage(w, h, QImage::Format_ARGB32_Premultiplied);
    m_dirty = QRect();
}

// A whole pixel position as an int. Every position is clipped to the surface afterwards, so those
// far outside it (a file's huge numbers give them) are bounded first: converting a double beyond
// the range of int is undefined. NaN counts as far to the left.
static inline int pixelIndex(double v)
{
    constexpr double far = 1e9;
    if (!(v > -far))
        return int(-far);
    return v < far ? int(v) : int(far);
}

// Pixel indices whose centres x + 0.5 lie in [lo, hi], clipped to the row.
static inline bool pixelRange(double lo, double hi, int w, int &x0, int &x1)
{
    x0 = std::max(0, pixelIndex(std::ceil(lo - 0.5)));
    x1 = std::min(w - 1, pixelIndex(std::floor(hi - 0.5)));
    return x0 <= x1;
}

static inline uint8_t coverOf(double c) { return c >= 1 ? 255 : uint8_t(c * 255 + 0.5); }

inline uint8_t CoverageMask::coverage(double c) const { return m_hard ? 255 : coverOf(c); }

// Hard edges of lines take a pixel whose centre lies exactly on the edge only on the
// shape's right and top sides, as Qt's aliased painting does: a line of odd width through pixel
// centres is that many pixels wide, not one more. Those shapes are moved right and up by this much
// to get that; discs stay whole and even about their centres, as Qt's are.
constexpr double HardNudge = 1.0 / 1024;

// Covers pixels [x0, x1] of row y (whose mask row is row) wholly.
inline void CoverageMask::fullSpan(uint8_t *row, int y, int x0, int x1)
{
    if (m_direct != nullptr) {
        uint32_t *out = reinterpret_cast<uint32_t *>(m_direct + m_stride * y);
        std::fill(out + x0, out + x1 + 1, m_colour);
        return;
    }
    std::memset(row + x0, 255, size_t(x1 - x0 + 1));
}

void CoverageMask::markDirty(int x0, int x1, int y)
{
    if (m_direct != nullptr)
        return;  // painted already
    if (m_dirty.isEmpty()) {
        m_dirty = QRect(x0, y, x1 - x0 + 1, 1);
        return;
    }
    m_dirty.setLeft(std::min(m_dirty.left(), x0));
    m_dirty.setRight(std::max(m_dirty.right(), x1));
    m_dirty.setTop(std::min(m_dirty.top(), y));
    m_dirty.setBottom(std::max(m_dirty.bottom(), y));
}

const CoverageMask::Stamp &CoverageMask::stampFor(int halves, int fx, int fy)
{
    std::vector<Stamp> &set = m_stamps[halves * 2 + (m_hard ? 1 : 0)];
    if (set.empty())
        set.resize(64);
    Stamp &st = set[size_t(fy * 8 + fx)];
    if (!st.cover.empty())
        return st;
    const double R = halves / 2.0 + m_soft;
    st.reach = int(std::ceil(R)) + 1;
    st.side = 2 * st.reach + 1;
    st.cover.assign(size_t(st.side) * size_t(st.side), 0);
    const double cx = fx / 8.0, cy = fy / 8.0;
    for (int y = 0; y < st.side; ++y) {
        for (int x = 0; x < st.side; ++x) {
            const double ex = x - st.reach + 0.5 - cx, ey = y - st.reach + 0.5 - cy;
            const double c = R - std::sqrt(ex * ex + ey * ey);
            st.cover[size_t(y) * size_t(st.side) + size_t(x)] = c <= 0 ? 0 : coverage(c);
        }
    }
    // A hard disc's row is one run of whole pixels.
    st.runFrom.assign(size_t(st.side), st.side);
    st.runTo.assign(size_t(st.side), -1);
    for (int y = 0; m_hard && y < st.side; ++y) {
        for (int x = 0; x < st.side; ++x) {
            if (st.cover[size_t(y) * size_t(st.side) + size_t(x)] != 0) {
                st.runFrom[size_t(y)] = std::min(st.runFrom[size_t(y)], x);
                st.runTo[size_t(y)] = x;
            }
        }
    }
    return st;
}

void CoverageMask::AddDisc(QPointF c, double radius)
{
    if (m_w == 0 || !(radius >= 0))
        return;
    // Whole and half-pixel radii, the only ones a layer has, come from stamps cut for the centre's
    // position to an eighth of a pixel; any other radius is measured pixel by pixel.
    const double halves = radius * 2;
    if (halves == std::floor(halves) && halves <= 1024 && std::abs(c.x()) < 1e6 && std::abs(c.y()) < 1e6) {
        const long ex = std::lround(c.x() * 8), ey = std::lround(c.y() * 8);
        const Stamp &st = stampFor(int(halves), int(ex & 7), int(ey & 7));
        const int left = int((ex - (ex & 7)) / 8) - st.reach, top = int((ey - (ey & 7)) / 8) - st.reach;
        const int x0 = std::max(0, left), x1 = std::min(m_w - 1, left + st.side - 1);
        const int y0 = std::max(0, top), y1 = std::min(m_h - 1, top + st.side - 1);
        if (x0 > x1 || y0 > y1)
            return;
        for (int y = y0; y <= y1; ++y) {
            uint8_t *row = m_cover.data() + size_t(y) * size_t(m_w);
            if (m_hard) {
                const int from = std::max(x0, left + st.runFrom[size_t(y - top)]);
                const int to = std::min(x1, left + st.runTo[size_t(y - top)]);
                if (from <= to)
                    fullSpan(row, y, from, to);
                continue;
            }
            const uint8_t *src = st.cover.data() + size_t(y - top) * size_t(st.side) + size_t(x0 - left);
            for (int x = x0; x <= x1; ++x, ++src)
                row[x] = std::max(row[x], *src);
        }
        if (m_direct == nullptr)
            m_dirty |= QRect(QPoint(x0, y0), QPoint(x1, y1));
        return;
    }
    const double R = radius + m_soft;   // coverage fades to nothing half a pixel outside the edge
    const double Ri = radius - m_soft;  // and is full half a pixel inside it
    const int y0 = std::max(0, pixelIndex(std::floor(c.y() - R)));
    const int y1 = std::min(m_h - 1, pixelIndex(std::ceil(c.y() + R)));
    for (int y = y0; y <= y1; ++y) {
        const double dy = y + 0.5 - c.y();
        if (std::abs(dy) >= R)
            continue;
        const double s = std::sqrt(R * R - dy * dy);
        int x0, x1;
        if (!pixelRange(c.x() - s, c.x() + s, m_w, x0, x1))
            continue;
        uint8_t *row = m_cover.data() + size_t(y) * size_t(m_w);
        int f0 = x1 + 1, f1 = x1;
        if (Ri > 0 && std::abs(dy) < Ri) {
            const double si = std::sqrt(Ri * Ri - dy * dy);
            int i0, i1;
            if (pixelRange(c.x() - si, c.x() + si, m_w, i0, i1)) {
                f0 = i0;
                f1 = i1;
                fullSpan(row, y, f0, f1);
            }
        }
        for (int x = x0; x <= x1; ++x) {
            if (x == f0) {
                x = f1;
                continue;
            }
            const double ex = x + 0.5 - c.x();
            const double d2 = ex * ex + dy * dy;
            if (d2 >= R * R)
                continue;
            const uint8_t v = coverage(R - std::sqrt(d2));
            if (v > row[x])
                row[x] = v;
        }
        markDirty(x0, x1, y);
    }
}

// The body of a stroke's segment a-b without its round ends: the pixels whose centres project
// inside the segment, covered by R minus their distance across it — linear along a row.
void CoverageMask::addBand(QPointF a, QPointF b, double radius)
{
    if (m_hard) {
        a -= QPointF(-HardNudge, HardNudge);
        b -= QPointF(-HardNudge, HardNudge);
    }
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double len = std::hypot(dx, dy);
    if (m_w == 0 || len == 0 || !(radius >= 0))
        return;
    const double R = radius + m_soft, Ri = radius - m_soft;
    const double nx = -dy / len, ny = dx / len;  // unit normal
    const double ux = dx / len, uy = dy / len;   // unit direction
    // Corners of the band reach |ny| R + |uy| len... beyond a and b vertically.
    const double reach = std::abs(ux) * R;
    const double inx = nx != 0 ? 1 / nx : 0, iux = ux != 0 ? 1 / ux : 0;
    const int y0 = std::max(0, pixelIndex(std::floor(std::min(a.y(), b.y()) - reach)));
    const int y1 = std::min(m_h - 1, pixelIndex(std::ceil(std::max(a.y(), b.y()) + reach)));
    for (int y = y0; y <= y1; ++y) {
        const double ry = y + 0.5 - a.y();
        // Across: |nx (px - ax) + ny ry| < R; along: 0 <= ux (px - ax) + uy ry <= len.
        double lo = -1e300, hi = 1e300, ilo = -1e300, ihi = 1e300;
        if (nx != 0) {
            const double p = (-R - ny * ry) * inx, q = (R - ny * ry) * inx;
            lo = std::min(p, q);
            hi = std::max(p, q);
            const double pi = (-Ri - ny * ry) * inx, qi = (Ri - ny * ry) * inx;
            ilo = std::min(pi, qi);
            ihi = std::max(pi, qi);
        } else if (std::abs(ny * ry) >= R) {
            continue;
        } else if (std::abs(ny * ry) > Ri) {
            ilo = 1e300;  // the whole row lies in the soft edge
        }
        if (ux != 0) {
            const double p = -uy * ry * iux, q = (len - uy * ry) * iux;
            lo = std::max(lo, std::min(p, q));
            hi = std::min(hi, std::max(p, q));
            ilo = std::max(ilo, std::min(p, q));
            ihi = std::min(ihi, std::max(p, q));
        } else if (uy * ry < 0 || uy * ry > len) {
            continue;
        }
        int x0, x1;
        if (!pixelRange(lo + a.x(), hi + a.x(), m_w, x0, x1))
            continue;
        uint8_t *row = m_cover.data() + size_t(y) * size_t(m_w);
        int f0 = x1 + 1, f1 = x1;
        if (Ri > 0 && ilo <= ihi) {
            int i0, i1;
            if (pixelRange(ilo + a.x(), ihi + a.x(), m_w, i0, i1)) {
                f0 = std::max(i0, x0);
                f1 = std::min(i1, x1);
                if (f0 <= f1)
                    fullSpan(row, y, f0, f1);
                else
                    f0 = x1 + 1;
            }
        }
        const double base = ny * ry - nx * a.x();  // distance across at px = 0, before nx px
        for (int x = x0; x <= x1; ++x) {
            if (x == f0) {
                x = f1;
                continue;
            }
            const double c = R - std::abs(nx * (x + 0.5) + base);
            if (c <= 0)
                continue;
            const uint8_t v = coverage(c);
            if (v > row[x])
                row[x] = v;
        }
        markDirty(x0, x1, y);
    }
}

QList<QPolygonF> CoverageMask::Flatten(const QPainterPath &path, double tolerance)
{
    QList<QPolygonF> lines;
    Flatten(path, lines, tolerance);
    return lines;
}

void CoverageMask::Flatten(const QPainterPath &path, QList<QPolygonF> &lines, double tolerance)
{
    qsizetype used = 0;
    const auto startLine = [&](QPointF p) {
        if (used < lines.size()) {
            lines[used].clear();  // keeps its memory
            lines[used].append(p);
        } else {
            lines.append(QPolygonF{p});
        }
        ++used;
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo() || used == 0) {
            startLine(QPointF(e));
            continue;
        }
        QPolygonF &line = lines[used - 1];
        if (e.isLineTo() || i + 2 >= path.elementCount()) {
            line.append(QPointF(e));
            continue;
        }
        FlattenCubic(line, QPointF(e), QPointF(path.elementAt(i + 1)), QPointF(path.elementAt(i + 2)), tolerance);
        i += 2;
    }
    lines.resize(used);
}

void CoverageMask::FlattenCubic(QPolygonF &line, QPointF p1, QPointF p2, QPointF p3, double tolerance)
{
    const QPointF p0 = line.last();
    const QPointF d1 = p0 - 2 * p1 + p2, d2 = p1 - 2 * p2 + p3;
    const double m = std::max(std::hypot(d1.x(), d1.y()), std::hypot(d2.x(), d2.y()));
    const double pieces = std::ceil(std::sqrt(0.75 * m / tolerance));
    const int n = pieces >= 1000 ? 1000 : pieces >= 1 ? int(pieces) : 1;
    for (int k = 1; k <= n; ++k) {
        const double t = double(k) / n, u = 1 - t;
        line.append(u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3);
    }
}

// The corner a miter join adds at p, on the outer side of a turn from direction d1 to d2 (unit
// vectors): the part ahead of the first segment's end and behind the second's start, inside both
// outer edges, cut square across its tip where Qt's miter limit cuts it (the tip farther than
// limit pen widths along the outer edge). The bands cover the rest of the joint.
void CoverageMask::addMiter(QPointF p, QPointF d1, QPointF d2, double radius, double miterLimit)
{
    const double cross = d1.x() * d2.y() - d1.y() * d2.x();
    const double dot = d1.x() * d2.x() + d1.y() * d2.y();
    if (m_w == 0 || !(radius > 0) || (cross == 0 && dot > 0))
        return;
    // A slight turn (most joints of a flattened curve) reaches less than 1/16 pixel beyond a round
    // join: the cheaper disc paints the same picture. So does a joint whose directions are lost to
    // a file's enormous coordinates.
    const double halfTurnCos = std::sqrt(std::max(0.0, (1 + dot) / 2));
    if (radius * (1 - halfTurnCos) <= halfTurnCos / 16 || !(std::abs(cross * cross + dot * dot - 1) < 1e-6)
        || !std::isfinite(p.x()) || !std::isfinite(p.y())) {
        AddDisc(p, radius);
        return;
    }
    if (m_hard)
        p -= QPointF(-HardNudge, HardNudge);
    const double s = cross < 0 ? -1 : 1;
    const QPointF n1 = s * QPointF(d1.y(), -d1.x()), n2 = s * QPointF(d2.y(), -d2.x());  // outward
    struct Edge {
        double a, b, c;  ///< inside where a x + b y <= c, x and y relative to p
        bool soft;       ///< fades out over a pixel like the bands' sides
        double ia = 0;   ///< 1 / a, or 0 when a is 0
    };
    Edge edges[5] = {{-d1.x(), -d1.y(), 0, false}, {d2.x(), d2.y(), 0, false},
                     {n1.x(), n1.y(), radius, true}, {n2.x(), n2.y(), radius, true}};
    int count = 4;
    const double limit = 2 * radius * miterLimit;
    const double denom = 1 + n1.x() * n2.x() + n1.y() * n2.y();
    const QPointF o1 = n1 * radius, o2 = n2 * radius;
    QPointF corners[4] = {o1, o2, o1, o2};
    bool cut = !(denom > 1e-12);
    if (!cut) {
        const QPointF tip = (n1 + n2) * (radius / denom), along = tip - o1;
        cut = along.x() * along.x() + along.y() * along.y() > limit * limit;
        corners[2] = corners[3] = tip;
    }
    if (cut) {
        const QPointF c1 = o1 + d1 * limit, c2 = o2 - d2 * limit;
        QPointF b = n1 + n2;
        const double len = std::hypot(b.x(), b.y());
        b = len > 1e-9 ? b / len : d1;
        edges[count++] = {b.x(), b.y(), c1.x() * b.x() + c1.y() * b.y(), true};
        corners[2] = c1;
        corners[3] = c2;
    }
    for (int i = 0; i < count; ++i)
        edges[i].ia = edges[i].a != 0 ? 1 / edges[i].a : 0;
    double top = 0, bottom = 0;
    for (const QPointF &c : corners) {
        top = std::min(top, c.y());
        bottom = std::max(bottom, c.y());
    }
    // Rows whose centres lie within half a pixel of the corner's extent.
    const int y0 = std::max(0, pixelIndex(std::ceil(p.y() + top - 1)));
    const int y1 = std::min(m_h - 1, pixelIndex(std::floor(p.y() + bottom)));
    Edge soft[3];
    int softCount = 0;
    for (int i = 0; i < count; ++i)
        if (edges[i].soft)
            soft[softCount++] = edges[i];
    for (int y = y0; y <= y1; ++y) {
        const double ry = y + 0.5 - p.y();
        // The span of pixel centres inside every edge, grown by half a pixel at the soft ones,
        // and the span where the soft ones cover fully.
        double lo = -1e300, hi = 1e300, ilo = -1e300, ihi = 1e300;
        bool empty = false, innerEmpty = false;
        for (int i = 0; i < count; ++i) {
            const Edge &e = edges[i];
            const double reach = e.c + (e.soft ? m_soft : 0) - e.b * ry;
            const double full = e.c - (e.soft ? m_soft : 0) - e.b * ry;
            if (e.a > 0) {
                hi = std::min(hi, reach * e.ia);
                ihi = std::min(ihi, full * e.ia);
            } else if (e.a < 0) {
                lo = std::max(lo, reach * e.ia);
                ilo = std::max(ilo, full * e.ia);
            } else {
                empty = empty || reach < 0;
                innerEmpty = innerEmpty || full < 0;
            }
        }
        int x0, x1;
        if (empty || !pixelRange(lo + p.x(), hi + p.x(), m_w, x0, x1))
            continue;
        uint8_t *row = m_cover.data() + size_t(y) * size_t(m_w);
        int f0 = x1 + 1, f1 = x1;
        int i0, i1;
        if (!innerEmpty && pixelRange(ilo + p.x(), ihi + p.x(), m_w, i0, i1)) {
            f0 = std::max(i0, x0);
            f1 = std::min(i1, x1);
            if (f0 <= f1)
                fullSpan(row, y, f0, f1);
            else
                f0 = x1 + 1;
        }
        for (int x = x0; x <= x1; ++x) {
            if (x == f0) {
                x = f1;
                continue;
            }
            const double rx = x + 0.5 - p.x();
            double c = 1;
            for (int i = 0; i < softCount; ++i)
                c = std::min(c, soft[i].c + m_soft - (soft[i].a * rx + soft[i].b * ry));
            if (c <= 0)
                continue;
            const uint8_t v = coverage(c);
            if (v > row[x])
                row[x] = v;
        }
        markDirty(x0, x1, y);
    }
}

void CoverageMask::AddPolylines(const QList<QPolygonF> &lines, double radius, double miterLimit, bool closed)
{
    // Bands for the segments, miter corners at the joints, discs for the round caps.
    std::vector<QPointF> &v = m_points;
    std::vector<QPointF> &dir = m_directions;  // dir[i]: unit direction from v[i] to the next point
    for (const QPolygonF &poly : lines) {
        v.clear();
        for (const QPointF &q : poly)
            if (v.empty() || q != v.back())
                v.push_back(q);
        if (v.empty())
            continue;
        const bool ring = closed && v.size() >= 3 && v.front() == v.back();
        if (ring)
            v.pop_back();
        const size_t n = v.size();
        if (n == 1) {
            AddDisc(v[0], radius);
            continue;
        }
        dir.resize(n);
        for (size_t i = 0; i < n; ++i) {
            const QPointF d = v[(i + 1) % n] - v[i];
            dir[i] = d / std::sqrt(d.x() * d.x() + d.y() * d.y());
        }
        for (size_t i = 0; i + 1 < n; ++i)
            addBand(v[i], v[i + 1], radius);
        if (ring) {
            addBand(v[n - 1], v[0], radius);
            for (size_t i = 0; i < n; ++i)
                addMiter(v[i], dir[(i + n - 1) % n], dir[i], radius, miterLimit);
        } else {
            AddDisc(v[0], radius);
            AddDisc(v[n - 1], radius);
            for (size_t i = 1; i + 1 < n; ++i)
                addMiter(v[i], dir[i - 1], dir[i], radius, miterLimit);
        }
    }
}

// x * a / 255 on all four bytes of x at once, rounded.
static inline uint32_t byteMul(uint32_t x, uint32_t a)
{
    uint32_t t = (x & 0xff00ffu) * a;
    t = ((t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8) & 0xff00ffu;
    x = ((x >> 8) & 0xff00ffu) * a;
    x = (x + ((x >> 8) & 0xff00ffu) + 0x800080u) & 0xff00ff00u;
    return x | t;
}

void CoverageMask::Flush(QPainter &g)
{
    if (m_dirty.isEmpty())
        return;
    const uint32_t argb = m_colour;
    prepareShade(argb);
    const int left = m_dirty.left(), right = m_dirty.right();
    if (QImage *img = directTarget(g)) {
        // Source-over of the premultiplied shade, pixel by pixel, skipping uncovered runs.
        uchar *bits = img->bits();
        const qsizetype stride = img->bytesPerLine();
        const uint32_t full = m_shade[255];
        const bool opaque = (full >> 24) == 255;
        for (int y = m_dirty.top(); y <= m_dirty.bottom(); ++y) {
            uint8_t *cov = m_cover.data() + size_t(y) * size_t(m_w);
            uint32_t *out = reinterpret_cast<uint32_t *>(bits + stride * y);
            int x = left;
            while (x <= right) {
                if (x + 8 <= right + 1) {
                    uint64_t eight;
                    std::memcpy(&eight, cov + x, 8);
                    if (eight == 0) {
                        x += 8;
                        continue;
                    }
                }
                const uint8_t c = cov[x];
                if (c == 255 && opaque) {
                    out[x] = full;
                } else if (c != 0) {
                    const uint32_t s = m_shade[c];
                    out[x] = s + byteMul(out[x], 255 - (s >> 24));
                }
                cov[x] = 0;
                ++x;
            }
        }
    } else {
        for (int y = m_dirty.top(); y <= m_dirty.bottom(); ++y) {
            uint8_t *cov = m_cover.data() + size_t(y) * size_t(m_w);
            QRgb *out = reinterpret_cast<QRgb *>(m_layer.scanLine(y));
            for (int x = left; x <= right; ++x) {
                out[x] = m_shade[cov[x]];
                cov[x] = 0;
            }
        }
        g.drawImage(m_dirty.topLeft(), m_layer, m_dirty);
    }
    m_dirty = QRect();
}
