#include "edit/editpoints.h"

#include <gtest/gtest.h>

namespace {
PictoDocument oneLayer(std::vector<TGPPointF> points)
{
    PictoDocument d;
    NewCurve(d, KindSolid, 0);
    d.Ind_Curve = 0;
    d.TCurveStruct[0].XYPoints = points;
    d.TCurveStruct[0].Count = int(points.size());
    return d;
}

std::vector<float> xs(const PictoDocument &d)
{
    std::vector<float> out;
    for (int i = 0; i < d.TCurveStruct[d.Ind_Curve].Count; ++i)
        out.push_back(d.TCurveStruct[d.Ind_Curve].XYPoints[i].X);
    return out;
}
}

TEST(FindNearestPoint, AnswersOnlyOverAMarkerAndTiesGoToTheLowerIndex)
{
    const PictoDocument d = oneLayer({{100, 100}, {120, 100}, {140, 100}});
    struct Case { PointerShape shape; TGPPointF at; int found; } cases[] = {
        {crDrag, {119, 100}, 1},
        {crDrag, {110, 100}, 0},   // halfway between 0 and 1
        {crDrag, {130, 100}, 1},   // halfway between 1 and 2
        {crDrag, {-900, 900}, 0},  // far away, still the nearest
        {crHandPoint, {120, 100}, -1},
        {crCross, {120, 100}, -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FindNearestPoint(d, c.shape, c.at), c.found) << c.at.X << " shape " << c.shape;
    EXPECT_EQ(FindNearestPoint(oneLayer({}), crDrag, {0, 0}), -1);
    EXPECT_EQ(FindNearestPoint(PictoDocument{}, crDrag, {0, 0}), -1);
}

TEST(PointOperations, InsertAtFrontAndEndAppendAndDelete)
{
    PictoDocument d = oneLayer({{1, 0}, {2, 0}});
    InsertPointAfter(d, -1, {0, 0});
    InsertPointAfter(d, 2, {3, 0});
    AppendPoint(d, {4, 0});
    InsertPointAfter(d, 1, {1.5f, 0});
    EXPECT_EQ(xs(d), (std::vector<float>{0, 1, 1.5f, 2, 3, 4}));
    DeletePoint(d, 0);
    DeletePoint(d, 4);
    EXPECT_EQ(xs(d), (std::vector<float>{1, 1.5f, 2, 3}));
    EXPECT_THROW(InsertPointAfter(d, 4, {}), std::out_of_range);
    EXPECT_THROW(DeletePoint(d, 4), std::out_of_range);

    PictoDocument empty;  // no layer: nothing to do, nothing thrown
    AppendPoint(empty, {1, 1});
    DeletePoint(empty, 0);
    EXPECT_EQ(empty.Dimension, 0);
}

TEST(ResampleStroke, SpreadsThePointsFromTheFirstSampleToTheLast)
{
    auto stroke = [](int n) {
        std::vector<TGPPointF> s;
        for (int i = 0; i < n; ++i)
            s.push_back({float(i), 0});
        return s;
    };
    struct Case { int points, samples; std::vector<float> x; } cases[] = {
        {4, 10, {0, 3, 6, 9}},   // the first and the last sample are both kept
        {4, 8, {0, 2, 5, 7}},    // steps of 7/3 samples, to the nearest
        {4, 3, {0, 1, 1, 2}},    // fewer samples than points: spread from the first to the last
        {3, 1, {0, 0, 0}},
        {1, 5, {0}},
    };
    for (const Case &c : cases) {
        R_Curve layer;
        layer.Count = c.points;
        layer.XYPoints.assign(c.points, {-20, -20});
        ResampleStroke(layer, stroke(c.samples));
        std::vector<float> got;
        for (const TGPPointF &p : layer.XYPoints)
            got.push_back(p.X);
        EXPECT_EQ(got, c.x) << c.points << " points, " << c.samples << " samples";
    }
    R_Curve untouched;
    untouched.Count = 2;
    untouched.XYPoints = {{5, 5}, {6, 6}};
    ResampleStroke(untouched, {});
    EXPECT_EQ(untouched.XYPoints[1].X, 6);

    R_Curve bare;
    GiveSketchPoints(bare);
    EXPECT_EQ(bare.Count, 12);
    EXPECT_EQ(bare.XYPoints.size(), 12u);
    EXPECT_EQ(bare.RAPoints.size(), 12u);
}
