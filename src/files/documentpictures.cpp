#include "files/documentpictures.h"

#include "render/layerrenderer.h"
#include "render/pictures.h"
#include "render/pngfile.h"

#include <QFileInfo>

namespace {
const QColor TextureColor(0xE8, 0xE4, 0xDC);

QImage plain(int size, const QColor &colour)
{
    QImage picture(size, size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

/// The picture at path resized to size × size, or a plain one of fallback while no file is there.
QImage loadOrPlain(const QString &path, int size, const QColor &fallback)
{
    return QFileInfo::exists(path) ? LoadPngBitmap(path, size, size) : plain(size, fallback);
}
}

DocumentBackdrop DocumentBackdrop::Plain() { return {QBrush(plain(64, TextureColor)), plain(512, Qt::white)}; }

QBrush LoadTexture(const QString &baseFolder) { return QBrush(loadOrPlain(baseFolder + "A.pn", 64, TextureColor)); }

QImage LoadStartPicture(const QString &baseFolder) { return loadOrPlain(baseFolder + "B.pn", 512, Qt::white); }

void WriteDocumentThumb(const PictoDocument &doc, const QBrush &texture, const QString &path)
{
    LayerRenderer renderer;
    SaveBmpFile(RenderDocumentThumb(RenderComposite(renderer, texture, doc)), path);
}

void WriteExportPicture(const PictoDocument &doc, const QImage &startPicture, const QString &path)
{
    LayerRenderer renderer;
    SavePngBitmap(RenderExportPicture(renderer, startPicture, doc), path);
}
