#include "document/textformat.h"
#include "render/editview.h"

#include <gtest/gtest.h>

#include <functional>

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

TEST_F(EditViewTest, EmptyDocumentShowsTextureOnly)
{
    PictoDocument empty;
    EXPECT_FALSE(painter.RedrawImage(view, empty, true, true));
    EXPECT_EQ(view.pixel(256, 256), qRgb(200, 190, 180));
}

TEST_F(EditViewTest, MarkersArePureGreenAndDrawnOverEveryLayer)
{
    doc.Ind_Curve = 1;  // the white body, 12 points
    ASSERT_TRUE(painter.RedrawImage(view, doc, true, true));
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

// Repaints that reuse the kept pictures of the other layers show what a fresh painter shows,
// whatever changed in between.
TEST_F(EditViewTest, KeptLayerPicturesFollowEveryChange)
{
    auto fresh = [&](const PictoDocument &d) {
        LayerRenderer r;
        EditViewPainter p(r, QBrush(texture));
        QImage img(512, 512, QImage::Format_RGB32);
        p.RedrawImage(img, d, true, true);  // antialiasing on from the first label, as in `painter`
        p.RedrawImage(img, d, true, true);
        return img;
    };
    auto maxDiff = [](const QImage &a, const QImage &b) {
        int worst = 0;
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                  std::abs(qBlue(p) - qBlue(q))});
            }
        return worst;
    };
    doc.Ind_Curve = 3;
    painter.RedrawImage(view, doc, true, true);
    struct Step { const char *what; std::function<void(PictoDocument &)> change; } steps[] = {
        {"nothing", [](PictoDocument &) {}},
        {"point of the current layer", [](PictoDocument &d) { d.TCurveStruct[3].XYPoints[0].X += 40; }},
        {"colour under", [](PictoDocument &d) { d.TCurveStruct[1].Color = 0xFF2040A0u; }},
        {"width over", [](PictoDocument &d) { d.TCurveStruct[5].Width += 6; }},
        {"other current layer", [](PictoDocument &d) { d.Ind_Curve = 6; }},
        {"background over", [](PictoDocument &d) {
             d.Ind_Curve = 2;
             d.TCurveStruct[4].TypeC = KindBackground;
             d.TCurveStruct[4].Color = 0x80FF0000u;
         }},
        {"layer deleted", [](PictoDocument &d) { DeleteCurve(d, 0); d.Ind_Curve = 1; }},
    };
    for (const Step &s : steps) {
        s.change(doc);
        painter.RedrawImage(view, doc, true, true);
        EXPECT_LE(maxDiff(view, fresh(doc)), 2) << s.what;
    }
}

// A long stack is painted in two halves at once; the picture is the one painted layer by layer,
// also when a background layer lies in the upper half.
TEST_F(EditViewTest, LongStacksPaintedInHalvesMatchLayerByLayer)
{
    PictoDocument stack;
    for (int i = 0; i < 60; ++i) {
        const int idx = NewCurve(stack, KindBlob + i % 4, 12);
        R_Curve &c = stack.TCurveStruct[idx];
        c.Width = 4 + i % 3 * 6;
        c.Tension = i % 2 ? 0.5f : 0.0f;
        c.Color = 0xFF000000u | uint32_t(i * 0x0A1B2C & 0xFFFFFF);
        for (int j = 0; j < 12; ++j)
            c.XYPoints[j] = {float(40 + (i * 37 + j * 53) % 430), float(40 + (i * 71 + j * 29) % 430)};
    }
    for (const bool backgroundUp : {false, true}) {
        if (backgroundUp) {
            stack.TCurveStruct[50].TypeC = KindBackground;
            stack.TCurveStruct[50].Color = 0x80FF2000u;  // translucent: it must replace, not blend
        }
        stack.Ind_Curve = stack.Dimension - 1;
        QImage expected(512, 512, QImage::Format_RGB32);
        {
            QPainter g(&expected);
            g.setRenderHint(QPainter::Antialiasing);
            g.fillRect(QRect(0, 0, 512, 512), QBrush(texture));
            LayerRenderer r;
            for (int i = 0; i < stack.Dimension; ++i)
                r.PaintLayer(g, stack.TCurveStruct[i]);
        }
        painter.RedrawImage(view, stack, true, true);  // the first label switches antialiasing on
        painter.ForgetLayerPictures();
        painter.RedrawImage(view, stack, true, false);
        int worst = 0;
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 512; ++x) {
                const QRgb p = view.pixel(x, y), q = expected.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                  std::abs(qBlue(p) - qBlue(q))});
            }
        EXPECT_LE(worst, 2) << (backgroundUp ? "background in the upper half" : "plain");
    }
}
