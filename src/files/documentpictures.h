#pragma once
// The picture files made from a whole document, the same for the editor and the command line: the
// 64 × 64 thumbnail (.bmp) beside a saved document and the 512 × 512 exported picture (.png).

#include "document/picto.h"

#include <QBrush>
#include <QImage>
#include <QString>

/// The pictures the document pictures are drawn on.
struct DocumentBackdrop {
    QBrush texture;       ///< under every layer of a thumbnail (Base/A.pn, 64 × 64)
    QImage startPicture;  ///< under an exported picture (Base/B.pn, 512 × 512)

    /// Plain pictures of the colours the program shows while the reference pictures are missing.
    static DocumentBackdrop Plain();
};

/// Base/A.pn of the reference folder baseFolder, plain while the folder lacks it; throws PictureError
/// for a file that cannot be read.
QBrush LoadTexture(const QString &baseFolder);
/// Base/B.pn of the reference folder baseFolder, plain white while the folder lacks it; throws PictureError.
QImage LoadStartPicture(const QString &baseFolder);

/// Writes the document's 64 × 64 thumbnail to path whole or not at all; throws PictureError.
void WriteDocumentThumb(const PictoDocument &doc, const QBrush &texture, const QString &path);
/// Writes the document's 512 × 512 picture to path as PNG whole or not at all; throws PictureError.
void WriteExportPicture(const PictoDocument &doc, const QImage &startPicture, const QString &path);
