#include "document/textformat.h"
#include "render/pictures.h"
#include "render/vectorpainter.h"

#include <gtest/gtest.h>

#include <QDir>
#include "guiapp.h"

#include <cmath>

namespace {

/// How far two pictures of the same size are apart: pixels whose channels differ by more than 96
/// (ink where the other has none), and the mean difference of all channels (0 … 255).
struct Difference {
    double inkPixels = 0;  ///< share of the pixels, 0 … 1
    double mean = 0;
};

Difference compare(const QImage &a, const QImage &b)
{
    Difference d;
    qint64 sum = 0, far = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            const int dr = std::abs(qRed(p) - qRed(q)), dg = std::abs(qGreen(p) - qGreen(q)),
                      db = std::abs(qBlue(p) - qBlue(q));
            sum += dr + dg + db;
            far += std::max({dr, dg, db}) > 96;
        }
    const double pixels = double(a.width()) * a.height();
    d.inkPixels = far / pixels;
    d.mean = sum / (3 * pixels);
    return d;
}

QImage whiteStart()
{
    QImage start(512, 512, QImage::Format_RGB32);
    start.fill(Qt::white);
    return start;
}

PictoDocument oneLayer(int32_t kind, int32_t width, uint8_t closure, float tension, std::vector<TGPPointF> pts)
{
    PictoDocument d;
    NewCurve(d, KindBackground, 0);
    d.TCurveStruct[0].Color = 0xFFD7E1E1;
    NewCurve(d, kind, int32_t(pts.size()));
    R_Curve &c = d.TCurveStruct[1];
    c.XYPoints = std::move(pts);
    c.Width = width;
    c.Closure = closure;
    c.Tension = tension;
    c.Color = 0xFF204A87;
    return d;
}

} // namespace

// Every layer kind and shape, and the sample documents, drawn by both renderers at 512 × 512: the
// same ink in the same places, only the antialiasing of the edges may differ.
TEST(VectorPainter, MatchesTheRasterRenderer)
{
    app();
    const std::vector<TGPPointF> wave = {{60, 300}, {150, 90}, {260, 400}, {380, 120}, {460, 330}};
    struct Case {
        const char *what;
        PictoDocument doc;
    } cases[] = {
        {"blob", oneLayer(KindBlob, 0, 1, 0.5f, wave)},
        {"open curve 16", oneLayer(KindSolid, 16, 0, 0.5f, wave)},
        {"closed broken line 8", oneLayer(KindSolid, 8, 1, 0.0f, wave)},
        {"hairline", oneLayer(KindSolid, 0, 0, 0.5f, wave)},
        {"dotted 8", oneLayer(KindDotted, 8, 0, 0.5f, wave)},
        {"dotted closed 4", oneLayer(KindDotted, 4, 1, 0.0f, wave)},
        {"dots 12", oneLayer(KindDots, 12, 0, 0.5f, wave)},
        {"unknown closure", oneLayer(KindSolid, 8, 2, 0.5f, wave)},
        {"translucent background", [&] {
             PictoDocument d = oneLayer(KindBlob, 0, 1, 0.5f, wave);
             d.TCurveStruct[0].Color = 0x80C03020;
             d.TCurveStruct[1].Color = 0x8020A040;
             return d;
         }()},
    };
    LayerRenderer renderer;
    const QImage start = whiteStart();
    for (const Case &c : cases) {
        const Difference d = compare(RenderExportPicture(renderer, start, c.doc), RenderExportPictureAt(start, c.doc, 512));
        // A missing round cap of the 16-pixel line alone puts about 100 pixels (0.04 %) apart.
        EXPECT_LT(d.inkPixels, 0.0002) << c.what;
        EXPECT_LT(d.mean, 0.3) << c.what;
        std::printf("%s: %.3f %% pixels apart, mean difference %.2f\n", c.what, 100 * d.inkPixels, d.mean);
    }
    const QDir samples(QStringLiteral(MERISKO_SAMPLE_DIR));
    const QStringList names = samples.entryList({QStringLiteral("*.vkz")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty());
    for (const QString &name : names) {
        const PictoDocument doc = ParseDocument(LoadPictoLines(samples.filePath(name).toStdString()), name.toStdString());
        const Difference d = compare(RenderExportPicture(renderer, start, doc), RenderExportPictureAt(start, doc, 512));
        EXPECT_LT(d.inkPixels, 0.0002) << name.toStdString();
        EXPECT_LT(d.mean, 0.4) << name.toStdString();
        std::printf("%s: %.3f %% pixels apart, mean difference %.2f\n", qPrintable(name), 100 * d.inkPixels, d.mean);
    }
}

// The picture scales with its size: a dot at the view's centre stays at the centre of any size, and
// its radius grows with the picture.
TEST(VectorPainter, LargePictureScalesTheView)
{
    app();
    PictoDocument doc = oneLayer(KindDots, 20, 0, 0.5f, {{256, 256}});
    doc.TCurveStruct[0].Color = 0xFFF0E0C0;  // a background that differs from the white corners
    for (int size : {64, 300, 512, 1000, 4096}) {
        const QImage picture = RenderExportPictureAt(whiteStart(), doc, size);
        ASSERT_EQ(picture.size(), QSize(size, size));
        double sx = 0, sy = 0, count = 0;
        for (int y = 0; y < size; ++y) {
            const QRgb *row = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
            for (int x = 0; x < size; ++x)
                if (qBlue(row[x]) > 100 && qRed(row[x]) < 100) {
                    sx += x + 0.5;
                    sy += y + 0.5;
                    ++count;
                }
        }
        ASSERT_GT(count, 0) << size;
        const double scale = size / 512.0;
        // Points stand on the centres of the view's pixels: (256, 256) is 256.5 view pixels in.
        EXPECT_NEAR(sx / count, 256.5 * scale, 0.5 + scale / 4) << size;
        EXPECT_NEAR(sy / count, 256.5 * scale, 0.5 + scale / 4) << size;
        const double radius = std::sqrt(count / M_PI);
        EXPECT_NEAR(radius, 20 * scale, 1 + scale / 2) << size;
        EXPECT_EQ(picture.pixel(0, 0), qRgb(255, 255, 255)) << "white corners at " << size;
        // The four white corners are alike: about as many pixels of the start picture show in each
        // (the antialiased frame differs by a fraction of a pixel along the arcs; one pixel of the
        // view more or less, size / 512 pixels, would be over size / 4).
        const int corner = size / 8;
        const auto shown = [&](bool right, bool bottom) {
            int n = 0;
            for (int y = 0; y < corner; ++y)
                for (int x = 0; x < corner; ++x)
                    n += picture.pixel(right ? size - 1 - x : x, bottom ? size - 1 - y : y) != qRgb(255, 255, 255);
            return n;
        };
        const int topLeft = shown(false, false);
        for (const auto &[right, bottom] : {std::pair{true, false}, std::pair{false, true}, std::pair{true, true}})
            EXPECT_NEAR(shown(right, bottom), topLeft, 16 + size / 5) << size << (right ? " right" : " left")
                                                                       << (bottom ? " bottom" : " top");
        if (size >= 512) {  // the frame is 5 pixels of the view: less than one below 512
            EXPECT_EQ(picture.pixel(size / 2, 1), qRgb(255, 255, 255)) << "white frame at " << size;
        }
    }
}
