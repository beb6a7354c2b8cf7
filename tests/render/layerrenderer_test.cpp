#include "render/curves.h"
#include "render/layerrenderer.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

constexpr QRgb White = 0xFFFFFFFFu;

R_Curve Layer(int32_t kind, uint32_t color, int32_t width, uint8_t closure, float tension,
              std::initializer_list<TGPPointF> pts)
{
    R_Curve c;
    c.TypeC = kind;
    c.Color = color;
    c.Width = width;
    c.Closure = closure;
    c.Tension = tension;
    c.XYPoints = pts;
    c.Count = int32_t(c.XYPoints.size());
    return c;
}

QImage Blank()
{
    QImage img(512, 512, QImage::Format_ARGB32_Premultiplied);
    img.fill(White);
    return img;
}

QImage Paint(const std::vector<R_Curve> &layers, bool antialiased = false)
{
    QImage img = Blank();
    LayerRenderer r;
    QPainter g(&img);
    g.setRenderHint(QPainter::Antialiasing, antialiased);
    for (const R_Curve &c : layers)
        r.PaintLayer(g, c);
    g.end();
    return img;
}

QRgb Px(const QImage &img, int x, int y) { return img.pixel(x, y); }

// Black ink on white: a pixel is inked when nearly black, unpainted when nearly white.
bool Inked(const QImage &img, int x, int y) { return qRed(img.pixel(x, y)) < 64; }
bool Unpainted(const QImage &img, int x, int y) { return qRed(img.pixel(x, y)) > 230; }

void ExpectNear(const QPointF &p, double x, double y)
{
    EXPECT_NEAR(p.x(), x, 0.01);
    EXPECT_NEAR(p.y(), y, 0.01);
}

} // namespace

TEST(CardinalCurves, OpenCurveControlPointsFollowTheChordRule)
{
    const TGPPointF pts[] = {{0, 0}, {10, 10}, {10, 20}, {30, 10}};
    const QPainterPath p = OpenCardinalPath(pts, 4, 1.0f);
    ASSERT_EQ(p.elementCount(), 10); // moveTo + 3 cubic segments
    ExpectNear(p.elementAt(0), 0, 0);
    ExpectNear(p.elementAt(1), 10.0 / 3, 10.0 / 3);
    ExpectNear(p.elementAt(2), 20.0 / 3, 10.0 / 3);
    ExpectNear(p.elementAt(3), 10, 10);
    ExpectNear(p.elementAt(4), 40.0 / 3, 50.0 / 3);
    ExpectNear(p.elementAt(8), 70.0 / 3, 40.0 / 3);
    ExpectNear(p.elementAt(9), 30, 10);
}

TEST(CardinalCurves, ClosedCurveWrapsAroundAndZeroTensionIsStraight)
{
    const TGPPointF pts[] = {{0, 0}, {30, 0}, {0, 30}};
    const QPainterPath p = ClosedCardinalPath(pts, 3, 1.0f);
    EXPECT_EQ(p.fillRule(), Qt::OddEvenFill);
    ASSERT_GE(p.elementCount(), 10);
    // T0 = (P1 - P2) / 3 = (10, -10); first control point P0 + T0.
    ExpectNear(p.elementAt(1), 10, -10);
    // Last segment ends back on P0, entering with P0 - T0.
    ExpectNear(p.elementAt(8), -10, 10);
    ExpectNear(p.elementAt(9), 0, 0);

    const QPainterPath straight = ClosedCardinalPath(pts, 3, 0.0f);
    ExpectNear(straight.elementAt(1), 0, 0);
    ExpectNear(straight.elementAt(2), 30, 0);
}

