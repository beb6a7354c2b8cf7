// Editing-view repaint cost, against a bare texture fill of the same 512 x 512 view.
#include "document/picto.h"
#include "document/textformat.h"
#include "render/editview.h"
#include "render/layerrenderer.h"
#include "render/pictures.h"

#include "callcost.h"
#ifdef HAVE_CAIRO_REFERENCE
#include "reference.h"
#endif

#include <benchmark/benchmark.h>

#include <QBrush>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>

// The program's own texture (Base/A.pn of the build) when it is there.
static QBrush makeTexture()
{
#ifdef HAVE_CAIRO_REFERENCE
    return QBrush(BenchTexture());
#else
    QImage tile(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            tile.setPixel(x, y, ((x ^ y) & 4) ? 0xFFC8D2D2u : 0xFFB4BEBEu);
    return QBrush(tile);
#endif
}

static void BM_TextureFillFloor(benchmark::State &state)
{
    const QBrush texture = makeTexture();
    QImage view(512, 512, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter g(&view);
        g.fillRect(0, 0, 512, 512, texture);
        g.end();
        benchmark::DoNotOptimize(view.constBits());
    }
}
BENCHMARK(BM_TextureFillFloor)->Unit(benchmark::kMicrosecond);

// Full editing-view repaints of doc: texture, all layers, overlay, nothing kept from the last one.
static void repaintLoop(benchmark::State &state, const PictoDocument &doc)
{
    LayerRenderer renderer;
    EditViewPainter painter(renderer, makeTexture());
    QImage view(512, 512, QImage::Format_RGB32);
    painter.RedrawImage(view, doc, true, true);  // the first label turns antialiasing on
    painter.ForgetLayerPictures();
    painter.RedrawImage(view, doc, true, true);
    const CallCost cost;
    for (auto _ : state) {
        painter.ForgetLayerPictures();
        benchmark::DoNotOptimize(painter.RedrawImage(view, doc, true, true));
        benchmark::DoNotOptimize(view.constBits());
    }
    cost.Report(state);
}

static void BM_RepaintSnowman(benchmark::State &state)
{
    PictoDocument doc = ParseDocument(ExampleDocumentTemplate());
    doc.Ind_Curve = 1;
    state.counters["layers"] = doc.Dimension;
    state.counters["currentPoints"] = doc.TCurveStruct[1].Count;
    repaintLoop(state, doc);
}
BENCHMARK(BM_RepaintSnowman)->Unit(benchmark::kMicrosecond);

// A crowded but plausible drawing: 200 shapes of 40 points each, every one a
// wobbly ring of its own size somewhere in the view, the kinds and widths
// cycling as a pupil's layers would.
static PictoDocument stressDocument(int layers, int points)
{
    PictoDocument doc;
    static const int32_t widths[] = {4, 8, 16};
    for (int i = 0; i < layers; ++i) {
        const int idx = NewCurve(doc, KindBlob + i % 4, points);
        R_Curve &c = doc.TCurveStruct[idx];
        c.Width = widths[i % 3];
        c.Tension = (i / 4) % 2 ? 0.0f : 0.5f;
        c.Closure = (i / 8) % 2;
        c.Color = 0xFF000000u | static_cast<uint32_t>(i * 0x0A1B2Cu & 0xFFFFFFu);
        const double cx = 60 + (i * 97) % 392, cy = 60 + (i * 61) % 392;
        const double radius = 20 + (i * 13) % 100;
        for (int j = 0; j < points; ++j) {
            const double a = 2 * M_PI * j / points;
            const double r = radius * (0.8 + 0.2 * ((j * 7) % 5) / 4.0);
            c.XYPoints[j] = {static_cast<float>(cx + r * std::cos(a)),
                             static_cast<float>(cy + r * std::sin(a))};
        }
    }
    XYToPolar(doc);
    doc.Ind_Curve = layers - 1;
    return doc;
}

static void BM_RepaintStress200x40(benchmark::State &state)
{
    const PictoDocument doc = stressDocument(200, 40);
    repaintLoop(state, doc);
}
BENCHMARK(BM_RepaintStress200x40)->Unit(benchmark::kMicrosecond);

// Repaints while a point of a middle layer is dragged: the other layers' pictures are kept.
static void BM_DragPointStress200x40(benchmark::State &state)
{
    PictoDocument doc = stressDocument(200, 40);
    doc.Ind_Curve = 100;
    LayerRenderer renderer;
    EditViewPainter painter(renderer, makeTexture());
    QImage view(512, 512, QImage::Format_RGB32);
    for (int warm = 0; warm < 3; ++warm)  // antialiasing on, then the other layers' pictures made
        painter.RedrawImage(view, doc, true, true);
    TGPPointF &dragged = doc.TCurveStruct[100].XYPoints[0];
    int step = 0;
    const CallCost cost;
    for (auto _ : state) {
        dragged.X = float(100 + step++ % 300);
        benchmark::DoNotOptimize(painter.RedrawImage(view, doc, true, true));
        benchmark::DoNotOptimize(view.constBits());
    }
    cost.Report(state);
}
BENCHMARK(BM_DragPointStress200x40)->Unit(benchmark::kMicrosecond);

// The 72 x 72 preview refresh as the window makes it, nothing kept from the last one: every layer
// composited at full size into the window's kept picture, then reduced.
static void BM_PreviewRefresh(benchmark::State &state)
{
    const PictoDocument doc = state.range(0) ? stressDocument(200, 40) : ParseDocument(ExampleDocumentTemplate());
    LayerRenderer renderer;
    LayerStackCache kept;
    const QBrush texture = makeTexture();
    QImage pure;
    RenderCompositeInto(pure, renderer, texture, doc, &kept);
    benchmark::DoNotOptimize(RenderPreview(pure).constBits());
    const CallCost cost;
    for (auto _ : state) {
        kept.Clear();
        RenderCompositeInto(pure, renderer, texture, doc, &kept);
        benchmark::DoNotOptimize(RenderPreview(pure).constBits());
    }
    cost.Report(state);
}
BENCHMARK(BM_PreviewRefresh)->ArgName("stress")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The preview refresh while a point of a middle layer of the stress document is dragged.
static void BM_PreviewRefreshDragStress(benchmark::State &state)
{
    PictoDocument doc = stressDocument(200, 40);
    doc.Ind_Curve = 100;
    LayerRenderer renderer;
    LayerStackCache kept;
    const QBrush texture = makeTexture();
    int step = 0;
    QImage pure;  // the window's composite, kept between refreshes
    RenderCompositeInto(pure, renderer, texture, doc, &kept);
    benchmark::DoNotOptimize(RenderPreview(pure).constBits());
    const CallCost cost;
    for (auto _ : state) {
        doc.TCurveStruct[100].XYPoints[0].X = float(100 + step++ % 300);
        RenderCompositeInto(pure, renderer, texture, doc, &kept);
        benchmark::DoNotOptimize(RenderPreview(pure).constBits());
    }
    cost.Report(state);
}
BENCHMARK(BM_PreviewRefreshDragStress)->Unit(benchmark::kMicrosecond);

// One layer thumbnail (64 x 64) after its layer changed: the snowman's head.
static void BM_LayerThumbUpdate(benchmark::State &state)
{
    const PictoDocument doc = ParseDocument(ExampleDocumentTemplate());
    LayerRenderer renderer;
    const QBrush texture = makeTexture();
    benchmark::DoNotOptimize(RenderLayerThumb(renderer, texture, doc.TCurveStruct[1]).constBits());
    const CallCost cost;
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderLayerThumb(renderer, texture, doc.TCurveStruct[1]).constBits());
    cost.Report(state);
}
BENCHMARK(BM_LayerThumbUpdate)->Unit(benchmark::kMicrosecond);

