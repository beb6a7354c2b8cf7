// The pictures drawn as vectors and written as files: the SVG drawing against the PNG export, and the
// A4 worksheet read back with the PDF tools of poppler-utils (pdfinfo, pdftotext, pdffonts).
#include "document/textformat.h"
#include "files/documentpictures.h"
#include "files/vectorfiles.h"
#include "files/worksheet.h"
#include "render/pngfile.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

QList<WorksheetItem> sampleDocuments()
{
    const QDir samples(QStringLiteral(MERISKO_SAMPLE_DIR));
    QList<WorksheetItem> items;
    for (const QString &name : samples.entryList({QStringLiteral("*.vkz")}, QDir::Files, QDir::Name))
        items.append({WorksheetName(name),
                      ParseDocument(LoadPictoLines(QFile::encodeName(samples.filePath(name)).toStdString()),
                                    name.toStdString())});
    return items;
}

/// The mean difference of all channels of two pictures of the same size, 0 … 255.
double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

/// Standard output of a program of poppler-utils; fails the test when the program is missing.
QString run(const QString &program, const QStringList &args)
{
    if (QStandardPaths::findExecutable(program).isEmpty()) {
        ADD_FAILURE() << program.toStdString() << " is missing (Debian package poppler-utils)";
        return {};
    }
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

// The SVG is well-formed XML of a 512 × 512 view box and, rasterised by Qt's SVG renderer (and by
// rsvg-convert where it is installed), looks like the PNG export of the same document.
TEST(VectorFiles, SvgRasterisesLikeThePngExport)
{
    QTemporaryDir dir;
    QImage start(512, 512, QImage::Format_RGB32);
    start.fill(QColor(0xFA, 0xF0, 0xDC));
    const bool rsvg = !QStandardPaths::findExecutable(QStringLiteral("rsvg-convert")).isEmpty();
    for (const WorksheetItem &item : sampleDocuments()) {
        const QString svg = dir.filePath(QStringLiteral("p.svg")), png = dir.filePath(QStringLiteral("p.png"));
        WriteExportSvg(item.doc, start, svg);
        WriteExportPicture(item.doc, start, png);

        QFile file(svg);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        ASSERT_TRUE(xml.readNextStartElement());
        EXPECT_EQ(xml.name(), QLatin1String("svg"));
        EXPECT_EQ(xml.attributes().value(QLatin1String("viewBox")), QLatin1String("0 0 512 512"));
        int images = 0, paths = 0;  // the start picture is the one image; the layers are paths
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement) {
                images += xml.name() == QLatin1String("image");
                paths += xml.name() == QLatin1String("path");
            }
        EXPECT_EQ(images, 1);
        EXPECT_GT(paths, item.doc.Dimension - 1);
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();

        const QImage exported = LoadPngBitmap(png, 512, 512).convertToFormat(QImage::Format_RGB32);
        QImage drawn(512, 512, QImage::Format_RGB32);
        drawn.fill(Qt::black);
        QSvgRenderer renderer(svg);
        ASSERT_TRUE(renderer.isValid());
        QPainter g(&drawn);
        renderer.render(&g);
        g.end();
        const double qtDifference = meanDifference(drawn, exported);
        // Antialiasing alone stays under 0.2; the white frame left out would add about 0.6.
        EXPECT_LT(qtDifference, 0.4) << item.name.toStdString();
        std::printf("%s: Qt SVG renderer %.2f", qPrintable(item.name), qtDifference);
        if (rsvg) {
            const QString raster = dir.filePath(QStringLiteral("r.png"));
            QProcess::execute(QStringLiteral("rsvg-convert"), {"-w", "512", "-h", "512", "-o", raster, svg});
            const double rsvgDifference =
                meanDifference(QImage(raster).convertToFormat(QImage::Format_RGB32), exported);
            EXPECT_LT(rsvgDifference, 1.0) << item.name.toStdString();
            std::printf(", rsvg-convert %.2f", rsvgDifference);
        }
        std::printf(" (mean channel difference to the PNG)\n");
    }
}

// Twelve pictograms make one A4 page at 12 per page and three at 4, every name written as text
// under its picture, in the given order.
TEST(VectorFiles, WorksheetPagesAndNames)
{
    QTemporaryDir dir;
    const QList<WorksheetItem> samples = sampleDocuments();
    ASSERT_EQ(samples.size(), 4);
    QList<WorksheetItem> twelve;
    for (int i = 0; i < 12; ++i) {
        twelve.append(samples[i % 4]);
        twelve.last().name += QString::number(i + 1);  // "Bałwanek1" … "Motyl12": the order can be read
    }
    QImage start(512, 512, QImage::Format_RGB32);
    start.fill(Qt::white);
    const struct {
        int perPage, pages;
        bool names, cutLines;
    } cases[] = {{12, 1, true, false}, {4, 3, true, true}, {20, 1, false, true}, {1, 12, true, false}};
    for (const auto &c : cases) {
        const QString pdf = dir.filePath(QStringLiteral("a%1.pdf").arg(c.perPage));
        EXPECT_EQ(WriteWorksheet(twelve, start, {c.perPage, c.names, c.cutLines}, pdf), c.pages) << c.perPage;
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +%1\n").arg(c.pages)))) << info.toStdString();
        EXPECT_TRUE(info.contains(QStringLiteral("595 x 842 pts (A4)"))) << info.toStdString();
        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        // Read row by row, the names come in the worksheet's order.
        qsizetype at = 0;
        for (const WorksheetItem &item : twelve) {
            const qsizetype found = text.indexOf(item.name, at);
            if (c.names) {
                EXPECT_GE(found, at) << item.name.toStdString() << " at " << c.perPage << " per page";
                at = std::max(at, found + 1);
            } else {
                EXPECT_EQ(found, -1) << item.name.toStdString();
            }
        }
        if (c.names) {  // every font of the names travels in the file
            const QStringList fonts = run(QStringLiteral("pdffonts"), {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
            EXPECT_FALSE(fonts.isEmpty());
            for (const QString &font : fonts)
                EXPECT_TRUE(font.contains(QStringLiteral(" yes "))) << font.toStdString();
        }
        if (c.perPage == 4) {
            EXPECT_EQ(text.count(QChar('\f')), 3) << "a page break after each page";
        }
    }
}

TEST(VectorFiles, WorksheetNames)
{
    const struct {
        const char *file, *name;
    } cases[] = {
        {"001 Bałwanek.vkz", "Bałwanek"}, {"Result/12 Dom i ogród.vkz", "Dom i ogród"},
        {"Kot.vkz", "Kot"},                {"007.vkz", "007"},
        {"2024 rok.VKZ", "rok"},           {"3-kwiat.vkz", "kwiat"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WorksheetName(QString::fromUtf8(c.file)), QString::fromUtf8(c.name)) << c.file;
}
