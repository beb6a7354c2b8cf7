#include "fakehost.h"

namespace {
std::vector<std::string> emptyDocument() { return {FormatHeaderLine(0, 0), ""}; }
}

TEST(ModeClick, EmptyDocumentAsksForALayerAndCancelKeepsTheMode)
{
    FakeHost h;
    h.open(emptyDocument());
    ASSERT_EQ(h.doc.Dimension, 0);
    h.editor.b_ModeClick(ControlTag::ModeMovePoint);
    EXPECT_EQ(h.askedWithBackground, std::vector<bool>{false});
    EXPECT_EQ(h.state.IMode, -1);
    EXPECT_EQ(h.label, "?");  // nothing else happened

    // A blob: the add operation enters mode 1, then the clicked mode is in force.
    h.answers = {LayerChoice{1, -1}};
    h.editor.b_ModeClick(ControlTag::ModeMovePoint);
    EXPECT_EQ(h.doc.Dimension, 1);
    EXPECT_EQ(h.state.IMode, 4);
    EXPECT_EQ(h.pressedTags, (std::vector<int>{131, 134}));
}

TEST(ModeClick, ABackgroundChosenFirstAsksASecondTime)
{
    FakeHost h;
    h.open(emptyDocument());
    h.answers = {LayerChoice{0, -1}, LayerChoice{5, 12}};
    h.editor.b_ModeClick(ControlTag::ModeMoveLayer);
    EXPECT_EQ(h.askedWithBackground, (std::vector<bool>{false, true}));
    ASSERT_EQ(h.doc.Dimension, 2);
    EXPECT_EQ(h.doc.TCurveStruct[0].TypeC, KindBackground);
    EXPECT_EQ(h.doc.TCurveStruct[1].TypeC, KindSolid);
    EXPECT_EQ(h.doc.TCurveStruct[1].Count, 12);
    EXPECT_EQ(h.doc.TCurveStruct[1].XYPoints[11].X, -20);
    EXPECT_EQ(h.doc.Ind_Curve, 1);
    EXPECT_EQ(h.state.IMode, 6);
}

TEST(ModeClick, SlidersResetShownAloneAndLabelledForTheirMode)
{
    FakeHost h;
    h.open(std::vector<R_Curve>{layerOf(KindSolid, {{356, 256}, {256, 156}})});
    struct Case { int tag; bool rotateShown, sizeShown; const char *label; } cases[] = {
        {137, true, false, "0°"}, {135, false, true, "1"}, {134, false, false, ""},
    };
    for (const Case &c : cases) {
        h.rotate = 40;
        h.size = 150;
        h.editor.b_ModeClick(ControlTag(c.tag));
        EXPECT_EQ(h.rotate, 0) << c.tag;
        EXPECT_EQ(h.size, 100) << c.tag;
        EXPECT_EQ(h.rotateShown, c.rotateShown) << c.tag;
        EXPECT_EQ(h.sizeShown, c.sizeShown) << c.tag;
        EXPECT_EQ(h.label, QString::fromUtf8(c.label)) << c.tag;
        EXPECT_EQ(h.state.Nr_XY, -1);
    }
    // A layer of one point: the label stays empty and releases do nothing.
    FakeHost one;
    one.open(std::vector<R_Curve>{layerOf(KindSolid, {{356, 256}})});
    one.editor.b_ModeClick(ControlTag::ModeRotateLayer);
    EXPECT_EQ(one.label, "");
    one.editor.tb_RotateMouseUp(90);
    EXPECT_TRUE(one.calls.empty() || one.count("redraw") == 0);
    EXPECT_NEAR(one.layer().XYPoints[0].X, 356, 1e-3);
}

TEST(ModeClick, SketchModeGivesAnEmptyLayerTwelvePointsWithoutStoring)
{
    FakeHost h;
    h.open(std::vector<R_Curve>{layerOf(KindSolid, {})});
    h.editor.b_ModeClick(ControlTag::ModeSketch);
    EXPECT_EQ(h.layer().Count, 12);
    EXPECT_TRUE(h.state.B_Draft);
    EXPECT_EQ(h.state.Shape, crHandPoint);
    EXPECT_FALSE(h.session.rve_Items.CanUndo());
    EXPECT_EQ(h.count("redraw"), 0);
}