TEST(CardinalCurves, TooFewPointsGiveEmptyPaths)
{
    const TGPPointF pts[] = {{1, 1}, {50, 50}, {90, 10}};
    EXPECT_TRUE(OpenCardinalPath(pts, 0, 0.5f).isEmpty());
    EXPECT_TRUE(OpenCardinalPath(pts, 1, 0.5f).isEmpty());
    EXPECT_FALSE(OpenCardinalPath(pts, 2, 0.5f).isEmpty());
    EXPECT_TRUE(ClosedCardinalPath(pts, 2, 0.5f).isEmpty());
    EXPECT_FALSE(ClosedCardinalPath(pts, 3, 0.5f).isEmpty());
    EXPECT_TRUE(PolylinePath(pts, 1, true).isEmpty());
}

TEST(LayerRenderer, BackgroundClearsEverythingBelowAndLayersAboveStayVisible)
{
    const QImage img = Paint({
        Layer(KindBlob, 0xFFFF0000u, 0, 0, 0.0f, {{10, 10}, {500, 10}, {500, 500}, {10, 500}}),
        Layer(KindDots, 0xFF00FF00u, 16, 0, 0.0f, {{300, 300}}),
        Layer(KindBackground, 0xFF0000FFu, 0, 0, 0.0f, {}),
        Layer(KindDots, 0xFFFFFF00u, 16, 0, 0.0f, {{100, 100}}),
    });
    for (auto [x, y] : {std::pair{0, 0}, {511, 511}, {250, 250}, {300, 300}})
        EXPECT_EQ(Px(img, x, y), 0xFF0000FFu) << x << "," << y;
    EXPECT_EQ(Px(img, 100, 100), 0xFFFFFF00u);
}

TEST(LayerRenderer, DotsAreDiscsOfRadiusLowByteOfWidth)
{
    struct Case { int32_t width; int inside; int outside; };
    for (const Case &k : {Case{16, 14, 18}, Case{16 + 256, 14, 18}, Case{8, 6, 10}}) {
        const QImage img = Paint({Layer(KindDots, 0xFF000000u, k.width, 2, 0.5f,
                                        {{200, 200}, {350, 120}})});
        for (auto [cx, cy] : {std::pair{200, 200}, {350, 120}}) {
            EXPECT_EQ(Px(img, cx, cy), 0xFF000000u) << k.width;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                EXPECT_EQ(Px(img, cx + dx * k.inside, cy + dy * k.inside), 0xFF000000u) << k.width;
                EXPECT_EQ(Px(img, cx + dx * k.outside, cy + dy * k.outside), White) << k.width;
            }
        }
    }
    EXPECT_EQ(Paint({Layer(KindDots, 0xFF000000u, 0, 0, 0.0f, {{200, 200}})}), Blank());
}

TEST(LayerRenderer, OnlyTheFirstCountPointsAreUsed)
{
    R_Curve c = Layer(KindDots, 0xFF000000u, 8, 0, 0.0f, {{100, 100}, {300, 300}});
    c.Count = 1;
    const QImage img = Paint({c});
    EXPECT_EQ(Px(img, 100, 100), 0xFF000000u);
    EXPECT_EQ(Px(img, 300, 300), White);
}

TEST(LayerRenderer, UnknownKindsBadClosuresAndEmptyLayersDrawNothing)
{
    const std::initializer_list<TGPPointF> tri = {{100, 100}, {400, 100}, {250, 400}};
    std::vector<R_Curve> nothing = {
        Layer(5, 0xFF000000u, 8, 0, 0.5f, tri),
        Layer(6, 0xFF000000u, 8, 1, 0.0f, tri),
        Layer(-1, 0xFF000000u, 8, 0, 0.0f, tri),
        Layer(KindSolid, 0xFF000000u, 8, 2, 0.0f, tri),
        Layer(KindSolid, 0xFF000000u, 8, 2, 0.5f, tri),
        Layer(KindDotted, 0xFF000000u, 8, 2, 0.5f, tri),
        Layer(KindBlob, 0xFF000000u, 8, 0, 0.5f, {}),
        Layer(KindSolid, 0xFF000000u, 8, 0, 0.5f, {{100, 100}}),
        Layer(KindDotted, 0xFF000000u, 8, 1, 0.5f, {{100, 100}, {200, 200}}),
    };
    for (const R_Curve &c : nothing)
        EXPECT_EQ(Paint({c}), Blank()) << "kind " << c.TypeC << " closure " << int(c.Closure);

    // Blob ignores closure and width.
    const QImage blob = Paint({Layer(KindBlob, 0xFFFF0000u, 99, 2, 0.5f, tri)});
    EXPECT_EQ(Px(blob, 250, 200), 0xFFFF0000u);
}

