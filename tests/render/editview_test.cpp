#include "document/textformat.h"
#include "render/editview.h"

#include <gtest/gtest.h>

#include "guiapp.h"

namespace {
class EditViewTest : public ::testing::Test {
protected:
    QGuiApplication &application = app();  // first member: fonts need the application
    LayerRenderer renderer;
    QImage texture = [] {
        QImage t(8, 8, QImage::Format_RGB32);
        t.fill(QColor(200, 190, 180));
        return t;
    }();
    EditViewPainter painter{renderer, QBrush(texture)};
    QImage view{512, 512, QImage::Format_RGB32};
    PictoDocument doc = ParseDocument(ExampleDocumentTemplate());
};
}

TEST(PropertyStates, TensionRoundsHalvesToEvenKindAndWidthOutsideLeaveGroups)
{
    struct Case { float tension; std::optional<int> curve; } cases[] = {
        {0.5f, 531}, {0.0f, 530}, {0.1f, 530}, {0.125f, 530}, {0.375f, 531}, {1.0f, std::nullopt},
    };
    for (const Case &c : cases) {
        R_Curve l;
        l.Tension = c.tension;
        EXPECT_EQ(PropertyStatesFor(l).curveTag, c.curve) << c.tension;
    }
    R_Curve odd;
    odd.TypeC = 5;
    odd.Width = 12;
    EXPECT_FALSE(PropertyStatesFor(odd).kindTag);
    EXPECT_FALSE(PropertyStatesFor(odd).widthTag);
    odd.TypeC = 4;
    odd.Width = 16;
    EXPECT_EQ(PropertyStatesFor(odd).kindTag, 514);
    EXPECT_EQ(PropertyStatesFor(odd).widthTag, 523);
}

TEST_F(EditViewTest, EmptyDocumentShowsTextureOnly)
{
    PictoDocument empty;
    EXPECT_FALSE(painter.RedrawImage(view, empty, true, true));
    EXPECT_EQ(view.pixel(256, 256), qRgb(200, 190, 180));
}

TEST_F(EditViewTest, MarkersArePureGreenAndDrawnOverEveryLayer)
{
    doc.Ind_Curve = 1;  // the white body, 12 points
    const auto states = painter.RedrawImage(view, doc, true, true);
    ASSERT_TRUE(states);
    EXPECT_EQ(states->kindTag, 511);
    const TGPPointF p = doc.TCurveStruct[1].XYPoints[5];
    EXPECT_EQ(view.pixel(int(p.X) - 2, int(p.Y) - 2), qRgb(0, 255, 0));
    EXPECT_TRUE(painter.Antialiased());

    painter.RedrawImage(view, doc, true, false);
    EXPECT_NE(view.pixel(int(p.X) - 2, int(p.Y) - 2), qRgb(0, 255, 0)) << "hidden points draw no marker";
}

TEST_F(EditViewTest, OnlyCurrentLayerWhenAllLayersIsUp)
{
    doc.Ind_Curve = 7;  // the red nose
    painter.RedrawImage(view, doc, false, false);
    EXPECT_EQ(view.pixel(10, 10), qRgb(200, 190, 180)) << "no background layer drawn";
    painter.RedrawImage(view, doc, true, false);
    EXPECT_EQ(view.pixel(10, 10), qRgb(0xD7, 0xE1, 0xE1));
}
