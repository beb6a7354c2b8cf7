#include "reference.h"

#include "render/curves.h"
#include "render/editview.h"
#include "render/fonts.h"
#include "render/pngfile.h"

#include <QFile>
#include <QPainter>
#include <QPainterPath>

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

QImage BenchTexture()
{
    const QString path = QStringLiteral(MERISKO_BASE_FOLDER "A.pn");
    if (QFile::exists(path))
        return LoadPngBitmap(path, 64, 64).convertToFormat(QImage::Format_RGB32);
    QImage tile(64, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            tile.setPixel(x, y, ((x ^ y) & 4) ? 0xFFC8D2D2u : 0xFFB4BEBEu);
    return tile;
}

double MeanChannelDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
    if (x.size() != y.size())
        return 255;
    double sum = 0;
    for (int r = 0; r < x.height(); ++r) {
        const QRgb *p = reinterpret_cast<const QRgb *>(x.constScanLine(r));
        const QRgb *q = reinterpret_cast<const QRgb *>(y.constScanLine(r));
        for (int c = 0; c < x.width(); ++c)
            sum += std::abs(qRed(p[c]) - qRed(q[c])) + std::abs(qGreen(p[c]) - qGreen(q[c]))
                 + std::abs(qBlue(p[c]) - qBlue(q[c]));
    }
    return sum / (3.0 * x.width() * x.height());
}

// The layer's outline as the program draws it: the same cardinal or broken-line Bézier segments
// through the pixel centres.
static QPainterPath outline(const R_Curve &c)
{
    const int n = std::max(0, std::min<int>(c.Count, int(c.XYPoints.size())));
    const TGPPointF *pts = c.XYPoints.data();
    QPainterPath path;
    if (c.TypeC == KindBlob)
        path = ClosedCardinalPath(pts, n, c.Tension);
    else if (c.Closure > 1)
        return {};
    else if (c.TypeC == KindSolid && c.Tension == 0.0f)
        path = PolylinePath(pts, n, c.Closure == 1);
    else
        path = c.Closure == 1 ? ClosedCardinalPath(pts, n, c.Tension) : OpenCardinalPath(pts, n, c.Tension);
    path.translate(0.5, 0.5);
    return path;
}

static QFont numberFont()
{
    QFont f;
    f.setFamily(InterfaceFontFamily());
    f.setPixelSize(16);
    f.setBold(true);
    return f;
}

QPainterReference::QPainterReference(const QImage &texture) : m_texture(texture) {}

void QPainterReference::Paint(QImage &view, const PictoDocument &doc)
{
    QPainter g(&view);
    g.setRenderHint(QPainter::Antialiasing, true);
    g.fillRect(QRect(0, 0, 512, 512), QBrush(m_texture));
    for (int i = 0; i < doc.Dimension; ++i) {
        const R_Curve &c = doc.TCurveStruct[size_t(i)];
        const QColor colour = QColor::fromRgba(c.Color);
        const qreal w = std::clamp(double(c.Width), 0.0, 32767.0);
        switch (c.TypeC) {
        case KindBackground:
            g.fillRect(QRect(0, 0, 512, 512), colour);
            break;
        case KindBlob:
            g.fillPath(outline(c), colour);
            break;
        case KindSolid: {
            QPen pen(colour, w, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
            pen.setMiterLimit(MiterLimit);
            g.strokePath(outline(c), pen);
            break;
        }
        case KindDotted: {
            // Round dots of diameter w every 2w: dashes of no length with round caps.
            QPen pen(colour, std::max<qreal>(w, 1), Qt::CustomDashLine, Qt::RoundCap, Qt::MiterJoin);
            pen.setDashPattern({0.0001, 2});
            g.strokePath(outline(c), pen);
            break;
        }
        case KindDots: {
            const qreal r = uint32_t(c.Width) & 0xFFu;
            g.setPen(Qt::NoPen);
            g.setBrush(colour);
            for (int k = 0; k < std::min<int>(c.Count, int(c.XYPoints.size())); ++k)
                g.drawEllipse(QPointF(c.XYPoints[size_t(k)].X + 0.5, c.XYPoints[size_t(k)].Y + 0.5), r, r);
            break;
        }
        default:
            break;
        }
    }
    if (doc.Ind_Curve < 0 || doc.Ind_Curve >= doc.Dimension)
        return;
    static const QFont font = numberFont();
    const qreal ascent = QFontMetricsF(font).ascent();
    const R_Curve &cur = doc.TCurveStruct[size_t(doc.Ind_Curve)];
    g.setFont(font);
    for (int k = 0; k < std::min<int>(cur.Count, int(cur.XYPoints.size())); ++k) {
        const TGPPointF p = cur.XYPoints[size_t(k)];
        g.setPen(Qt::NoPen);
        g.setBrush(QColor::fromRgba(MarkerColor));
        g.drawEllipse(QPointF(p.X + 0.5, p.Y + 0.5), 5, 5);
        g.setPen(QColor::fromRgba(NumberColor));
        g.drawText(QPointF(p.X + 2, p.Y + 2 + ascent), QString::number(k));
    }
}

struct CairoReference::State {
    QImage texture;
    cairo_surface_t *textureSurface = nullptr;
    cairo_pattern_t *texturePattern = nullptr;
    cairo_surface_t *view = nullptr;
    cairo_t *cr = nullptr;
};

CairoReference::CairoReference(const QImage &texture) : m(std::make_unique<State>())
{
    // Cairo's RGB24 is QImage's RGB32 byte for byte.
    m->texture = texture.convertToFormat(QImage::Format_RGB32);
    m->textureSurface = cairo_image_surface_create_for_data(m->texture.bits(), CAIRO_FORMAT_RGB24,
                                                            m->texture.width(), m->texture.height(),
                                                            int(m->texture.bytesPerLine()));
    m->texturePattern = cairo_pattern_create_for_surface(m->textureSurface);
    cairo_pattern_set_extend(m->texturePattern, CAIRO_EXTEND_REPEAT);
    m->view = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 512, 512);
    m->cr = cairo_create(m->view);
    cairo_select_font_face(m->cr, InterfaceFontFamily().toUtf8().constData(), CAIRO_FONT_SLANT_NORMAL,
                           CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(m->cr, 16);
    // Curves flattened as finely as the program flattens them, so dotted lines space alike.
    cairo_set_tolerance(m->cr, 0.2);
}

CairoReference::~CairoReference()
{
    cairo_destroy(m->cr);
    cairo_surface_destroy(m->view);
    cairo_pattern_destroy(m->texturePattern);
    cairo_surface_destroy(m->textureSurface);
}

static void cairoPath(cairo_t *cr, const QPainterPath &path)
{
    cairo_new_path(cr);
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            cairo_move_to(cr, e.x, e.y);
        } else if (e.isLineTo()) {
            cairo_line_to(cr, e.x, e.y);
        } else {
            const QPainterPath::Element b = path.elementAt(i + 1), c = path.elementAt(i + 2);
            cairo_curve_to(cr, e.x, e.y, b.x, b.y, c.x, c.y);
            i += 2;
        }
    }
}

