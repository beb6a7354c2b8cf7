#include "render/tiles.h"

#include "render/layerrenderer.h"

#include <algorithm>
#include <cmath>

RoundFrameGeometry RoundFrameMeasures(int n)
{
    const int b = n / 3;
    const int d = n / 6;
    return {b, n - b - 1, n - 1, d, n - d - 1};
}

void DrawRoundFrame(QPainter &surface, const QPen &pen, int n)
{
    const RoundFrameGeometry g = RoundFrameMeasures(n);
    surface.save();
    // Antialiased, the integer points must land on pixel centres; Qt's aliased thin lines already
    // put them there.
    if (surface.testRenderHint(QPainter::Antialiasing))
        surface.translate(PixelCentreOffset, PixelCentreOffset);
    surface.setPen(pen);
    surface.setBrush(Qt::NoBrush);
    // Qt measures angles counter-clockwise in 1/16 degree; the frame's arcs are given clockwise.
    const auto arc = [&](int x, int y, int start, int sweep) {
        surface.drawArc(QRect(x, y, g.b, g.b), -start * 16, -sweep * 16);
    };
    arc(0, 0, 180, 90);
    arc(g.c, 0, 270, 90);
    arc(g.c, g.c, 0, 90);
    arc(0, g.c, 90, 90);
    surface.drawLine(g.d, 0, g.e, 0);
    surface.drawLine(g.m, g.e, g.m, g.d);
    surface.drawLine(g.e, g.m, g.d, g.m);
    surface.drawLine(0, g.d, 0, g.e);
    surface.restore();
}

// A rounded rectangle outline (right and bottom exclusive) stroked with a centred pen, no smoothing.
static void roundRect(QPainter &p, int left, int top, int right, int bottom, int ellipse)
{
    p.drawRoundedRect(QRectF(left, top, right - left - 1, bottom - top - 1), ellipse / 2.0, ellipse / 2.0);
}

// Wide rounded outlines drawn without smoothing leave single pixels of the picture between
// successive rings near the arcs. Every such pixel that lies outside the rounded square takes the
// corner colour, and one that lies on the pale line just inside it takes the pale colour, as the
// rings meant.
static void fillCornerGaps(QImage &image, int n, int b, QRgb outside, QRgb pale)
{
    const double r = b / 2.0;
    const double centres[4][2] = {{r, r}, {n - r, r}, {r, n - r}, {n - r, n - r}};
    for (const auto &c : centres) {
        const int x0 = c[0] < n / 2.0 ? 0 : int(c[0]), y0 = c[1] < n / 2.0 ? 0 : int(c[1]);
        for (int y = y0; y < std::min(n, y0 + int(std::ceil(r)) + 1); ++y) {
            for (int x = x0; x < std::min(n, x0 + int(std::ceil(r)) + 1); ++x) {
                const double dx = x + 0.5 - c[0], dy = y + 0.5 - c[1];
                // Only the quarter of the corner beyond its centre is rounded.
                if ((c[0] < n / 2.0 ? dx > 0 : dx < 0) || (c[1] < n / 2.0 ? dy > 0 : dy < 0))
                    continue;
                const double out = std::hypot(dx, dy) - r;  // pixels beyond the rounded edge
                const QRgb now = image.pixel(x, y) | 0xFF000000u;
                if (now == (outside | 0xFF000000u) || now == (pale | 0xFF000000u) || out < -1.5)
                    continue;
                image.setPixel(x, y, out >= -0.5 ? outside : pale);
            }
        }
    }
}

void MaskRoundCorners(QImage &image, int n, const QColor &colour)
{
    const int b = n / 3;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    QPen pen(QColor(0xD7, 0xE1, 0xE1));
    pen.setJoinStyle(Qt::MiterJoin);
    for (int i = -1; i <= 3; ++i) {
        pen.setWidth(i + 2);
        p.setPen(pen);
        roundRect(p, -i, -i, n + i, n + i, b + i);
    }
    pen.setColor(colour);
    for (int i = 0; i <= 5; ++i) {
        pen.setWidth(i + 1);
        p.setPen(pen);
        roundRect(p, -i, -i, n + i, n + i, b + i);
    }
    p.end();
    fillCornerGaps(image, n, b, colour.rgb(), qRgb(0xD7, 0xE1, 0xE1));
}
