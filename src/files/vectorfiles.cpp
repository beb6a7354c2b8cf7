#include "files/vectorfiles.h"

#include "render/pngfile.h"
#include "render/vectorpainter.h"

#include "document/errors.h"
#include "document/runtimetexts.h"

#include <QBuffer>
#include <QPainter>
#if MERISKO_SVG
#include <QSvgGenerator>
#endif

void WriteExportSvg(const PictoDocument &doc, const QImage &startPicture, const QString &path)
{
#if !MERISKO_SVG
    (void)doc;
    (void)startPicture;
    throw PictureError(QStringLiteral("Nie można zapisać pliku „%1”: ta wersja programu została zbudowana bez "
                                      "zapisu SVG.").arg(path));
#else
    // Drawn in memory first: the file itself is written by the one writer that checks every byte.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(512, 512));
    svg.setViewBox(QRectF(0, 0, 512, 512));
    svg.setResolution(96);
    svg.setTitle(QString::fromStdString(doc.CFName));
    svg.setDescription(QStringLiteral("Piktogram z programu Merisko"));
    QPainter g;
    if (!g.begin(&svg))
        throw PictureError(QString::fromStdString(
            FileCreateMessage(path.toStdString(), PictureProblemText(PictureProblem::Empty))));
    PaintExportVector(g, startPicture, doc, QRectF(0, 0, 512, 512));
    g.end();
    WritePictureFile(bytes, path);
#endif
}

void WriteExportPictureAt(const PictoDocument &doc, const QImage &startPicture, int size, const QString &path)
{
    SavePngBitmap(RenderExportPictureAt(startPicture, doc, size), path);
}
