#include "render/tiles.h"

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
}
