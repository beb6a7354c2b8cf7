// Dragging a point of the snowman through the editor: one pointer move (the move handler and the
// full repaint of the view, then the preview the application refreshes after the event), and the
// release (XYToPolar, StoreChange, the layer thumbnail).
#include "document/session.h"
#include "document/textformat.h"
#include "edit/pictoeditor.h"
#include "render/editview.h"
#include "render/pictures.h"

#include "callcost.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>

namespace {
QBrush makeTexture()
{
    QImage tile(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            tile.setPixel(x, y, ((x ^ y) & 4) ? 0xFFC8D2D2u : 0xFFB4BEBEu);
    return QBrush(tile);
}

/// The window's share of the work, as the main window does it: the view picture with its kept
/// layer pictures, the layer thumbnail, and the preview after each event.
class BenchHost : public EditHost {
public:
    PictoSession session;
    EditState state;
    PictoEditor editor{session, state, *this};
    LayerRenderer renderer;
    QBrush texture = makeTexture();
    EditViewPainter painter{renderer, texture};
    QImage view{512, 512, QImage::Format_RGB32}, thumb, preview, pure;
    LayerStackCache previewKeep;

    uint32_t ViewPixel(int x, int y) const override { return view.valid(x, y) ? view.pixel(x, y) : 0u; }
    void Beep() override {}
    std::optional<LayerChoice> AskLayer(bool) override { return std::nullopt; }

    void RedrawImage() { painter.RedrawImage(view, session.doc, true, true); }
    void UpdateLayerThumb()
    {
        thumb = RenderLayerThumb(renderer, texture, session.doc.TCurveStruct[session.doc.Ind_Curve]);
    }
    void UpdatePreview()
    {
        RenderCompositeInto(pure, renderer, texture, session.doc, &previewKeep);
        preview = RenderPreview(pure);
    }

    /// The snowman open, its body (layer 1) current, move-point mode, point 3 grabbed.
    BenchHost()
    {
        // What the window does with the announcements that cost: repaints and thumbnails.
        session.Subscribe([this](const SessionChange &c) {
            if (c.OneLayer())
                UpdateLayerThumb();
            else if (c.DocumentChanged())
                RedrawImage();
        });
        editor.Subscribe([this](const EditorChange &c) {
            if (c.kind != EditorChange::ViewChanged)
                return;
            RedrawImage();
            if (c.thumb)
                UpdateLayerThumb();
        });
        session.FillTemplate(ExampleDocumentTemplate(), "snowman.vkz");
        editor.lv_LayersChange(session.doc.Dimension - 2);
        editor.b_ModeClick(ControlTag::ModeMovePoint);
        const TGPPointF p = session.doc.TCurveStruct[1].XYPoints[3];
        RedrawImage();
        editor.i_ImageMouseMove(false, int(p.X), int(p.Y));
        editor.i_ImageMouseDown(int(p.X), int(p.Y));
        grabbed = {int(p.X), int(p.Y)};
    }
    QPoint grabbed;
};
}

static void BM_DragPointMove(benchmark::State &state)
{
    BenchHost h;
    int step = 0;
    h.editor.i_ImageMouseMove(true, h.grabbed.x() + 1, h.grabbed.y());
    const CallCost cost;
    for (auto _ : state) {
        step = (step + 1) % 40;
        h.editor.i_ImageMouseMove(true, h.grabbed.x() + step, h.grabbed.y() + step / 2);
        benchmark::DoNotOptimize(h.view.constBits());
    }
    cost.Report(state);
    state.counters["point"] = h.state.Nr_XY;
}
BENCHMARK(BM_DragPointMove)->Unit(benchmark::kMicrosecond);

static void BM_DragPointMoveWithPreview(benchmark::State &state)
{
    BenchHost h;
    int step = 0;
    h.editor.i_ImageMouseMove(true, h.grabbed.x() + 1, h.grabbed.y());
    h.UpdatePreview();
    const CallCost cost;
    for (auto _ : state) {
        step = (step + 1) % 40;
        h.editor.i_ImageMouseMove(true, h.grabbed.x() + step, h.grabbed.y() + step / 2);
        h.UpdatePreview();
        benchmark::DoNotOptimize(h.preview.constBits());
    }
    cost.Report(state);
}
BENCHMARK(BM_DragPointMoveWithPreview)->Unit(benchmark::kMicrosecond);

static void BM_DragPointRelease(benchmark::State &state)
{
    BenchHost h;
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 40;  // a new place each time: every release writes a changed line
        h.state.Pressed = true;  // the point stays grabbed: each release ends a drag
        h.editor.i_ImageMouseUp(h.grabbed.x() + step, h.grabbed.y());
        benchmark::DoNotOptimize(h.thumb.constBits());
    }
}
BENCHMARK(BM_DragPointRelease)->Unit(benchmark::kMicrosecond);
