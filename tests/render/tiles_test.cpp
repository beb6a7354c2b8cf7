#include "render/tiles.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(RoundFrame, IntegerMeasures)
{
    struct Case { int n, b, c, m, d, e; } cases[] = {
        {64, 21, 42, 63, 10, 53}, {72, 24, 47, 71, 12, 59}, {512, 170, 341, 511, 85, 426},
    };
    for (const Case &k : cases) {
        const RoundFrameGeometry g = RoundFrameMeasures(k.n);
        EXPECT_EQ(g.b, k.b) << k.n;
        EXPECT_EQ(g.c, k.c) << k.n;
        EXPECT_EQ(g.m, k.m) << k.n;
        EXPECT_EQ(g.d, k.d) << k.n;
        EXPECT_EQ(g.e, k.e) << k.n;
    }
}

TEST(RoundFrame, EdgesDrawnCornersRounded)
{
    QImage img(72, 72, QImage::Format_RGB32);
    img.fill(Qt::white);
    {
        QPainter p(&img);
        DrawRoundFrame(p, QPen(QColor(0xBB, 0xBB, 0xBB), 1), 72);
    }
    const QRgb grey = qRgb(0xBB, 0xBB, 0xBB);
    for (const QPoint pt : {QPoint(36, 0), QPoint(71, 36), QPoint(36, 71), QPoint(0, 36)})
        EXPECT_EQ(img.pixel(pt), grey) << pt.x() << "," << pt.y();
    for (const QPoint pt : {QPoint(0, 0), QPoint(71, 0), QPoint(71, 71), QPoint(0, 71), QPoint(36, 36)})
        EXPECT_EQ(img.pixel(pt), qRgb(255, 255, 255)) << pt.x() << "," << pt.y();
}

TEST(RoundCorners, CornersAndOuterRowTakeTheColourCentreUntouched)
{
    for (const int n : {64, 72}) {
        QImage img(n, n, QImage::Format_RGB32);
        img.fill(Qt::black);
        MaskRoundCorners(img, n, QColor(241, 241, 241));
        const QRgb corner = qRgb(241, 241, 241);
        for (const QPoint pt : {QPoint(0, 0), QPoint(n - 1, 0), QPoint(n - 1, n - 1), QPoint(0, n - 1),
                                QPoint(1, 1), QPoint(n / 2, 0), QPoint(0, n / 2)})
            EXPECT_EQ(img.pixel(pt), corner) << n << ": " << pt.x() << "," << pt.y();
        EXPECT_EQ(img.pixel(n / 2, n / 2), qRgb(0, 0, 0)) << n;
        EXPECT_EQ(img.pixel(n / 2, 10), qRgb(0, 0, 0)) << n;
    }
}

// No pixel of the picture shows through between the rings near a rounded corner.
TEST(MaskRoundCornersGaps, NothingOfThePictureOutsideThePaleLine)
{
    for (int n : {64, 72, 512}) {
        QImage img(n, n, QImage::Format_RGB32);
        img.fill(Qt::black);
        MaskRoundCorners(img, n, QColor(241, 241, 241));
        const double r = n / 3 / 2.0;
        int through = 0;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const double cx = x < n / 2 ? r : n - r, cy = y < n / 2 ? r : n - r;
                const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                const bool rounded = (x < n / 2 ? dx <= 0 : dx >= 0) && (y < n / 2 ? dy <= 0 : dy >= 0);
                if (rounded && std::hypot(dx, dy) - r >= -1.5 && img.pixel(x, y) == qRgb(0, 0, 0))
                    ++through;
            }
        EXPECT_EQ(through, 0) << n;
    }
}
