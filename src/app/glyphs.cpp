#include "app/glyphs.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {
const QColor Ink(0x2E, 0x3A, 0x46);      // outlines
const QColor Green(0x00, 0xB0, 0x40);    // points, as the view's markers
const QColor Accent(0xE8, 0x6A, 0x1C);   // the action: plus, arrow, cross
const QColor Sheet(0xFF, 0xFF, 0xFF);
const QColor Fill(0x5B, 0x9B, 0xD5);     // a layer's colour

QPen inkPen(qreal w = 3) { return QPen(Ink, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }
QPen accentPen(qreal w = 5) { return QPen(Accent, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void plus(QPainter &g, QPointF c, qreal r)
{
    g.setPen(accentPen());
    g.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
    g.drawLine(c + QPointF(0, -r), c + QPointF(0, r));
}

void cross(QPainter &g, QPointF c, qreal r)
{
    g.setPen(accentPen());
    g.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
    g.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
}

void arrow(QPainter &g, QPointF from, QPointF to, const QColor &colour = Accent)
{
    g.setPen(QPen(colour, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    g.drawLine(from, to);
    const QPointF d = to - from;
    const qreal len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    g.drawPolyline(QPolygonF{to - 9 * u + 7 * n, to, to - 9 * u - 7 * n});
}

void dot(QPainter &g, QPointF c, qreal r = 5, const QColor &colour = Green)
{
    g.setPen(Qt::NoPen);
    g.setBrush(colour);
    g.drawEllipse(c, r, r);
    g.setBrush(Qt::NoBrush);
}

// A layer seen slightly from above: a parallelogram sheet.
void sheet(QPainter &g, qreal y, const QColor &fill = Sheet)
{
    g.setPen(inkPen(2.5));
    g.setBrush(fill);
    g.drawPolygon(QPolygonF{{10, y}, {40, y - 10}, {56, y}, {26, y + 10}});
    g.setBrush(Qt::NoBrush);
}

void stack(QPainter &g) { sheet(g, 46); sheet(g, 36, Fill.lighter(140)); sheet(g, 26); }

QPainterPath blob()
{
    QPainterPath p;
    p.moveTo(14, 34);
    p.cubicTo(10, 14, 36, 8, 48, 18);
    p.cubicTo(60, 28, 52, 52, 34, 52);
    p.cubicTo(22, 52, 16, 46, 14, 34);
    return p;
}

QPolygonF samplePoints() { return {{12, 46}, {24, 20}, {40, 38}, {52, 16}}; }

void curve(QPainter &g, const QPen &pen)
{
    QPainterPath p;
    p.moveTo(10, 44);
    p.cubicTo(22, 4, 42, 60, 54, 20);
    g.strokePath(p, pen);
}

void snowman(QPainter &g)
{
    g.setPen(inkPen(2.5));
    g.setBrush(Sheet);
    g.drawEllipse(QPointF(32, 46), 14, 13);
    g.drawEllipse(QPointF(32, 22), 10, 10);
    g.setBrush(Accent);
    g.drawPolygon(QPolygonF{{32, 22}, {44, 25}, {32, 26}});
    g.setBrush(Ink);
    g.drawRect(QRectF(25, 6, 14, 7));
    dot(g, {28, 19}, 1.5, Ink);
    dot(g, {36, 19}, 1.5, Ink);
}

void drawGlyph(QPainter &g, ControlTag tag)
{
    switch (tag) {
    case ControlTag::NewPicto:  // new document
        g.setPen(inkPen());
        g.setBrush(Sheet);
        g.drawPolygon(QPolygonF{{14, 6}, {40, 6}, {50, 16}, {50, 58}, {14, 58}});
        plus(g, {32, 34}, 10);
        break;
    case ControlTag::SavePicto:  // save
    case ControlTag::SavePictoAs:  // save as
        g.setPen(inkPen());
        g.setBrush(Fill);
        g.drawRoundedRect(QRectF(8, 8, 48, 48), 4, 4);
        g.setBrush(Sheet);
        g.drawRect(QRectF(16, 8, 32, 18));
        g.drawRect(QRectF(18, 36, 28, 20));
        if (tag == ControlTag::SavePictoAs) {
            g.setPen(QPen(Accent, 6, Qt::SolidLine, Qt::RoundCap));
            g.drawLine(QPointF(34, 54), QPointF(58, 30));
        }
        break;
    case ControlTag::ExportPng:  // export picture
        g.setPen(inkPen());
        g.setBrush(Sheet);
        g.drawRoundedRect(QRectF(6, 10, 40, 40), 8, 8);
        dot(g, {26, 30}, 10, Fill);
        arrow(g, {36, 40}, {58, 40});
        break;
    case ControlTag::Info: {  // information
        g.setPen(inkPen());
        g.setBrush(Sheet);
        g.drawEllipse(QPointF(32, 32), 24, 24);
        dot(g, {32, 20}, 4, Accent);
        g.setPen(QPen(Accent, 7, Qt::SolidLine, Qt::RoundCap));
        g.drawLine(QPointF(32, 30), QPointF(32, 46));
        break;
    }
    case ControlTag::Help: {  // help
        g.setPen(inkPen());
        g.setBrush(Sheet);
        g.drawEllipse(QPointF(32, 32), 24, 24);
        QFont f("DejaVu Sans");
        f.setPixelSize(34);
        f.setBold(true);
        g.setFont(f);
        g.setPen(Accent);
        g.drawText(QRectF(8, 8, 48, 50), Qt::AlignCenter, "?");
        break;
    }
    case ControlTag::SnowMen: snowman(g); break;
    case ControlTag::LayerAdd: stack(g); plus(g, {48, 12}, 8); break;
    case ControlTag::LayerUp: stack(g); arrow(g, {50, 34}, {50, 6}); break;
    case ControlTag::LayerDuplicate: sheet(g, 40); sheet(g, 28, Fill.lighter(140)); plus(g, {50, 12}, 7); break;
    case ControlTag::LayerDelete: stack(g); cross(g, {50, 12}, 7); break;
    case ControlTag::LayerDown: stack(g); arrow(g, {50, 4}, {50, 32}); break;
    case ControlTag::ModeSketch: {  // free-hand sketch
        QPainterPath p;
        p.moveTo(8, 48);
        p.cubicTo(16, 20, 26, 56, 34, 30);
        g.strokePath(p, QPen(QColor(0xD0, 0x20, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
        g.setPen(inkPen(2.5));
        g.setBrush(QColor(0xF4, 0xC4, 0x30));
        g.drawPolygon(QPolygonF{{34, 30}, {52, 8}, {58, 14}, {40, 36}});
        break;
    }
    case ControlTag::ModeAddPoint:  // add points
        g.setPen(inkPen(2));
        g.drawPolyline(samplePoints().mid(0, 3));
        for (QPointF p : samplePoints().mid(0, 3))
            dot(g, p);
        plus(g, {50, 16}, 7);
        break;
    case ControlTag::ModeInsertPoint:  // insert a point after the chosen one
        g.setPen(inkPen(2));
        g.drawPolyline(QPolygonF{{10, 44}, {54, 44}});
        dot(g, {10, 44});
        dot(g, {54, 44});
        dot(g, {32, 44}, 6, Accent);
        arrow(g, {32, 12}, {32, 32});
        break;
    case ControlTag::ModeDeletePoint:  // delete points
        g.setPen(inkPen(2));
        g.drawPolyline(samplePoints());
        for (QPointF p : samplePoints())
            dot(g, p);
        cross(g, {40, 38}, 8);
        break;
    case ControlTag::ModeMovePoint:  // move a point
        dot(g, {32, 32}, 7);
        arrow(g, {32, 32}, {32, 6});
        arrow(g, {32, 32}, {58, 32});
        arrow(g, {32, 32}, {32, 58});
        arrow(g, {32, 32}, {6, 32});
        dot(g, {32, 32}, 7);
        break;
    case ControlTag::ModeResizeLayer:  // resize layer
        g.setPen(QPen(Ink, 2, Qt::DashLine));
        g.drawRect(QRectF(8, 24, 32, 32));
        g.setPen(inkPen());
        g.setBrush(Fill);
        g.drawRect(QRectF(8, 40, 16, 16));
        arrow(g, {26, 38}, {54, 10});
        break;
    case ControlTag::ModeMoveLayer:  // move layer
        g.setPen(inkPen());
        g.setBrush(Fill);
        g.drawPath(blob().translated(-2, 0));
        arrow(g, {32, 32}, {32, 6});
        arrow(g, {32, 32}, {58, 32});
        arrow(g, {32, 32}, {32, 58});
        arrow(g, {32, 32}, {6, 32});
        break;
    case ControlTag::ModeRotateLayer: {  // rotate layer
        g.setPen(inkPen());
        g.setBrush(Fill);
        g.drawRect(QRectF(22, 22, 20, 20));
        g.setPen(accentPen());
        g.setBrush(Qt::NoBrush);
        g.drawArc(QRectF(8, 8, 48, 48), 100 * 16, 250 * 16);
        arrow(g, {18, 12}, {26, 9});
        break;
    }
    case ControlTag::Undo:  // undo
    case ControlTag::Redo: {  // redo
        if (tag == ControlTag::Redo) {
            g.translate(64, 0);
            g.scale(-1, 1);
        }
        QPainterPath p;
        p.moveTo(52, 50);
        p.cubicTo(52, 22, 36, 18, 14, 24);
        g.strokePath(p, accentPen(6));
        arrow(g, {20, 26}, {12, 24});
        break;
    }
    case ControlTag::AllLayers:  // all layers
        sheet(g, 48);
        sheet(g, 38, Fill.lighter(140));
        sheet(g, 28, QColor(0xF4, 0xC4, 0x30));
        sheet(g, 18, Fill);
        break;
    case ControlTag::NumberAndPoint: {  // points and numbers
        dot(g, {22, 36}, 7);
        QFont f("DejaVu Sans");
        f.setPixelSize(18);
        f.setBold(true);
        g.setFont(f);
        g.setPen(QColor(0xFF, 0x00, 0xFF));
        g.drawText(QPointF(30, 30), "1");
        dot(g, {46, 50}, 7);
        break;
    }
    case ControlTag::Back:  // background
        g.setPen(inkPen());
        g.setBrush(QColor(0xD7, 0xE1, 0xE1));
        g.drawRect(QRectF(8, 8, 48, 48));
        break;
    case ControlTag::Blur:  // blob
        g.setPen(Qt::NoPen);
        g.setBrush(Fill);
        g.drawPath(blob());
        break;
    case ControlTag::LineSolid: curve(g, QPen(Ink, 6, Qt::SolidLine, Qt::RoundCap)); break;
    case ControlTag::LineDot: curve(g, QPen(Ink, 6, Qt::DotLine, Qt::RoundCap)); break;
    case ControlTag::Dots:  // dots
        for (QPointF p : samplePoints())
            dot(g, p, 6, Ink);
        break;
    case ControlTag::Closure: {  // closed outline
        g.setPen(inkPen(4));
        g.drawPath(blob());
        break;
    }
    case ControlTag::Width00: case ControlTag::Width04: case ControlTag::Width08: case ControlTag::Width16: {
        const qreal w[] = {1, 4, 8, 16};
        g.setPen(QPen(Ink, w[tag - ControlTag::Width00], Qt::SolidLine, Qt::RoundCap));
        g.drawLine(QPointF(14, 32), QPointF(50, 32));
        break;
    }
    case ControlTag::Broken:  // broken line
        g.setPen(inkPen(4));
        g.drawPolyline(samplePoints());
        break;
    case ControlTag::Curve: curve(g, inkPen(4)); break;
    default: break;
    }
}
}

QImage ButtonGlyph(ControlTag tag, QSize size)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(size.width(), size.height()) * 0.8;
    g.translate((size.width() - side) / 2, (size.height() - side) / 2);
    g.scale(side / 64, side / 64);
    drawGlyph(g, tag);
    return img;
}

static QFont bold(int px)
{
    QFont f("DejaVu Sans");
    f.setPixelSize(px);
    f.setBold(true);
    return f;
}

QImage LogoPicture()
{
    QImage img(322, 116, QImage::Format_RGB32);
    img.fill(QColor(0xD4, 0xD4, 0xD4));
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(QColor(0xF1, 0xF1, 0xF1));
    g.setPen(QPen(QColor(0xBB, 0xBB, 0xBB), 1));
    g.drawRoundedRect(QRectF(10.5, 10.5, 95, 95), 24, 24);
    g.translate(18, 18);
    g.scale(80.0 / 64, 80.0 / 64);
    drawGlyph(g, ControlTag::SnowMen);
    g.resetTransform();
    g.setPen(Ink);
    g.setFont(bold(38));
    g.drawText(QPointF(118, 62), "Merisko");
    QFont small("DejaVu Sans");
    small.setPixelSize(13);
    g.setFont(small);
    g.drawText(QPointF(120, 86), QStringLiteral("edytor piktogramów"));
    return img;
}

QImage BannerPicture(int width)
{
    QImage img(width, 18, QImage::Format_RGB32);
    img.fill(QColor(0x2E, 0x3A, 0x46));
    QPainter g(&img);
    g.setRenderHint(QPainter::TextAntialiasing);
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    g.setFont(f);
    g.setPen(QColor(0xF1, 0xF1, 0xF1));
    g.drawText(QRect(8, 0, width - 16, 18), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Merisko — piktogramy w szkole: czytaj znaki, rysuj znaki"));
    return img;
}

QImage ProjectBadge()
{
    QImage img(96, 96, QImage::Format_RGB32);
    img.fill(QColor(0xF1, 0xF1, 0xF1));
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(Accent, 3));
    g.setBrush(Sheet);
    g.drawEllipse(QPointF(48, 48), 40, 40);
    g.setPen(Ink);
    g.setFont(bold(13));
    g.drawText(QRectF(8, 26, 80, 44), Qt::AlignCenter, QStringLiteral("Projekt\nMerisko"));
    return img;
}

QImage PlaceholderThumb()
{
    QImage img(64, 64, QImage::Format_RGB32);
    img.fill(QColor(0xF1, 0xF1, 0xF1));
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(inkPen(2));
    g.setBrush(Sheet);
    g.drawPolygon(QPolygonF{{16, 6}, {40, 6}, {50, 16}, {50, 58}, {16, 58}});
    g.drawPolyline(QPolygonF{{40, 6}, {40, 16}, {50, 16}});
    dot(g, {33, 38}, 9, Fill.lighter(120));
    return img;
}

/// A rounded white tile with the glyph of tag drawn side pixels square inside it.
static void glyphTile(QPainter &g, const QRectF &tile, ControlTag tag, const QColor &frame)
{
    g.setPen(QPen(frame, 2));
    g.setBrush(Qt::white);
    g.drawRoundedRect(tile, tile.width() * 0.22, tile.height() * 0.22);
    g.save();
    const qreal inner = tile.width() * 0.78;
    g.translate(tile.center() - QPointF(inner / 2, inner / 2));
    g.scale(inner / 64, inner / 64);
    drawGlyph(g, tag);
    g.restore();
}

QImage SplashPicture(QSize size)
{
    const qreal w = size.width(), h = size.height();
    QImage img(size, QImage::Format_RGB32);
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing);
    g.setRenderHint(QPainter::TextAntialiasing);

    // The sky of a winter day, and a snowy hill along the bottom.
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(0x9F, 0xCF, 0xEF));
    sky.setColorAt(1, QColor(0xE4, 0xF3, 0xFB));
    g.fillRect(img.rect(), sky);
    QPainterPath hill;
    hill.moveTo(0, h * 0.80);
    hill.cubicTo(w * 0.30, h * 0.68, w * 0.62, h * 0.90, w, h * 0.74);
    hill.lineTo(w, h);
    hill.lineTo(0, h);
    hill.closeSubpath();
    g.setPen(Qt::NoPen);
    QLinearGradient snow(0, h * 0.7, 0, h);
    snow.setColorAt(0, Qt::white);
    snow.setColorAt(1, QColor(0xD8, 0xE6, 0xF0));
    g.setBrush(snow);
    g.drawPath(hill);
    g.setBrush(QColor(255, 255, 255, 200));
    for (int i = 0; i < 60; ++i) {  // snowflakes in a fixed scatter
        const qreal x = std::fmod(i * 211.7, w), y = std::fmod(i * 97.3, h * 0.7);
        g.drawEllipse(QPointF(x, y), 2 + i % 3, 2 + i % 3);
    }

    // The card: the logo, the name and what the program is.
    const QRectF card(w / 2 - 380, h * 0.16, 760, 330);
    g.setBrush(QColor(0, 0, 0, 40));
    g.drawRoundedRect(card.translated(6, 8), 36, 36);
    g.setBrush(Qt::white);
    g.setPen(QPen(QColor(0xBB, 0xBB, 0xBB), 1));
    g.drawRoundedRect(card, 36, 36);
    glyphTile(g, QRectF(card.left() + 40, card.top() + 40, 190, 190), ControlTag::SnowMen, QColor(0xBB, 0xBB, 0xBB));
    g.setPen(Ink);
    g.setFont(bold(96));
    g.drawText(QRectF(card.left() + 260, card.top() + 40, 480, 120), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Merisko"));
    QFont subtitle("DejaVu Sans");
    subtitle.setPixelSize(36);
    g.setFont(subtitle);
    g.setPen(Accent);
    g.drawText(QRectF(card.left() + 264, card.top() + 160, 480, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("edytor piktogramów"));
    g.setPen(QPen(Accent, 6, Qt::SolidLine, Qt::RoundCap));
    g.drawLine(QPointF(card.left() + 266, card.top() + 232), QPointF(card.left() + 560, card.top() + 232));
    g.setPen(Ink);
    QFont note("DejaVu Sans");
    note.setPixelSize(20);
    g.setFont(note);
    g.drawText(QRectF(card.left(), card.bottom() - 70, card.width(), 40), Qt::AlignCenter,
               QStringLiteral("piktogramy w szkole: czytaj znaki, rysuj znaki"));

    // What a pictogram is made of: a row of the editor's own tiles on the snow.
    const ControlTag tags[] = {ControlTag::Blur,  ControlTag::LineSolid, ControlTag::LineDot,
                               ControlTag::Dots, ControlTag::Closure,   ControlTag::ModeRotateLayer};
    const qreal side = 96, gap = 36, row = 6 * side + 5 * gap;
    for (int i = 0; i < 6; ++i)
        glyphTile(g, QRectF(w / 2 - row / 2 + i * (side + gap), h * 0.16 + 330 + 50, side, side), tags[i],
                  QColor(0x9F, 0xCF, 0xEF));
    return img;
}
