#include "fakehost.h"

namespace {
/// A solid line through three points, in the given mode.
struct PointerTest : ::testing::Test {
    FakeHost h;
    void SetUp() override
    {
        h.open(std::vector<R_Curve>{layerOf(KindBlob, {{100, 100}, {200, 100}, {300, 100}})});
    }
    void mode(int tag)
    {
        h.editor.b_ModeClick(ControlTag(tag));
        h.calls.clear();
    }
    float x(int i) { return h.layer().XYPoints[i].X; }
    float y(int i) { return h.layer().XYPoints[i].Y; }
};
}

TEST_F(PointerTest, EachReleaseIsOneUndoStepAndPressesRepaintOnce)
{
    mode(131);
    h.click(50, 60);
    h.click(-5, 600);  // the right button or outside the view: a point all the same
    ASSERT_EQ(h.layer().Count, 5);
    EXPECT_EQ(x(4), -5);
    EXPECT_EQ(h.count("redraw"), 2);
    EXPECT_EQ(h.count("thumb"), 4);  // press and release
    h.editor.b_UndoClick(ControlTag::Undo);
    EXPECT_EQ(h.layer().Count, 4);
}

TEST_F(PointerTest, InsertChoosesOnAMarkerThenPlaces)
{
    mode(132);
    h.move(300, 100);  // over the last marker
    EXPECT_EQ(h.state.Shape, crDrag);
    EXPECT_EQ(h.state.Nr_XY, 2);
    h.click(300, 100);
    EXPECT_EQ(h.state.IMode, 11);
    h.click(400, 50);
    EXPECT_EQ(h.state.IMode, 2);
    ASSERT_EQ(h.layer().Count, 4);
    EXPECT_EQ(x(3), 400);

    // Pressed on a marker without a move over it since the last repaint: no point chosen, so the
    // new point goes to the front.
    h.move(10, 10);
    h.RedrawImage();
    h.editor.i_ImageMouseDown(100, 100);
    EXPECT_EQ(h.state.IPoint, -1);
    h.editor.i_ImageMouseUp(100, 100);
    h.click(20, 20);
    EXPECT_EQ(x(0), 20);
    EXPECT_EQ(h.layer().Count, 5);
}

TEST_F(PointerTest, AChosenPointGoneWithItsLayerOrAnUndoInsertsNothing)
{
    mode(131);
    h.click(350, 100);
    mode(132);
    h.move(350, 100);
    h.click(350, 100);  // point 3 chosen
    ASSERT_EQ(h.state.IMode, 11);
    h.editor.b_UndoClick(ControlTag::Undo);  // takes point 3 away
    ASSERT_EQ(h.layer().Count, 3);
    h.click(400, 400);
    EXPECT_EQ(h.state.IMode, 2);  // back to choosing
    EXPECT_EQ(h.layer().Count, 3);

    FakeHost two;
    two.open(std::vector<R_Curve>{layerOf(KindSolid, {{10, 10}, {20, 20}, {30, 30}, {40, 40}}),
                         layerOf(KindSolid, {{100, 100}, {200, 100}})});
    two.editor.b_ModeClick(ControlTag::ModeInsertPoint);
    two.move(100, 100);
    two.click(100, 100);  // point 0 of layer 1
    two.SelectLayerRow(1);  // layer 0 becomes current
    two.click(400, 400);
    EXPECT_EQ(two.state.IMode, 2);
    EXPECT_EQ(two.doc.TCurveStruct[0].Count, 4);
    EXPECT_EQ(two.doc.TCurveStruct[1].Count, 2);
}

TEST_F(PointerTest, DeleteAndMoveNeedAMarkerUnderThePointer)
{
    mode(133);
    h.move(150, 100);
    h.editor.i_ImageMouseDown(150, 100);
    EXPECT_EQ(h.count("redraw"), 1);  // only the move's; the press did nothing at all
    h.editor.i_ImageMouseUp(150, 100);
    h.move(200, 102);
    h.click(200, 102);
    ASSERT_EQ(h.layer().Count, 2);
    EXPECT_EQ(x(1), 300);

    mode(134);
    h.move(100, 100);
    h.editor.i_ImageMouseDown(100, 100);
    h.move(50, 40, true);
    h.move(-30, 700, true);  // past the view's edge: the point follows
    h.editor.i_ImageMouseUp(-31, 701);
    EXPECT_EQ(x(0), -31);
    EXPECT_EQ(y(0), 701);
    const std::string line = h.session.rve_Items.GetItemText(1);
    h.editor.b_UndoClick(ControlTag::Undo);
    h.editor.b_UndoClick(ControlTag::Redo);
    EXPECT_EQ(h.session.rve_Items.GetItemText(1), line);
}

