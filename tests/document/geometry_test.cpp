#include "document/geometry.h"
#include "document/picto.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

constexpr long double Pi = std::numbers::pi_v<long double>;

TEST(PointToPolar, CentreGivesZeroRadiusAndAnglePi)
{
    const RRadAng p = PointToPolar(0, 0);
    EXPECT_EQ(p.R, 0);
    EXPECT_EQ(p.A, Pi);
    const TGPPointF back = PolarToPoint(p, 256, 256);
    EXPECT_FLOAT_EQ(back.X, 256);
    EXPECT_FLOAT_EQ(back.Y, 256);
}

TEST(PointToPolar, AxisDirectionsGrowClockwise)
{
    struct Case { float x, y; long double a; } cases[] = {
        {300, 256, 0}, {256, 300, Pi / 2}, {212, 256, Pi}, {256, 212, 3 * Pi / 2},
    };
    for (const Case &c : cases) {
        const RRadAng p = PointToPolar(256 - c.x, 256 - c.y);
        EXPECT_NEAR(static_cast<double>(p.R), 44, 1e-12) << c.x << "," << c.y;
        EXPECT_NEAR(static_cast<double>(p.A), static_cast<double>(c.a), 1e-12) << c.x << "," << c.y;
    }
}

TEST(PointToPolar, JustAboveTheRightAxisIsBelowTwoPi)
{
    const RRadAng p = PointToPolar(256 - 300.0f, 256 - 255.9f);
    EXPECT_GT(p.A, 1.9 * Pi);
    EXPECT_LT(p.A, 2 * Pi);
}

TEST(PointToPolar, RoundTripKeepsFloatPoints)
{
    for (float x = 0; x <= 512; x += 37.25f)
        for (float y = 0; y <= 512; y += 41.5f) {
            const TGPPointF back = PolarToPoint(PointToPolar(256 - x, 256 - y), 256, 256);
            EXPECT_NEAR(back.X, x, 1e-3);
            EXPECT_NEAR(back.Y, y, 1e-3);
        }
}

TEST(LayerStack, NewDuplicateSwapDeleteBehaveAsValues)
{
    PictoDocument doc;
    EXPECT_EQ(NewCurve(doc, KindBackground, 0), 0);
    EXPECT_EQ(NewCurve(doc, KindSolid, 3), 1);
    EXPECT_EQ(doc.TCurveStruct[0].Color, 0xFFD7E1E1u);
    const R_Curve &line = doc.TCurveStruct[1];
    EXPECT_EQ(line.Color, 0xFF000000u);
    EXPECT_EQ(line.Width, 16);
    EXPECT_EQ(line.Tension, 0.5f);
    EXPECT_EQ(line.XYPoints[2].X, -20);

    EXPECT_EQ(DuplicateCurve(doc, 1), 2);
    doc.TCurveStruct[2].XYPoints[0] = {100, 100};
    EXPECT_EQ(doc.TCurveStruct[1].XYPoints[0].X, -20) << "a copy owns its points";

    SwapCurves(doc, 0, 2);
    EXPECT_EQ(doc.TCurveStruct[0].XYPoints[0].X, 100);
    DeleteCurve(doc, 0);
    EXPECT_EQ(doc.Dimension, 2);
    EXPECT_EQ(doc.TCurveStruct[1].TypeC, KindBackground);
    EXPECT_THROW(DeleteCurve(doc, 2), std::out_of_range);
}

TEST(PolarToPoint, MatchesTheLibraryTrigonometryOnEveryTwoDecimalAngle)
{
    for (int r = 0; r <= 40000; r += 713)
        for (int k = 0; k <= 628; ++k) {
            const RRadAng p{r / 100.0L, k / 100.0L};
            const TGPPointF got = PolarToPoint(p, 256, 256);
            EXPECT_EQ(got.X, static_cast<float>(256 + p.R * std::cos(p.A))) << r << " " << k;
            EXPECT_EQ(got.Y, static_cast<float>(256 + p.R * std::sin(p.A))) << r << " " << k;
        }
}
