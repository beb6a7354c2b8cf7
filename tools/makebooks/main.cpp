// makebooks FOLDER: draws the pictures of the snowman tutorial into FOLDER. Step N shows the snowman
// example with its first N layers as the editing view shows it, the points of the step's layer
// marked and numbered, so a pupil sees where to click and in which order; gotowy.png is the finished
// snowman as the export picture draws it, and ikona.png the same as the tutorial window's icon.

#include "document/textformat.h"
#include "render/editview.h"
#include "render/layerrenderer.h"
#include "render/pictures.h"
#include "render/pngfile.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

/// Pixels of a step picture in the tutorial pages.
constexpr int kStepSize = 320;

QImage smaller(const QImage &picture, int size)
{
    return picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "makebooks FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    try {
        const PictoDocument example = ParseDocument(ExampleDocumentTemplate(), "example");
        QImage white(512, 512, QImage::Format_RGB32);
        white.fill(Qt::white);
        LayerRenderer renderer;
        EditViewPainter view(renderer, QBrush(Qt::white));
        for (int step = 1; step <= example.Dimension; ++step) {
            PictoDocument part = example;
            part.Dimension = static_cast<uint16_t>(step);
            part.Ind_Curve = step - 1;
            QImage picture(512, 512, QImage::Format_RGB32);
            view.RedrawImage(picture, part, true, true);
            SavePngBitmap(smaller(picture, kStepSize), folder.filePath(QStringLiteral("krok%1.png").arg(step)));
        }
        const QImage finished = RenderExportPicture(renderer, white, example);
        SavePngBitmap(smaller(finished, kStepSize), folder.filePath(QStringLiteral("gotowy.png")));
        SavePngBitmap(smaller(finished, 64), folder.filePath(QStringLiteral("ikona.png")));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