TEST_F(PointerTest, HiddenPointsFindNothingAndAGreenLayerCountsAsAHit)
{
    h.pointsShown = false;
    h.RedrawImage();
    for (int tag : {132, 133, 134}) {
        mode(tag);
        h.move(200, 100);
        EXPECT_EQ(h.state.Shape, crHandPoint) << tag;
        h.click(200, 100);
        EXPECT_EQ(h.layer().Count, 3) << tag;
        EXPECT_EQ(h.state.IMode, tag - 130) << tag;
    }
    // A green layer under the pointer: the nearest point of the current layer is taken.
    FakeHost g;
    g.open(std::vector<R_Curve>{layerOf(KindBlob, {{10, 400}, {500, 400}, {250, 500}}, 0xFF00FF00u),
                       layerOf(KindSolid, {{100, 100}, {200, 100}})});
    g.pointsShown = false;
    g.editor.b_ModeClick(ControlTag::ModeDeletePoint);
    g.RedrawImage();
    g.move(250, 450);
    EXPECT_EQ(g.state.Shape, crDrag);
    g.click(250, 450);
    ASSERT_EQ(g.layer().Count, 1);
    EXPECT_EQ(g.layer().XYPoints[0].X, 100);
}

TEST_F(PointerTest, SketchDrawsInTheLayersColourAndKeepsTheStrokesEnd)
{
    h.layer().Color = 0xFF2050A0u;
    h.layer().Width = 0;
    mode(130);
    h.editor.i_ImageMouseDown(0, 0);
    EXPECT_EQ(h.state.Shape, crCross);
    for (int i = 0; i < 10; ++i)
        h.move(10 + i, 50, true);
    EXPECT_EQ(h.count("redraw"), 0);
    // The trace joins each sample to the one before, at least 3 pixels wide, in the layer's colour.
    ASSERT_EQ(h.sketched.size(), 10u);
    EXPECT_EQ(h.sketched[3].from.X, 12);
    EXPECT_EQ(h.sketched[3].to.X, 13);
    EXPECT_EQ(h.sketched[3].argb, 0xFF2050A0u);
    EXPECT_EQ(h.sketched[3].width, 3);
    EXPECT_EQ(h.view.pixel(15, 51), 0xFF2050A0u);
    h.editor.i_ImageMouseUp(20, 50);
    // 10 samples and the release point over 3 points: the first, the middle and the last.
    EXPECT_EQ(x(0), 10);
    EXPECT_EQ(x(1), 15);
    EXPECT_EQ(x(2), 20);
    EXPECT_EQ(h.state.Shape, crHandPoint);
    EXPECT_FALSE(h.state.B_Draft);

    // Press and release without moving: the points stay, the release stores all the same.
    h.editor.i_ImageMouseDown(400, 400);
    h.editor.i_ImageMouseUp(400, 400);
    EXPECT_EQ(x(2), 20);

    // A wide layer is traced as wide as it is drawn.
    h.layer().Width = 16;
    h.editor.i_ImageMouseDown(0, 0);
    h.move(30, 30, true);
    EXPECT_EQ(h.sketched.back().width, 16);
    h.editor.i_ImageMouseUp(30, 30);
}

TEST_F(PointerTest, MoveLayerShiftsEveryPointByThePointersTravel)
{
    mode(136);
    h.editor.i_ImageMouseDown(10, 10);
    h.move(20, 15, true);
    h.move(40, 30, true);
    h.editor.i_ImageMouseUp(40, 30);
    EXPECT_EQ(x(0), 130);
    EXPECT_EQ(y(2), 120);
}

TEST_F(PointerTest, ABackgroundLayerTakesNoPointerWork)
{
    FakeHost b;
    b.open(std::vector<R_Curve>{layerOf(KindSolid, {{1, 1}}), layerOf(KindBackground, {})});
    b.editor.b_ModeClick(ControlTag::ModeAddPoint);
    b.calls.clear();
    b.click(5, 5);
    b.move(6, 6);
    EXPECT_TRUE(b.calls.empty());
    EXPECT_EQ(b.layer().Count, 0);
    EXPECT_FALSE(b.session.rve_Items.CanUndo());
    // The status bar says why nothing happened.
    EXPECT_EQ(b.status, QString::fromUtf8("Tła nie można rysować — dodaj warstwę"));

    FakeHost none;  // no document open at all
    none.editor.i_ImageMouseDown(5, 5);
    EXPECT_EQ(none.status, QString::fromUtf8("Najpierw utwórz piktogram"));
}
