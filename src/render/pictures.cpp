#include "render/pictures.h"

#include "render/pngfile.h"
#include "render/tiles.h"

#include "document/errors.h"
#include "document/runtimetexts.h"

#include <QBuffer>
#include <QPainter>

void RenderCompositeInto(QImage &pure, LayerRenderer &renderer, const QBrush &texture, const PictoDocument &doc,
                         LayerStackCache *kept)
{
    if (pure.size() != QSize(512, 512) || pure.format() != QImage::Format_RGB32)
        pure = QImage(512, 512, QImage::Format_RGB32);
    // Cleared with the texture first, so the composite never depends on what was drawn before.
    QPainter g(&pure);
    if (kept != nullptr) {
        kept->PaintStack(g, doc, texture, renderer);
        return;
    }
    // A background layer replaces everything under it: nothing before the last one is painted.
    int first = doc.Dimension - 1;
    while (first >= 0 && doc.TCurveStruct[size_t(first)].TypeC != KindBackground)
        --first;
    if (first < 0) {
        g.fillRect(QRect(0, 0, 512, 512), texture);
        first = 0;
    }
    for (int i = first; i < doc.Dimension; ++i)
        renderer.PaintLayer(g, doc.TCurveStruct[i]);
}

QImage RenderComposite(LayerRenderer &renderer, const QBrush &texture, const PictoDocument &doc,
                       LayerStackCache *kept)
{
    QImage pure;
    RenderCompositeInto(pure, renderer, texture, doc, kept);
    return pure;
}

QImage RenderLayerThumb(LayerRenderer &renderer, const QBrush &texture, const R_Curve &layer)
{
    // The full-size picture is only sampled: one per thread serves every thumbnail.
    thread_local QImage pure(512, 512, QImage::Format_RGB32);
    {
        QPainter g(&pure);
        g.fillRect(QRect(0, 0, 512, 512), texture);
        renderer.PaintLayer(g, layer);
    }
    QImage thumb = pure.scaled(64, 64, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter p(&thumb);
    QPen pen(QColor(0xAA, 0x88, 0x77), 3);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
    p.drawRect(QRect(0, 0, 63, 63));
    return thumb;
}

static QImage roundTile(const QImage &composite, int n, bool antialiasedFrame)
{
    QImage tile = composite.scaled(n, n, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_RGB32);
    MaskRoundCorners(tile, n, TileCornerColor);
    QPainter g(&tile);
    g.setRenderHint(QPainter::Antialiasing, antialiasedFrame);
    DrawRoundFrame(g, QPen(QColor(0xBB, 0xBB, 0xBB), 1), n);
    return tile;
}

QImage RenderPreview(const QImage &composite) { return roundTile(composite, 72, true); }

QImage RenderDocumentThumb(const QImage &composite) { return roundTile(composite, 64, false); }

QImage RenderExportPicture(LayerRenderer &renderer, const QImage &startPicture, const PictoDocument &doc)
{
    // Each export starts from the start picture, so a document always exports to the same picture.
    QImage png = startPicture.convertToFormat(QImage::Format_RGB32).copy(0, 0, 512, 512);
    QPainter g(&png);
    g.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < doc.Dimension; ++i)
        renderer.PaintLayer(g, doc.TCurveStruct[i]);
    DrawRoundFrame(g, QPen(Qt::white, 5), 512);
    // White corners: every corner pixel farther than 80 pixels from its centre 80 pixels in.
    g.setRenderHint(QPainter::Antialiasing, false);
    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(Qt::white, 40));
    g.drawRoundedRect(QRectF(-20, -20, 551, 551), 100, 100);
    return png;
}

void SaveBmpFile(const QImage &image, const QString &path)
{
    // Encoded in memory first: the file itself is written by the one writer that checks every byte.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "BMP"))
        throw PictureError(QString::fromStdString(
            FileCreateMessage(path.toStdString(), PictureProblemText(PictureProblem::Empty))));
    WritePictureFile(bytes, path);
}