TEST(LayerRenderer, BrokenLinePolygonPassesThroughItsVerticesAndEdges)
{
    const QImage img = Paint({Layer(KindSolid, 0xFF000000u, 4, 1, 0.0f,
                                    {{100, 100}, {400, 100}, {250, 400}})});
    for (auto [x, y] : {std::pair{100, 100}, {400, 100}, {250, 400}, // vertices
                        {250, 100}, {325, 250}, {175, 250}})         // edges, incl. the closing one
        EXPECT_EQ(Px(img, x, y), 0xFF000000u) << x << "," << y;
    EXPECT_EQ(Px(img, 250, 200), White);

    // The same points open and with tension 0: no closing edge.
    const QImage open = Paint({Layer(KindSolid, 0xFF000000u, 4, 0, 0.0f,
                                     {{100, 100}, {400, 100}, {250, 400}})});
    EXPECT_EQ(Px(open, 325, 250), 0xFF000000u);
    EXPECT_EQ(Px(open, 175, 250), White);
}

TEST(LayerRenderer, DottedLineAlternatesDotsAndGaps)
{
    const QImage img = Paint({Layer(KindDotted, 0xFF000000u, 8, 0, 0.0f, {{50, 256}, {450, 256}})});
    int painted = 0, changes = 0;
    bool prev = false;
    for (int x = 60; x < 440; ++x) {
        const bool on = qAlpha(Px(img, x, 256)) == 255 && qRed(Px(img, x, 256)) < 128;
        painted += on;
        changes += (x > 60 && on != prev);
        prev = on;
    }
    EXPECT_GT(painted, 380 / 4);
    EXPECT_LT(painted, 380 * 3 / 4);
    EXPECT_GT(changes, 20);
}

// A dotted line that leaves the view and comes back: the walk skips the outside part, and the dots
// it draws when it comes back must sit where a walk along the whole line puts them (here, a
// surface large enough to hold the whole line, its middle cut out).
TEST(LayerRenderer, DottedLineLeavingTheViewComesBackWithItsDotsInStep)
{
    const std::initializer_list<TGPPointF> out = {{40, 100}, {1500, 130}, {900, 1400}, {60, 420}};
    const QImage view = Paint({Layer(KindDotted, 0xFF203040u, 9, 0, 0.3f, out)});

    constexpr int shift = 1024;
    std::vector<TGPPointF> shifted;
    for (const TGPPointF &p : out)
        shifted.push_back({p.X + shift, p.Y + shift});
    R_Curve whole = Layer(KindDotted, 0xFF203040u, 9, 0, 0.3f, {});
    whole.XYPoints = shifted;
    whole.Count = int32_t(shifted.size());
    QImage big(3072, 3072, QImage::Format_ARGB32_Premultiplied);
    big.fill(White);
    {
        LayerRenderer r;
        QPainter g(&big);
        r.PaintLayer(g, whole);
    }
    const QImage middle = big.copy(shift, shift, 512, 512);

    int inked = 0;
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x) {
            const QRgb a = Px(view, x, y), b = Px(middle, x, y);
            inked += a != White;
            ASSERT_LE(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)), 6)
                << x << "," << y;
        }
    EXPECT_GT(inked, 2000);
}

