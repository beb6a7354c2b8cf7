// A drag that never sees its release (focus lost, the window closed or hidden, a key, a second
// button): it is stored as one edit, so the text always holds what the view shows.
#include "fakehost.h"

#include <functional>

namespace {
struct DragTest : ::testing::Test {
    FakeHost h;
    void SetUp() override
    {
        h.open(std::vector<R_Curve>{layerOf(KindSolid, {{100, 100}, {200, 100}, {300, 100}})});
    }
    /// The text the session holds equals the layers as the view shows them.
    void expectStoredAsShown()
    {
        PictoDocument shown = h.doc;
        XYToPolar(shown);
        for (int k = 0; k < shown.Dimension; ++k)
            EXPECT_EQ(h.session.rve_Items.GetItemText(k + 1), FormatCurveLine(shown, k)) << "layer " << k;
    }
};

/// A drag begun in one mode and left in the middle.
struct Drag {
    const char *what;
    int modeTag;
    std::function<void(FakeHost &)> begin;
};

const Drag drags[] = {
    {"add a point", 131, [](FakeHost &h) { h.editor.i_ImageMouseDown(50, 60); }},
    {"move a point", 134,
     [](FakeHost &h) {
         h.move(200, 100);
         h.editor.i_ImageMouseDown(200, 100);
         h.move(220, 140, true);
         h.move(250, 180, true);
     }},
    {"move the layer", 136,
     [](FakeHost &h) {
         h.editor.i_ImageMouseDown(10, 10);
         h.move(40, 50, true);
     }},
    {"sketch", 130,
     [](FakeHost &h) {
         h.editor.i_ImageMouseDown(10, 10);
         for (int i = 0; i < 8; ++i)
             h.move(10 + 20 * i, 300, true);
     }},
};
}

TEST_F(DragTest, ADragCutShortIsStoredAsOneEdit)
{
    // EndDrag is what the window calls when it loses the focus, closes, hides or gets a key.
    const struct Cut {
        const char *how;
        std::function<void(FakeHost &)> cut;
    } cuts[] = {
        {"ended by the window", [](FakeHost &h) { h.editor.EndDrag(); }},
        {"a second button", [](FakeHost &h) { h.editor.i_ImageMouseDown(400, 400); }},
    };
    for (const Drag &d : drags) {
        for (const Cut &c : cuts) {
            SCOPED_TRACE(std::string(d.what) + ", " + c.how);
            SetUp();
            const std::vector<std::string> before = h.session.rve_Items.Lines();
            h.editor.b_ModeClick(ControlTag(d.modeTag));
            d.begin(h);
            const std::vector<TGPPointF> shown(h.layer().XYPoints.begin(), h.layer().XYPoints.begin() + h.layer().Count);
            c.cut(h);
            EXPECT_FALSE(h.state.Pressed);
            EXPECT_TRUE(h.doc.RModif) << "the save question covers it";
            expectStoredAsShown();
            if (d.modeTag != 130) {  // a sketch is resampled when it ends; the others stay as shown
                ASSERT_EQ(h.layer().Count, int(shown.size()));
                for (size_t i = 0; i < shown.size(); ++i) {
                    EXPECT_EQ(h.layer().XYPoints[i].X, shown[i].X) << i;
                    EXPECT_EQ(h.layer().XYPoints[i].Y, shown[i].Y) << i;
                }
            }

            // The button still held and its late release drag nothing and store nothing more.
            const std::vector<std::string> stored = h.session.rve_Items.Lines();
            h.move(480, 20, true);
            h.editor.i_ImageMouseUp(480, 20);
            h.editor.i_ImageMouseUp(400, 400);
            EXPECT_EQ(h.session.rve_Items.Lines(), stored);
            expectStoredAsShown();

            // One undo takes the whole drag back.
            h.editor.b_UndoClick(ControlTag::Undo);
            EXPECT_EQ(h.session.rve_Items.Lines(), before);
            EXPECT_FALSE(h.doc.RModif);
        }
    }
}

TEST_F(DragTest, UndoInTheMiddleOfADragTakesItBackWhole)
{
    for (const Drag &d : drags) {
        SCOPED_TRACE(d.what);
        SetUp();
        const std::vector<std::string> before = h.session.rve_Items.Lines();
        h.editor.b_ModeClick(ControlTag(d.modeTag));
        d.begin(h);
        h.editor.b_UndoClick(ControlTag::Undo);
        EXPECT_EQ(h.session.rve_Items.Lines(), before);
        expectStoredAsShown();
        EXPECT_EQ(h.count("beep"), 0);
        h.editor.i_ImageMouseUp(480, 20);
        EXPECT_EQ(h.session.rve_Items.Lines(), before) << "the late release stores nothing";
    }
}

TEST_F(DragTest, EndingWithoutADragDoesNothing)
{
    h.editor.b_ModeClick(ControlTag::ModeMovePoint);
    h.calls.clear();
    h.editor.EndDrag();
    h.editor.i_ImageMouseUp(200, 100);  // a release whose press was not in the view
    EXPECT_TRUE(h.calls.empty());
    EXPECT_FALSE(h.session.rve_Items.CanUndo());
}
