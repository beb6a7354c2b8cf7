#include "edit/transforms.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {
R_Curve layerAt(std::vector<TGPPointF> points, std::vector<RRadAng> &base)
{
    PictoDocument d;
    NewCurve(d, KindSolid, 0);
    d.TCurveStruct[0].XYPoints = points;
    d.TCurveStruct[0].Count = int(points.size());
    XYToPolar(d);
    base = d.TCurveStruct[0].RAPoints;
    return d.TCurveStruct[0];
}
}

TEST(Transforms, RotateAndResizeAboutTheViewCentre)
{
    std::vector<RRadAng> base;
    R_Curve layer = layerAt({{356, 256}, {256, 256}, {256, 156}}, base);
    struct Case { bool rotate; long double by; TGPPointF p0, p2; } cases[] = {
        {true, RotationAngle(90), {256, 356}, {356, 256}},  // clockwise on screen
        {true, RotationAngle(0), {356, 256}, {256, 156}},
        {false, 0.5L, {306, 256}, {256, 206}},
        {false, 2.0L, {456, 256}, {256, 56}},
    };
    for (const Case &c : cases) {
        if (c.rotate)
            RotateCurve(layer, base, c.by);
        else
            ResizeCurve(layer, base, c.by);
        EXPECT_NEAR(layer.XYPoints[0].X, c.p0.X, 1e-3) << double(c.by);
        EXPECT_NEAR(layer.XYPoints[0].Y, c.p0.Y, 1e-3) << double(c.by);
        EXPECT_NEAR(layer.XYPoints[2].X, c.p2.X, 1e-3) << double(c.by);
        EXPECT_NEAR(layer.XYPoints[2].Y, c.p2.Y, 1e-3) << double(c.by);
        EXPECT_EQ(layer.XYPoints[1].X, 256);  // the centre never moves
        EXPECT_EQ(layer.XYPoints[1].Y, 256);
    }
}

TEST(Transforms, AShortBaseCopyIsNeverReadPastItsEnd)
{
    std::vector<RRadAng> base;
    R_Curve layer = layerAt({{356, 256}, {300, 300}, {200, 200}}, base);
    base.resize(1);
    RotateCurve(layer, base, RotationAngle(90));
    EXPECT_NEAR(layer.XYPoints[0].Y, 356, 1e-3);
    EXPECT_EQ(layer.XYPoints[2].X, 200);  // beyond the copy: untouched
}

TEST(Transforms, LabelsInDegreesAndWithADecimalCommaWhateverTheLocale)
{
    EXPECT_EQ(RotationLabel(45), QString::fromUtf8("45°"));
    EXPECT_EQ(RotationLabel(0), QString::fromUtf8("0°"));
    const QLocale before;
    struct Case { int percent; const char *label; } cases[] = {
        {20, "0,2"}, {100, "1"}, {125, "1,25"}, {150, "1,5"}, {200, "2"}, {33, "0,33"},
    };
    for (QLocale::Language language : {QLocale::English, QLocale::Polish, QLocale::German}) {
        QLocale::setDefault(QLocale(language));
        for (const Case &c : cases)
            EXPECT_EQ(SizeLabel(c.percent), c.label) << c.percent << " " << QLocale().name().toStdString();
    }
    QLocale::setDefault(before);
}
