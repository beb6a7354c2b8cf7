#include "document/textformat.h"
#include "render/pictures.h"
#include "render/pngfile.h"
#include "render/tiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include "guiapp.h"

namespace {
class PicturesTest : public ::testing::Test {
protected:
    QGuiApplication &application = app();
    LayerRenderer renderer;
    QBrush texture{QColor(10, 20, 30)};
    PictoDocument snowman = ParseDocument(ExampleDocumentTemplate());
    PictoDocument blobOnly = [] {
        PictoDocument d;
        NewCurve(d, KindBlob, 3);
        d.TCurveStruct[0].XYPoints = {{100, 100}, {400, 120}, {256, 420}};
        d.TCurveStruct[0].Color = 0xFFEF2929;
        d.Ind_Curve = 0;
        return d;
    }();
};
}

TEST_F(PicturesTest, ExportHasWhiteFrameAndCornersAndNoOverlay)
{
    QImage start(512, 512, QImage::Format_RGB32);
    start.fill(QColor(0, 0, 255));
    const QImage png = RenderExportPicture(renderer, start, blobOnly);
    ASSERT_EQ(png.size(), QSize(512, 512));
    for (const QPoint pt : {QPoint(0, 0), QPoint(511, 0), QPoint(0, 511), QPoint(511, 511), QPoint(15, 15),
                            QPoint(256, 0), QPoint(0, 256), QPoint(511, 256), QPoint(256, 511)})
        EXPECT_EQ(png.pixel(pt), qRgb(255, 255, 255)) << pt.x() << "," << pt.y();
    EXPECT_EQ(png.pixel(60, 60), qRgb(0, 0, 255)) << "inside radius 80 the start picture shows";
    EXPECT_EQ(png.pixel(256, 200), qRgb(0xEF, 0x29, 0x29));
    const TGPPointF p = blobOnly.TCurveStruct[0].XYPoints[2];
    EXPECT_NE(png.pixel(int(p.X) - 2, int(p.Y) - 2), qRgb(0, 255, 0));
    EXPECT_EQ(RenderExportPicture(renderer, start, blobOnly), png) << "the same document exports alike";
}

TEST_F(PicturesTest, PreviewAndThumbnailTiles)
{
    const QImage composite = RenderComposite(renderer, texture, blobOnly);
    EXPECT_EQ(composite.pixel(5, 5), qRgb(10, 20, 30)) << "a blob without background shows over the texture";
    const QImage preview = RenderPreview(composite);
    const QImage thumb = RenderDocumentThumb(composite);
    ASSERT_EQ(preview.size(), QSize(72, 72));
    ASSERT_EQ(thumb.size(), QSize(64, 64));
    for (const QImage *tile : {&preview, &thumb}) {
        const int n = tile->width();
        EXPECT_EQ(tile->pixel(0, 0), qRgb(241, 241, 241)) << n;
        EXPECT_EQ(tile->pixel(n - 1, n - 1), qRgb(241, 241, 241)) << n;
        EXPECT_EQ(tile->pixel(n / 2, n / 2), qRgb(0xEF, 0x29, 0x29)) << n;
    }
    EXPECT_EQ(thumb.pixel(32, 63), qRgb(0xBB, 0xBB, 0xBB)) << "thumbnail frame is not antialiased";
}

// The tiles average the composite over each pixel's area as Qt's smooth scaling does: the
// snowman's tiles lie within a level of it inside their frames, and a hard edge between two
// colours lands as the share of each that the tile pixel covers.
TEST_F(PicturesTest, TilesAverageTheCompositeLikeASmoothReduction)
{
    const QImage composite = RenderComposite(renderer, texture, snowman);
    for (const int n : {72, 64}) {
        const QImage tile = n == 72 ? RenderPreview(composite) : RenderDocumentThumb(composite);
        const QImage qt = composite.scaled(n, n, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double sum = 0;
        int count = 0;
        for (int y = 8; y < n - 8; ++y) {
            for (int x = 8; x < n - 8; ++x) {
                const QRgb a = tile.pixel(x, y), b = qt.pixel(x, y);
                sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
                count += 3;
            }
        }
        EXPECT_LT(sum / count, 1.0) << n;
    }
    // Source columns 0 to 251 black, the rest white: tile column 35 covers source columns 248.9
    // to 256.0, 3.1 of them black.
    QImage halves(512, 512, QImage::Format_RGB32);
    halves.fill(Qt::white);
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 252; ++x)
            halves.setPixel(x, y, qRgb(0, 0, 0));
    const QImage tile = RenderPreview(halves);
    const double black = (252 - 35 * 512 / 72.0) / (512 / 72.0);
    EXPECT_NEAR(qRed(tile.pixel(35, 36)), 255 * (1 - black), 1.0);
    EXPECT_EQ(tile.pixel(34, 36), qRgb(0, 0, 0));
    EXPECT_EQ(tile.pixel(36, 36), qRgb(255, 255, 255));
}

TEST_F(PicturesTest, LayerThumbnailAndBmpFile)
{
    const QImage thumb = RenderLayerThumb(renderer, texture, snowman.TCurveStruct[1]);
    ASSERT_EQ(thumb.size(), QSize(64, 64));
    EXPECT_EQ(thumb.pixel(0, 32), qRgb(0xAA, 0x88, 0x77));
    EXPECT_EQ(thumb.pixel(32, 40), qRgb(255, 255, 255)) << "the white body";

    const QString path = QDir::temp().filePath("merisko-thumb.bmp");
    SaveBmpFile(thumb, path);
    QImage back(path);
    EXPECT_EQ(back.size(), QSize(64, 64));
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), thumb);
    QFile::remove(path);
    EXPECT_THROW(SaveBmpFile(thumb, QDir::temp().filePath("brak-folderu/x.bmp")), PictureError);
}
