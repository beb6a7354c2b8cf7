#include "render/coverage.h"
#include "render/curves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "guiapp.h"

namespace {
// Total ink of a black-on-white picture: how much line was laid down, in pixel units.
double ink(const QImage &img)
{
    double sum = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            sum += (255 - qGreen(img.pixel(x, y))) / 255.0;
    return sum;
}

// Pixels whose green differs by more than a quarter of its range.
int farPixels(const QImage &a, const QImage &b)
{
    int far = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            far += std::abs(qGreen(a.pixel(x, y)) - qGreen(b.pixel(x, y))) > 64;
    return far;
}

QImage white()
{
    QImage img(200, 200, QImage::Format_RGB32);
    img.fill(Qt::white);
    return img;
}
}

// The mask's stroke against Qt's own stroker with round caps and miter joins, antialiased and
// aliased: the same amount of ink and nearly the same pixels, also where sharp corners are cut off
// and where a line turns back.
TEST(CoverageMask, StrokeMatchesQtStroker)
{
    app();
    const TGPPointF pts[] = {{20, 30}, {90, 170}, {120, 40}, {180, 150}, {60, 100}};
    // Corners of 10 and 14 degrees (the first one's miter is cut, the second's whole), and a line
    // that turns straight back.
    QPainterPath sharp;
    for (const auto &[y, degrees] : {std::pair{40.0, 10.0}, {110.0, 14.0}}) {
        const double half = degrees / 2 * M_PI / 180;
        sharp.moveTo(185 - 150 * std::cos(half), y - 150 * std::sin(half));
        sharp.lineTo(185, y);
        sharp.lineTo(185 - 150 * std::cos(half), y + 150 * std::sin(half));
    }
    sharp.moveTo(60, 170);
    sharp.lineTo(150, 170);
    sharp.lineTo(100, 170);
    QPainterPath closedSharp;
    closedSharp.moveTo(20, 60);
    closedSharp.lineTo(190, 80);
    closedSharp.lineTo(20, 100);
    closedSharp.closeSubpath();
    struct Case {
        const char *name;
        QPainterPath path;
        double width;
        bool closed;
    } cases[] = {
        {"curve w8", OpenCardinalPath(pts, 5, 0.5f), 8, false},
        {"closed curve w16", ClosedCardinalPath(pts, 5, 0.5f), 16, true},
        {"polyline w4", PolylinePath(pts, 5, false), 4, false},
        {"polygon w3", PolylinePath(pts, 5, true), 3, true},
        {"polygon w8", PolylinePath(pts, 5, true), 8, true},
        {"sharp corners w8", sharp, 8, false},
        {"sharp polygon w5", closedSharp, 5, true},
    };
    const double limit = std::sqrt(99.0) / 2;
    for (const bool aa : {true, false}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << (aa ? ", antialiased" : ", aliased"));
            QImage qt = white(), ours = white();
            {
                QPainter g(&qt);
                g.setRenderHint(QPainter::Antialiasing, aa);
                QPen pen(Qt::black, c.width, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin);
                pen.setMiterLimit(limit);
                g.strokePath(c.path, pen);
            }
            {
                QPainter g(&ours);
                g.setRenderHint(QPainter::Antialiasing, aa);
                ASSERT_TRUE(CoverageMask::Usable(g));
                CoverageMask mask;
                mask.Begin(g, 0xFF000000u);
                mask.AddPolylines(CoverageMask::Flatten(c.path), c.width / 2, limit, c.closed);
                mask.Flush(g);
            }
            EXPECT_NEAR(ink(ours), ink(qt), ink(qt) * 0.02);
            EXPECT_LT(farPixels(ours, qt), aa ? 40 : 60);
        }
    }
}

TEST(CoverageMask, DiscsOfEveryRadiusAndPositionCoverTheirArea)
{
    app();
    for (double r : {0.5, 3.0, 4.5, 16.0, 2.3}) {
        for (QPointF centre : {QPointF(100, 100), QPointF(100.3, 99.85), QPointF(0, 0), QPointF(200, 50)}) {
            QImage img = white();
            QPainter g(&img);
            g.setRenderHint(QPainter::Antialiasing);
            CoverageMask mask;
            mask.Begin(g, 0xFF000000u);
            mask.AddDisc(centre, r);
            mask.Flush(g);
            g.end();
            // The visible share of the disc: a whole one, a quarter in a corner, a half on an edge.
            const bool corner = centre.x() == 0, edge = centre.x() == 200;
            const double area = M_PI * r * r * (corner ? 0.25 : edge ? 0.5 : 1.0);
            EXPECT_NEAR(ink(img), area, 0.03 * area + 1.5) << r << " at " << centre.x() << "," << centre.y();
        }
    }
}

// Overlapping pieces of one shape are blended once, with soft edges and with hard ones, whether
// they go through the mask (translucent) or straight into the picture (opaque, hard edges).
TEST(CoverageMask, OverlappingShapesAreBlendedOnce)
{
    app();
    for (const bool aa : {true, false}) {
        for (const uint32_t colour : {0x80000000u, 0xFF000000u}) {
            SCOPED_TRACE(testing::Message() << (aa ? "antialiased " : "aliased ") << std::hex << colour);
            QImage img = white();
            QPainter g(&img);
            g.setRenderHint(QPainter::Antialiasing, aa);
            CoverageMask mask;
            mask.Begin(g, colour);
            mask.AddDisc(QPointF(100, 100), 20);
            mask.AddDisc(QPointF(110, 100), 20);
            mask.AddPolylines({QPolygonF{QPointF(60, 100), QPointF(150, 100)}}, 4, 5, false);
            mask.Flush(g);
            g.end();
            const int covered = colour == 0xFF000000u ? 0 : 127;
            for (const int x : {85, 105, 125})
                EXPECT_NEAR(qGreen(img.pixel(x, 100)), covered, 2) << x;
            EXPECT_NEAR(qGreen(img.pixel(140, 100)), covered, 2);
            EXPECT_EQ(img.pixel(160, 100), qRgb(255, 255, 255));
            EXPECT_EQ(img.pixel(105, 130), qRgb(255, 255, 255));
        }
    }
}

TEST(CoverageMask, NotUsedWhenThePainterWouldDrawDifferently)
{
    app();
    QImage img = white();
    QPainter g(&img);
    EXPECT_TRUE(CoverageMask::Usable(g));  // aliased: hard edges
    g.setRenderHint(QPainter::Antialiasing);
    EXPECT_TRUE(CoverageMask::Usable(g));
    g.scale(2, 2);
    EXPECT_FALSE(CoverageMask::Usable(g));
    g.resetTransform();
    g.setClipRect(0, 0, 10, 10);
    EXPECT_FALSE(CoverageMask::Usable(g));
}
