#include "edit/edithost.h"
#include "fakehost.h"

namespace {
/// Three layers 0, 1, 2 of kinds blob, solid, dots (widths 1, 2, 3 tell them apart); 2 current.
struct LayerOpsTest : ::testing::Test {
    FakeHost h;
    void SetUp() override
    {
        std::vector<R_Curve> layers{layerOf(KindBlob, {{1, 1}}), layerOf(KindSolid, {{2, 2}}), layerOf(KindDots, {{3, 3}})};
        for (int i = 0; i < 3; ++i)
            layers[i].Width = i + 1;
        h.open(layers);
    }
    std::vector<int> widths()
    {
        std::vector<int> w;
        for (int i = 0; i < h.doc.Dimension; ++i)
            w.push_back(h.doc.TCurveStruct[i].Width);
        return w;
    }
};
}

TEST_F(LayerOpsTest, EachOperationIsOneUndoStepAndSelectsTheLayerToGoOnWith)
{
    struct Case {
        const char *what;
        int selectRow, tag;
        std::vector<int> after;
        int current;
    } cases[] = {
        {"move up the middle", 1, 121, {1, 3, 2}, 2},
        {"move down the middle", 1, 124, {2, 1, 3}, 0},
        {"duplicate the bottom", 2, 122, {1, 2, 3, 1}, 3},
        {"delete the middle", 1, 123, {1, 3}, 0},
        {"delete the bottom", 2, 123, {2, 3}, 0},
        {"delete the top", 0, 123, {1, 2}, 1},
        {"move up the top", 0, 121, {1, 2, 3}, 2},
        {"move down the bottom", 2, 124, {1, 2, 3}, 0},
    };
    for (const Case &c : cases) {
        SetUp();
        h.SelectLayerRow(c.selectRow);
        const std::vector<std::string> before = h.session.rve_Items.Lines();
        h.calls.clear();
        h.editor.b_LayerClick(ControlTag(c.tag));
        EXPECT_EQ(widths(), c.after) << c.what;
        EXPECT_EQ(h.doc.Ind_Curve, c.current) << c.what;
        EXPECT_EQ(h.row, h.doc.Dimension - 1 - h.doc.Ind_Curve) << c.what;
        EXPECT_EQ(h.count("info"), c.tag == 122 ? 2 : 1) << c.what;  // duplicate also enters a mode
        // The stored text reads back as the layers in memory, and one undo restores the text.
        if (c.after != std::vector<int>{1, 2, 3}) {
            const PictoDocument reread = ParseDocument(h.session.rve_Items.Lines());
            EXPECT_EQ(reread.Dimension, h.doc.Dimension) << c.what;
            EXPECT_EQ(reread.Ind_Curve, h.doc.Ind_Curve) << c.what;
        }
        h.editor.b_UndoClick(ControlTag::Undo);
        EXPECT_EQ(h.session.rve_Items.Lines(), before) << c.what;
        EXPECT_EQ(widths(), (std::vector<int>{1, 2, 3})) << c.what;
    }
}