static void cairoColour(cairo_t *cr, uint32_t argb)
{
    cairo_set_source_rgba(cr, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0, (argb & 0xFF) / 255.0,
                          (argb >> 24) / 255.0);
}

void CairoReference::Paint(const PictoDocument &doc)
{
    cairo_t *cr = m->cr;
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    cairo_set_source(cr, m->texturePattern);
    cairo_paint(cr);
    for (int i = 0; i < doc.Dimension; ++i) {
        const R_Curve &c = doc.TCurveStruct[size_t(i)];
        const double w = std::clamp(double(c.Width), 0.0, 32767.0);
        cairoColour(cr, c.Color);
        switch (c.TypeC) {
        case KindBackground:
            cairo_paint(cr);
            break;
        case KindBlob:
            cairoPath(cr, outline(c));
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
            cairo_fill(cr);
            break;
        case KindSolid:
        case KindDotted: {
            cairoPath(cr, outline(c));
            cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
            cairo_set_miter_limit(cr, 10);
            if (c.TypeC == KindDotted) {
                const double lw = std::max(w, 1.0), dashes[] = {0, 2 * lw};
                cairo_set_line_width(cr, lw);
                cairo_set_dash(cr, dashes, 2, 0);
            } else {
                cairo_set_line_width(cr, std::max(w, 1.0));
            }
            cairo_stroke(cr);
            cairo_set_dash(cr, nullptr, 0, 0);
            break;
        }
        case KindDots: {
            const double r = uint32_t(c.Width) & 0xFFu;
            for (int k = 0; k < std::min<int>(c.Count, int(c.XYPoints.size())); ++k) {
                cairo_new_sub_path(cr);
                cairo_arc(cr, c.XYPoints[size_t(k)].X + 0.5, c.XYPoints[size_t(k)].Y + 0.5, r, 0, 2 * M_PI);
            }
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);  // overlapping discs are one figure
            cairo_fill(cr);
            break;
        }
        default:
            break;
        }
    }
    if (doc.Ind_Curve < 0 || doc.Ind_Curve >= doc.Dimension)
        return;
    const R_Curve &cur = doc.TCurveStruct[size_t(doc.Ind_Curve)];
    cairo_font_extents_t fe;
    cairo_font_extents(cr, &fe);
    char label[16];
    for (int k = 0; k < std::min<int>(cur.Count, int(cur.XYPoints.size())); ++k) {
        const TGPPointF p = cur.XYPoints[size_t(k)];
        cairoColour(cr, MarkerColor);
        cairo_new_path(cr);
        cairo_arc(cr, p.X + 0.5, p.Y + 0.5, 5, 0, 2 * M_PI);
        cairo_fill(cr);
        cairoColour(cr, NumberColor);
        std::snprintf(label, sizeof label, "%d", k);
        cairo_move_to(cr, p.X + 2, p.Y + 2 + fe.ascent);
        cairo_show_text(cr, label);
    }
    cairo_surface_flush(m->view);
}

QImage CairoReference::Picture() const
{
    cairo_surface_flush(m->view);
    const QImage wrapped(cairo_image_surface_get_data(m->view), 512, 512,
                         cairo_image_surface_get_stride(m->view), QImage::Format_RGB32);
    return wrapped.copy();
}
