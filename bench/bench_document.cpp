// Parse and format throughput of a large document, against a bare number-parsing loop.
#include "document/session.h"
#include "document/textformat.h"

#include <benchmark/benchmark.h>

#include <charconv>

static std::vector<std::string> bigDocument(int layers, int points)
{
    PictoDocument doc;
    for (int i = 0; i < layers; ++i) {
        NewCurve(doc, KindSolid, points);
        for (int j = 0; j < points; ++j)
            doc.TCurveStruct[i].XYPoints[j] = {static_cast<float>((i * 7 + j * 13) % 512), static_cast<float>((i * 11 + j * 5) % 512)};
    }
    XYToPolar(doc);
    std::vector<std::string> lines{FormatHeaderLine(doc.Dimension, 0)};
    for (int i = 0; i < doc.Dimension; ++i)
        lines.push_back(FormatCurveLine(doc, i));
    lines.emplace_back();
    return lines;
}

static void BM_Parse1000x40(benchmark::State &state)
{
    const auto lines = bigDocument(1000, 40);
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseDocument(lines));
}
BENCHMARK(BM_Parse1000x40)->Unit(benchmark::kMillisecond);

static void BM_Format1000x40(benchmark::State &state)
{
    const auto lines = bigDocument(1000, 40);
    const PictoDocument doc = ParseDocument(lines);
    for (auto _ : state)
        for (int i = 0; i < doc.Dimension; ++i)
            benchmark::DoNotOptimize(FormatCurveLine(doc, i));
}
BENCHMARK(BM_Format1000x40)->Unit(benchmark::kMillisecond);

// The floor: std::from_chars over the same 10-character fields, no document built.
static void BM_FromCharsFloor1000x40(benchmark::State &state)
{
    const auto lines = bigDocument(1000, 40);
    for (auto _ : state) {
        long sum = 0;
        for (std::size_t l = 1; l + 1 < lines.size(); ++l) {
            const std::string &s = lines[l];
            for (std::size_t c = 0; c + 10 <= s.size(); c += 10) {
                const char *b = s.data() + c, *e = b + 10;
                while (b < e && *b == ' ')
                    ++b;
                long v = 0;
                std::from_chars(b, e, v);
                sum += v;
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_FromCharsFloor1000x40)->Unit(benchmark::kMillisecond);

// Recording one edit of a layer must not grow with the number of layers.
static void BM_StoreChange(benchmark::State &state)
{
    PictoSession session;
    session.FillTemplate(bigDocument(static_cast<int>(state.range(0)), 12), "b.vkz");
    R_Curve &c = session.doc.TCurveStruct[0];
    float x = 0;
    for (auto _ : state) {
        c.XYPoints[0].X = x = x > 500 ? 0 : x + 1;
        c.RAPoints[0] = PointToPolar(256 - c.XYPoints[0].X, 256 - c.XYPoints[0].Y);
        session.StoreChange(StoreModify, 0);
    }
}
BENCHMARK(BM_StoreChange)->Arg(10)->Arg(1000);

BENCHMARK_MAIN();