// The pens are shared between layers, and a pen keeps its width when given one it refuses. A file's
// negative or enormous width must still paint the same whatever layer was painted before it.
TEST(LayerRenderer, AWidthOutsideThePensRangePaintsTheSameAfterAnyLayer)
{
    const R_Curve wide = Layer(KindSolid, 0xFF00AA00u, 40, 0, 0.0f, {{20, 20}, {60, 30}});
    const R_Curve wideDots = Layer(KindDotted, 0xFF00AA00u, 40, 0, 0.0f, {{20, 20}, {60, 30}});
    for (int32_t width : {-7, -2147483647, 40000, 2147483647}) {
        for (int32_t kind : {int32_t(KindSolid), int32_t(KindDotted)}) {
            SCOPED_TRACE(testing::Message() << "kind " << kind << ", width " << width);
            const R_Curve odd = Layer(kind, 0xFF0000AAu, width, 0, 0.5f, {{100, 300}, {300, 320}, {420, 200}});
            QImage alone = Blank();
            {
                LayerRenderer r;
                QPainter g(&alone);
                r.PaintLayer(g, odd);
            }
            QImage after = Blank();
            {
                LayerRenderer r;
                QPainter g(&after);
                r.PaintLayer(g, wide);
                r.PaintLayer(g, wideDots);
                g.setCompositionMode(QPainter::CompositionMode_Source);
                g.fillRect(after.rect(), White);
                g.setCompositionMode(QPainter::CompositionMode_SourceOver);
                r.PaintLayer(g, odd);
            }
            EXPECT_EQ(alone, after);
        }
    }
}

TEST(LayerRenderer, DrawDotUsesTheBrushColourAndIgnoresANullSurface)
{
    LayerRenderer r;
    r.DrawDot(nullptr, {10, 10}, 5);
    QImage img = Blank();
    QPainter g(&img);
    r.Br_i.setColor(QColor(0, 128, 0));
    r.DrawDot(&g, {50, 60}, 4);
    g.end();
    EXPECT_EQ(Px(img, 50, 60), 0xFF008000u);
    EXPECT_EQ(Px(img, 50, 66), White);
}

// A layer point is the centre of the pixel with its coordinates, with or without antialiasing.
TEST(LayerRenderer, PointsAreThePixelCentres)
{
    for (const bool aa : {false, true}) {
        SCOPED_TRACE(aa ? "antialiased" : "aliased");
        // A line one pixel wide (and the thinnest one) at x = 10 is column 10, whole.
        for (int32_t width : {0, 1}) {
            const QImage line = Paint({Layer(KindSolid, 0xFF000000u, width, 0, 0.0f, {{10, 50}, {10, 150}})}, aa);
            EXPECT_EQ(Px(line, 10, 100), 0xFF000000u) << "width " << width;
            EXPECT_EQ(Px(line, 9, 100), White) << "width " << width;
            EXPECT_EQ(Px(line, 11, 100), White) << "width " << width;
        }
        // A disc lies evenly about the pixel of its point.
        const QImage dot = Paint({Layer(KindDots, 0xFF000000u, 4, 0, 0.0f, {{100, 100}})}, aa);
        EXPECT_EQ(Px(dot, 100, 100), 0xFF000000u);
        for (auto [dx, dy] : {std::pair{-4, 0}, {0, -4}, {0, 4}})
            EXPECT_EQ(Px(dot, 100 + dx, 100 + dy), Px(dot, 104, 100)) << dx << "," << dy;
    }
    // A filled square from 20 to 40 covers half of each edge pixel.
    const QImage square = Paint({Layer(KindBlob, 0xFF000000u, 0, 0, 0.0f, {{20, 20}, {40, 20}, {40, 40}, {20, 40}})},
                                true);
    for (auto [x, y] : {std::pair{20, 30}, {40, 30}, {30, 20}, {30, 40}})
        EXPECT_NEAR(qRed(Px(square, x, y)), 128, 2) << x << "," << y;
    EXPECT_EQ(Px(square, 21, 30), 0xFF000000u);
    EXPECT_EQ(Px(square, 39, 39), 0xFF000000u);
}

