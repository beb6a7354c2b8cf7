// The pictures drawn as vectors: an A4 worksheet of 20 sample pictograms and a 4096 × 4096 PNG.
#include "document/textformat.h"
#include "files/documentpictures.h"
#include "files/vectorfiles.h"
#include "files/worksheet.h"
#include "render/vectorpainter.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

/// The sample documents of data/Result, over and over until there are count of them.
static QList<WorksheetItem> samples(int count)
{
    const QDir folder(QStringLiteral(MERISKO_SAMPLE_DIR));
    QList<WorksheetItem> read;
    for (const QString &name : folder.entryList({QStringLiteral("*.vkz")}, QDir::Files, QDir::Name))
        read.append({WorksheetName(name), ParseDocument(LoadPictoLines(QFile::encodeName(folder.filePath(name)).toStdString()),
                                                        name.toStdString())});
    QList<WorksheetItem> items;
    for (int i = 0; i < count && !read.isEmpty(); ++i)
        items.append(read[i % read.size()]);
    return items;
}

static void BM_Worksheet20PerPage(benchmark::State &state)
{
    const QList<WorksheetItem> items = samples(20);
    const QImage start = DocumentBackdrop::Plain().startPicture;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Arkusz.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteWorksheet(items, start, {20, true, true}, path));
}
BENCHMARK(BM_Worksheet20PerPage)->Unit(benchmark::kMillisecond);

static void BM_Png4096Drawn(benchmark::State &state)
{
    const PictoDocument doc = samples(1).first().doc;
    const QImage start = DocumentBackdrop::Plain().startPicture;
    for (auto _ : state)
        benchmark::DoNotOptimize(RenderExportPictureAt(start, doc, 4096).constBits());
}
BENCHMARK(BM_Png4096Drawn)->Unit(benchmark::kMillisecond);

static void BM_Png4096File(benchmark::State &state)
{
    const PictoDocument doc = samples(1).first().doc;
    const QImage start = DocumentBackdrop::Plain().startPicture;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("duzy.png"));
    for (auto _ : state)
        WriteExportPictureAt(doc, start, 4096, path);
}
BENCHMARK(BM_Png4096File)->Unit(benchmark::kMillisecond);

static void BM_Svg(benchmark::State &state)
{
    const PictoDocument doc = samples(1).first().doc;
    const QImage start = DocumentBackdrop::Plain().startPicture;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.svg"));
    for (auto _ : state)
        WriteExportSvg(doc, start, path);
}
BENCHMARK(BM_Svg)->Unit(benchmark::kMillisecond);
