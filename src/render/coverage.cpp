#include "render/coverage.h"

#include <QPaintDevice>

#include <algorithm>
#include <cmath>
#include <cstring>

bool CoverageMask::Usable(const QPainter &g)
{
    return g.isActive() && g.device() != nullptr && g.testRenderHint(QPainter::Antialiasing)
        && g.transform().isIdentity() && !g.hasClipping() && g.opacity() == 1.0
        && g.compositionMode() == QPainter::CompositionMode_SourceOver;
}

void CoverageMask::Begin(const QPainter &g)
{
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

void CoverageMask::markDirty(int x0, int x1, int y)
{
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
    std::vector<Stamp> &set = m_stamps[halves];
    if (set.empty())
        set.resize(64);
    Stamp &st = set[size_t(fy * 8 + fx)];
    if (!st.cover.empty())
        return st;
    const double R = halves / 2.0 + 0.5;
    st.reach = int(std::ceil(R)) + 1;
    st.side = 2 * st.reach + 1;
    st.cover.assign(size_t(st.side) * size_t(st.side), 0);
    const double cx = fx / 8.0, cy = fy / 8.0;
    for (int y = 0; y < st.side; ++y) {
        for (int x = 0; x < st.side; ++x) {
            const double ex = x - st.reach + 0.5 - cx, ey = y - st.reach + 0.5 - cy;
            const double c = R - std::sqrt(ex * ex + ey * ey);
            st.cover[size_t(y) * size_t(st.side) + size_t(x)] = c <= 0 ? 0 : coverOf(c);
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
            const uint8_t *src = st.cover.data() + size_t(y - top) * size_t(st.side) + size_t(x0 - left);
            for (int x = x0; x <= x1; ++x, ++src)
                row[x] = std::max(row[x], *src);
        }
        m_dirty |= QRect(QPoint(x0, y0), QPoint(x1, y1));
        return;
    }
    const double R = radius + 0.5;   // coverage fades to nothing half a pixel outside the edge
    const double Ri = radius - 0.5;  // and is full half a pixel inside it
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
                std::memset(row + f0, 255, size_t(f1 - f0 + 1));
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
            const uint8_t v = coverOf(R - std::sqrt(d2));
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
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double len = std::hypot(dx, dy);
    if (m_w == 0 || len == 0 || !(radius >= 0))
        return;
    const double R = radius + 0.5, Ri = radius - 0.5;
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
                    std::memset(row + f0, 255, size_t(f1 - f0 + 1));
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
            const uint8_t v = coverOf(c);
            if (v > row[x])
                row[x] = v;
        }
        markDirty(x0, x1, y);
    }
}

QList<QPolygonF> CoverageMask::Flatten(const QPainterPath &path, double tolerance)
{
    QList<QPolygonF> lines;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo() || lines.isEmpty()) {
            lines.append(QPolygonF{QPointF(e)});
            continue;
        }
        QPolygonF &line = lines.last();
        if (e.isLineTo() || i + 2 >= path.elementCount()) {
            line.append(QPointF(e));
            continue;
        }
        const QPointF p0 = line.last(), p1 = QPointF(e), p2 = QPointF(path.elementAt(i + 1)),
                      p3 = QPointF(path.elementAt(i + 2));
        i += 2;
        const QPointF d1 = p0 - 2 * p1 + p2, d2 = p1 - 2 * p2 + p3;
        const double m = std::max(std::hypot(d1.x(), d1.y()), std::hypot(d2.x(), d2.y()));
        const double pieces = std::ceil(std::sqrt(0.75 * m / tolerance));
        const int n = pieces >= 1000 ? 1000 : pieces >= 1 ? int(pieces) : 1;
        for (int k = 1; k <= n; ++k) {
            const double t = double(k) / n, u = 1 - t;
            line.append(u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3);
        }
    }
    return lines;
}

void CoverageMask::AddPolylines(const QList<QPolygonF> &lines, double radius)
{
    // Bands for the segments, discs for the round joins and caps.
    for (const QPolygonF &poly : lines) {
        for (int i = 0; i < poly.size(); ++i) {
            if (i == 0 || poly[i] != poly[i - 1])
                AddDisc(poly[i], radius);
            if (i > 0)
                addBand(poly[i - 1], poly[i], radius);
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

// The painter's own image, when it is one whose pixels can be blended into directly: the raster
// engine draws at once, so writing between its calls is safe.
static QImage *directTarget(QPainter &g)
{
    QPaintDevice *d = g.device();
    if (d == nullptr || d->devType() != QInternal::Image)
        return nullptr;
    QImage *img = static_cast<QImage *>(d);
    const QImage::Format f = img->format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32_Premultiplied ? img : nullptr;
}

void CoverageMask::Flush(QPainter &g, uint32_t argb)
{
    if (m_dirty.isEmpty())
        return;
    if (argb != m_shadeOf || !m_shadeReady) {
        const int a = int(argb >> 24), r = int((argb >> 16) & 0xFF), gr = int((argb >> 8) & 0xFF),
                  b = int(argb & 0xFF);
        for (int c = 0; c < 256; ++c)
            m_shade[c] = qPremultiply(qRgba(r, gr, b, (a * c + 127) / 255));
        m_shadeOf = argb;
        m_shadeReady = true;
    }
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