// Solid lines join their segments with a miter: corners are sharp, the ends of open lines round.
TEST(LayerRenderer, SolidLineCornersAreSharpAndItsEndsRound)
{
    const std::initializer_list<TGPPointF> square = {{100, 100}, {300, 100}, {300, 300}, {100, 300}};
    for (const bool aa : {false, true}) {
        SCOPED_TRACE(aa ? "antialiased" : "aliased");
        // Width 8: the outline spans 4 pixels either side of the points.
        const QImage closed = Paint({Layer(KindSolid, 0xFF000000u, 8, 1, 0.0f, square)}, aa);
        for (auto [x, y] : {std::pair{97, 97}, {303, 97}, {303, 303}, {97, 303}})
            EXPECT_TRUE(Inked(closed, x, y)) << "corner " << x << "," << y;

        const QImage open = Paint({Layer(KindSolid, 0xFF000000u, 8, 0, 0.0f, square)}, aa);
        EXPECT_TRUE(Inked(open, 303, 97)) << "inner corner";
        EXPECT_TRUE(Inked(open, 97, 100)) << "round cap, beyond the first point";
        EXPECT_FALSE(Inked(open, 97, 97)) << "round cap, not square";
        EXPECT_FALSE(Inked(open, 97, 303)) << "round cap at the last point";
    }
}

// A miter whose tip lies farther than 10 half widths from its joint is cut square across, at a
// tip length of sqrt(99) / 2 pen widths along the outer edge: a corner of 14 degrees keeps its tip,
// one of 10 degrees loses it.
TEST(LayerRenderer, SharpCornersAreCutBeyondTheMiterLimit)
{
    struct Case {
        double degrees;
        double inkedAt, blankAt;  ///< distances from the joint along the tip, pixels
    };
    // Width 16: the tip lies 8 / sin(angle / 2) from the joint, 65.6 at 14 degrees, 91.8 at 10;
    // the cut of the 10 degree corner lies 80.0 from the joint.
    for (const Case &k : {Case{14, 59, 70}, Case{10, 76, 84}}) {
        const double half = k.degrees / 2 * M_PI / 180;
        const TGPPointF joint{256, 100};
        const TGPPointF a{float(joint.X - 300 * std::sin(half)), float(joint.Y + 300 * std::cos(half))};
        const TGPPointF b{float(joint.X + 300 * std::sin(half)), float(joint.Y + 300 * std::cos(half))};
        for (const bool aa : {false, true}) {
            SCOPED_TRACE(testing::Message() << k.degrees << " degrees, " << (aa ? "antialiased" : "aliased"));
            const QImage img = Paint({Layer(KindSolid, 0xFF000000u, 16, 0, 0.0f, {a, joint, b})}, aa);
            EXPECT_TRUE(Inked(img, 256, int(joint.Y - k.inkedAt)));
            EXPECT_TRUE(Unpainted(img, 256, int(joint.Y - k.blankAt)));
        }
    }
}

// Dots of width 0 are discs of radius 0: nothing, wherever they lie and however they are painted.
TEST(LayerRenderer, DotsOfWidthZeroLeaveNoTrace)
{
    const std::initializer_list<TGPPointF> points = {{100, 100}, {100.3f, 200.7f}, {50.5f, 50.5f}, {300.25f, 10.8f}};
    for (const bool aa : {false, true}) {
        EXPECT_EQ(Paint({Layer(KindDots, 0xFF000000u, 0, 0, 0.0f, points)}, aa), Blank()) << aa;
        EXPECT_EQ(Paint({Layer(KindDots, 0xFF000000u, 256, 0, 0.0f, points)}, aa), Blank()) << aa;
    }
}
