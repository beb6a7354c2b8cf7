// Editing-view repaint cost, against a bare texture fill of the same 512 x 512 view.
#include "document/picto.h"
#include "document/textformat.h"
#include "render/editview.h"
#include "render/layerrenderer.h"

#include <benchmark/benchmark.h>

#include <QBrush>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

static QBrush makeTexture()
{
    QImage tile(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            tile.setPixel(x, y, ((x ^ y) & 4) ? 0xFFC8D2D2u : 0xFFB4BEBEu);
    return QBrush(tile);
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

// Full editing-view repaints of doc: texture, all layers, overlay.
static void repaintLoop(benchmark::State &state, const PictoDocument &doc)
{
    LayerRenderer renderer;
    EditViewPainter painter(renderer, makeTexture());
    QImage view(512, 512, QImage::Format_RGB32);
    for (auto _ : state) {
        benchmark::DoNotOptimize(painter.RedrawImage(view, doc, true, true));
        benchmark::DoNotOptimize(view.constBits());
    }
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
        for (int j = 0; j < points; ++j)
            c.XYPoints[j] = {static_cast<float>(16 + (i * 37 + j * 53) % 480),
                             static_cast<float>(16 + (i * 71 + j * 29) % 480)};
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

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