// The 512 x 512 export picture of the snowman, from a start picture.
static void BM_ExportPicture(benchmark::State &state)
{
    const PictoDocument doc = ParseDocument(ExampleDocumentTemplate());
    LayerRenderer renderer;
    QImage start(512, 512, QImage::Format_RGB32);
    start.fill(Qt::white);
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderExportPicture(renderer, start, doc).constBits());
}
BENCHMARK(BM_ExportPicture)->Unit(benchmark::kMicrosecond);

// The same stress document cut down to one kind of layer (its 50 layers), to
// show where the repaint time goes.
static void BM_RepaintStressOneKind(benchmark::State &state)
{
    PictoDocument doc = stressDocument(200, 40);
    const int kind = int(state.range(0));
    for (int i = doc.Dimension - 1; i >= 0; --i)
        if (doc.TCurveStruct[i].TypeC != kind)
            DeleteCurve(doc, i);
    doc.Ind_Curve = doc.Dimension - 1;
    repaintLoop(state, doc);
}
BENCHMARK(BM_RepaintStressOneKind)
    ->ArgName("kind")->DenseRange(KindBlob, KindDots)->Unit(benchmark::kMicrosecond);

#ifdef HAVE_CAIRO_REFERENCE
static PictoDocument referenceScene(bool stress)
{
    if (stress)
        return stressDocument(200, 40);
    PictoDocument doc = ParseDocument(ExampleDocumentTemplate());
    doc.Ind_Curve = 1;
    return doc;
}

// The program's own picture of the scene, for the pixel difference of the references.
static QImage programPicture(const PictoDocument &doc)
{
    LayerRenderer renderer;
    EditViewPainter painter(renderer, makeTexture());
    QImage view(512, 512, QImage::Format_RGB32);
    painter.RedrawImage(view, doc, true, true);
    painter.ForgetLayerPictures();
    painter.RedrawImage(view, doc, true, true);
    return view;
}

// A straightforward QPainter renderer of the same scene, each frame from nothing.
static void BM_ReferenceQPainter(benchmark::State &state)
{
    const PictoDocument doc = referenceScene(state.range(0) != 0);
    QPainterReference reference(BenchTexture());
    QImage view(512, 512, QImage::Format_RGB32);
    reference.Paint(view, doc);
    const CallCost cost;
    for (auto _ : state) {
        reference.Paint(view, doc);
        benchmark::DoNotOptimize(view.constBits());
    }
    cost.Report(state);
    state.counters["diff"] = MeanChannelDifference(view, programPicture(doc));
}
BENCHMARK(BM_ReferenceQPainter)->ArgName("stress")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same scene drawn by Cairo on its own 512 x 512 surface.
static void BM_ReferenceCairo(benchmark::State &state)
{
    const PictoDocument doc = referenceScene(state.range(0) != 0);
    CairoReference reference(BenchTexture());
    reference.Paint(doc);
    const CallCost cost;
    for (auto _ : state)
        reference.Paint(doc);
    cost.Report(state);
    state.counters["diff"] = MeanChannelDifference(reference.Picture(), programPicture(doc));
}
BENCHMARK(BM_ReferenceCairo)->ArgName("stress")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

#endif
