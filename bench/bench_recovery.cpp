// Storing one edit of a large document, alone and followed by the copy that protects it from a crash.
#include "document/session.h"
#include "document/textformat.h"
#include "files/recoverystore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

/// A session holding a document of layers × points, every layer a solid line.
static void fill(PictoSession &session, int layers, int points)
{
    PictoDocument doc;
    for (int i = 0; i < layers; ++i) {
        NewCurve(doc, KindSolid, points);
        for (int j = 0; j < points; ++j)
            doc.TCurveStruct[i].XYPoints[j] = {static_cast<float>((i * 7 + j * 13) % 512),
                                               static_cast<float>((i * 11 + j * 5) % 512)};
    }
    XYToPolar(doc);
    std::vector<std::string> lines{FormatHeaderLine(doc.Dimension, 0)};
    for (int i = 0; i < doc.Dimension; ++i)
        lines.push_back(FormatCurveLine(doc, i));
    lines.emplace_back();
    session.FillTemplate(lines, "b.vkz");
}

/// One edit as a pointer release stores it: the first point of the bottom layer moves.
static void storeOneEdit(PictoSession &session, float &x)
{
    R_Curve &c = session.doc.TCurveStruct[0];
    c.XYPoints[0].X = x = x > 500 ? 0 : x + 1;
    c.RAPoints[0] = PointToPolar(256 - c.XYPoints[0].X, 256 - c.XYPoints[0].Y);
    session.StoreChange(StoreModify, 0);
}

static void BM_StoreChangeStress200x40(benchmark::State &state)
{
    PictoSession session;
    fill(session, 200, 40);
    float x = 0;
    for (auto _ : state)
        storeOneEdit(session, x);
}
BENCHMARK(BM_StoreChangeStress200x40)->Unit(benchmark::kMicrosecond);

// The whole text (about 170 KB) goes to the copy through a temporary file renamed over it.
static void BM_StoreChangeWithRecoveryStress200x40(benchmark::State &state)
{
    QTemporaryDir work;
    RecoveryStore store(work.path() + "/odzysk/");
    PictoSession session;
    fill(session, 200, 40);
    float x = 0;
    for (auto _ : state) {
        storeOneEdit(session, x);
        store.Write("b.vkz", session.rve_Items.Lines());
    }
}
BENCHMARK(BM_StoreChangeWithRecoveryStress200x40)->Unit(benchmark::kMicrosecond)->UseRealTime();

// The same with the copy synced to the disk each time, as a document is saved: the cost the copy avoids.
static void BM_StoreChangeWithSyncedCopyStress200x40(benchmark::State &state)
{
    QTemporaryDir work;
    const std::string path = (work.path() + "/b.vkz").toStdString();
    PictoSession session;
    fill(session, 200, 40);
    float x = 0;
    for (auto _ : state) {
        storeOneEdit(session, x);
        SavePictoText(path, session.rve_Items.Lines());
    }
}
BENCHMARK(BM_StoreChangeWithSyncedCopyStress200x40)->Unit(benchmark::kMicrosecond)->UseRealTime();

BENCHMARK_MAIN();