TEST_F(LayerOpsTest, DeleteUndoRedoAndUpThenDown)
{
    h.SelectLayerRow(1);
    h.editor.b_LayerClick(ControlTag::LayerDelete);
    h.editor.b_UndoClick(ControlTag::Undo);
    h.editor.b_UndoClick(ControlTag::Redo);
    EXPECT_EQ(widths(), (std::vector<int>{1, 3}));
    EXPECT_EQ(h.row, 1);
    h.editor.b_UndoClick(ControlTag::Redo);
    EXPECT_EQ(h.count("beep"), 1);  // nothing left to redo

    h.editor.b_UndoClick(ControlTag::Undo);
    h.SelectLayerRow(2);
    h.editor.b_LayerClick(ControlTag::LayerUp);
    h.editor.b_LayerClick(ControlTag::LayerDown);
    EXPECT_EQ(widths(), (std::vector<int>{1, 2, 3}));
    h.editor.b_UndoClick(ControlTag::Undo);
    EXPECT_EQ(widths(), (std::vector<int>{2, 1, 3}));
    h.editor.b_UndoClick(ControlTag::Undo);
    EXPECT_EQ(widths(), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(h.count("beep"), 1);
}

TEST_F(LayerOpsTest, TheLastLayerDeletedLeavesAnEmptyDocument)
{
    for (int i = 0; i < 3; ++i)
        h.editor.b_LayerClick(ControlTag::LayerDelete);
    EXPECT_EQ(h.doc.Dimension, 0);
    EXPECT_EQ(h.row, -1);
    h.calls.clear();
    for (int tag : {121, 122, 123, 124})
        h.editor.b_LayerClick(ControlTag(tag));
    EXPECT_TRUE(h.calls.empty());
}

TEST_F(LayerOpsTest, AddAsksWithTheBackgroundKnownAndACancelChangesNothing)
{
    h.editor.b_LayerClick(ControlTag::LayerAdd);
    EXPECT_EQ(h.askedWithBackground, std::vector<bool>{false});
    EXPECT_TRUE(h.calls.empty());  // not even the information texts
    h.answers = {LayerChoice{3, -1}};
    h.editor.b_LayerClick(ControlTag::LayerAdd);
    EXPECT_EQ(h.doc.Dimension, 4);
    EXPECT_EQ(h.doc.Ind_Curve, 3);
    EXPECT_EQ(h.layer().TypeC, KindDotted);
    EXPECT_EQ(h.layer().Count, 0);
    EXPECT_EQ(h.state.IMode, 1);
    EXPECT_EQ(h.pressed, 131);
    // With no list selection the buttons act on the current layer all the same.
    h.row = -1;
    h.editor.b_LayerClick(ControlTag::LayerDuplicate);
    EXPECT_EQ(h.doc.Dimension, 5);
    EXPECT_EQ(h.layer().TypeC, KindDotted);
    EXPECT_EQ(h.row, 0);
}

TEST(LayerButtons, WithNoDocumentOpenTheStatusBarSaysWhy)
{
    FakeHost none;
    for (int tag : {120, 121, 122, 123, 124}) {
        none.status.clear();
        none.editor.b_LayerClick(ControlTag(tag));
        EXPECT_EQ(none.status, QString::fromUtf8("Najpierw utwórz piktogram")) << tag;
    }
    none.editor.b_ModeClick(ControlTag::ModeAddPoint);  // a mode asks for a layer first, and so for a document
    EXPECT_EQ(none.status, QString::fromUtf8("Najpierw utwórz piktogram"));
    EXPECT_TRUE(none.askedWithBackground.empty());
    EXPECT_TRUE(none.calls.empty());
}

TEST_F(LayerOpsTest, PropertiesClosureAndPalette)
{
    h.doc.TCurveStruct[2].Closure = 2;  // as a document may hold
    struct Case { int tag; int32_t kind, width; float tension; uint8_t closure; } cases[] = {
        {540, KindDots, 3, 0.5f, 1}, {540, KindDots, 3, 0.5f, 0}, {540, KindDots, 3, 0.5f, 1},
        {510, KindBackground, 3, 0.5f, 1}, {513, KindDotted, 3, 0.5f, 1}, {521, KindDotted, 4, 0.5f, 1},
        {520, KindDotted, 0, 0.5f, 1}, {530, KindDotted, 0, 0.0f, 1}, {531, KindDotted, 0, 0.5f, 1},
    };
    for (const Case &c : cases) {
        h.editor.Property_Change(ControlTag(c.tag));
        EXPECT_EQ(h.layer().TypeC, c.kind) << int(c.tag);
        EXPECT_EQ(h.layer().Width, c.width) << int(c.tag);
        EXPECT_EQ(h.layer().Tension, c.tension) << int(c.tag);
        EXPECT_EQ(h.layer().Closure, c.closure) << int(c.tag);
        EXPECT_EQ(ParseDocument(h.session.rve_Items.Lines()).TCurveStruct[2].Closure, c.closure) << int(c.tag);
    }
    EXPECT_EQ(h.count("redraw"), 0);  // the release stores; the click repaints
    h.editor.b_Draw();
    EXPECT_EQ(h.count("redraw"), 1);

    QImage palette(21, 600, QImage::Format_RGB32);
    palette.fill(qRgb(10, 20, 30));
    struct Pick { int x, y; uint32_t color; } picks[] = {
        {0, 0, 0xFF0A141Eu}, {20, 599, 0xFF0A141Eu}, {21, 10, 0xFFFFFFFFu}, {3, 600, 0xFFFFFFFFu},
    };
    for (const Pick &p : picks) {
        h.layer().Color = 0;
        h.editor.i_ColorsMouseDown(palette, p.x, p.y);
        EXPECT_EQ(h.layer().Color, p.color) << p.x << "," << p.y;
    }
    h.layer().Color = 0x12345678u;
    h.editor.i_ColorsMouseDown(palette, 3, 601);  // below the picture: nothing
    EXPECT_EQ(h.layer().Color, 0x12345678u);
}

TEST_F(LayerOpsTest, SlidersWorkFromTheBaseCopyOfTheirOwnLayer)
{
    FakeHost t;
    t.open(std::vector<R_Curve>{layerOf(KindSolid, {{100, 100}, {200, 200}, {300, 300}}),
                       layerOf(KindSolid, {{356, 256}, {256, 256}})});
    t.editor.b_ModeClick(ControlTag::ModeRotateLayer);
    t.editor.tb_WRotateChange(45);
    EXPECT_EQ(t.label, QString::fromUtf8("45°"));
    t.editor.tb_RotateMouseUp(90);
    EXPECT_NEAR(t.layer().XYPoints[0].X, 256, 1e-3);
    EXPECT_NEAR(t.layer().XYPoints[0].Y, 356, 1e-3);
    t.editor.tb_RotateMouseUp(180);  // from the same base, not from the last result
    EXPECT_NEAR(t.layer().XYPoints[0].X, 156, 1e-3);
    EXPECT_NEAR(t.layer().XYPoints[0].Y, 256, 1e-3);

    // Another layer, with more points than the copy: it starts from itself as it is now.
    t.SelectLayerRow(1);
    t.editor.tb_RotateMouseUp(0);
    EXPECT_NEAR(t.layer().XYPoints[2].X, 300, 1e-3);
    t.editor.tb_RotateMouseUp(90);
    EXPECT_NEAR(t.layer().XYPoints[0].X, 412, 1e-3);  // (100, 100) turned about the centre
    EXPECT_NEAR(t.layer().XYPoints[0].Y, 100, 1e-3);

    t.SelectLayerRow(0);
    t.editor.b_ModeClick(ControlTag::ModeResizeLayer);
    t.editor.tb_SizeMouseUp(50);
    EXPECT_NEAR(t.layer().XYPoints[0].X, 206, 1e-3);  // base copy: the 180° turn, (156, 256)
    t.editor.tb_SizeMouseUp(100);
    EXPECT_NEAR(t.layer().XYPoints[0].X, 156, 1e-3);
}

TEST(SliderBaseCopy, FollowsItsLayerWhenTheLayerMovesInTheStack)
{
    FakeHost t;
    t.open(std::vector<R_Curve>{layerOf(KindSolid, {{256, 156}, {256, 256}}),
                       layerOf(KindSolid, {{356, 256}, {256, 256}})});
    t.editor.b_ModeClick(ControlTag::ModeRotateLayer);
    t.editor.tb_RotateMouseUp(90);  // the top layer: (356, 256) to (256, 356)
    t.editor.b_LayerClick(ControlTag::LayerDown);     // moved one step down, still current
    ASSERT_EQ(t.doc.Ind_Curve, 0);
    EXPECT_NEAR(t.layer().XYPoints[0].Y, 356, 1e-3);

    // The neighbour, now at the index the base copy was taken at, keeps its own shape.
    t.SelectLayerRow(0);
    t.editor.tb_RotateMouseUp(90);
    EXPECT_NEAR(t.layer().XYPoints[0].X, 356, 1e-3);  // (256, 156) turned: (356, 256)
    EXPECT_NEAR(t.layer().XYPoints[0].Y, 256, 1e-3);

    // The moved layer still turns from the copy taken when the mode was entered.
    t.SelectLayerRow(1);
    t.editor.tb_RotateMouseUp(180);
    EXPECT_NEAR(t.layer().XYPoints[0].X, 156, 1e-3);
    EXPECT_NEAR(t.layer().XYPoints[0].Y, 256, 1e-3);
}

TEST(LayerDialog, PointCountMustBeAWholeNumberThreeToForty)
{
    struct Case { const char *text; std::optional<int> n; } cases[] = {
        {"12", 12}, {"3", 3}, {"40", 40}, {" 7 ", 7},
        {"2", std::nullopt}, {"41", std::nullopt}, {"-5", std::nullopt}, {"", std::nullopt},
        {"1e1", std::nullopt}, {"12,0", std::nullopt}, {"abc", std::nullopt}, {"+12", std::nullopt},
        {"99999999999", std::nullopt},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ParsePointCount(c.text), c.n) << c.text;
}

TEST_F(LayerOpsTest, EachButtonAnnouncesItsStoreOnceAndUndoTheDocumentReRead)
{
    using enum ControlTag;
    struct Case { ControlTag tag; StoreKind store; int layer; } cases[] = {
        {LayerUp, StoreMoveUp, 2}, {LayerDown, StoreMoveDown, 0}, {LayerDuplicate, StoreDuplicate, 3},
        {LayerDelete, StoreDelete, 0},
    };
    for (const Case &c : cases) {
        SetUp();
        h.SelectLayerRow(1);  // the middle layer
        h.changes.clear();
        h.editor.b_LayerClick(c.tag);
        ASSERT_EQ(h.changes.size(), 1u) << int(c.tag);
        EXPECT_EQ(h.changes[0].what, ChangeKind::Stored) << int(c.tag);
        EXPECT_EQ(h.changes[0].store, c.store) << int(c.tag);
        EXPECT_EQ(h.changes[0].layer, c.layer) << int(c.tag);
        EXPECT_FALSE(h.changes[0].OneLayer()) << int(c.tag);
        h.editor.b_UndoClick(Undo);
        ASSERT_EQ(h.changes.size(), 2u) << int(c.tag);
        EXPECT_EQ(h.changes[1].what, ChangeKind::Undone) << int(c.tag);
        EXPECT_EQ(h.changes[1].layer, 2) << int(c.tag);  // as the text before the step said
    }
    // A property change stores one layer; a move beyond the top stores nothing.
    SetUp();
    h.changes.clear();
    h.editor.Property_Change(ControlTag::Width04);
    h.editor.b_LayerClick(ControlTag::LayerUp);
    ASSERT_EQ(h.changes.size(), 1u);
    EXPECT_TRUE(h.changes[0].OneLayer());
    EXPECT_EQ(h.changes[0].layer, 2);
}

TEST(LayerLimit, AddAndDuplicateAreRefusedAtTheMostLayersAFileCounts)
{
    // One more layer would wrap the 16-bit count in the header to 0 and lose the document.
    FakeHost h;
    h.open(std::vector<R_Curve>(MaxLayers, layerOf(KindDots, {{1, 1}})));
    const std::vector<std::string> before = h.session.rve_Items.Lines();
    for (ControlTag tag : {ControlTag::LayerAdd, ControlTag::LayerDuplicate}) {
        h.status.clear();
        h.editor.b_LayerClick(tag);
        EXPECT_EQ(h.doc.Dimension, MaxLayers) << int(tag);
        EXPECT_EQ(h.session.rve_Items.Lines(), before) << int(tag);
        EXPECT_EQ(h.status, "Piktogram ma już 65 535 warstw, najwięcej, ile może mieć") << int(tag);
    }
    // Below the limit a duplicate still goes in.
    h.editor.b_LayerClick(ControlTag::LayerDelete);
    h.editor.b_LayerClick(ControlTag::LayerDuplicate);
    EXPECT_EQ(h.doc.Dimension, MaxLayers);
}
