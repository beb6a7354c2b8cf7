#pragma once
// PNG pictures in and out of 24-bit bitmaps (QImage::Format_RGB32), through libpng, and the
// checked reading and writing of the other picture files beside the documents.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <stdexcept>

/// Raised when a picture file (PNG, or a BMP thumbnail) cannot be read or written; what() holds a
/// Polish message (UTF-8).
class PictureError : public std::runtime_error {
public:
    explicit PictureError(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};

/// Reads the PNG file at path into a width x height picture of 24-bit content. The picture is
/// cut or extended (black) at the right and bottom edges, never scaled. Throws PictureError.
QImage LoadPngBitmap(const QString &path, int width, int height);

/// Same as LoadPngBitmap, from PNG bytes held in memory.
QImage LoadPngBitmapFromMemory(const QByteArray &bytes, int width, int height);

/// The size × size picture of a Windows bitmap file (a document thumbnail), or a null picture
/// when the file is missing, unreadable, cut short or of another size: the list then shows its
/// placeholder.
QImage LoadBmpThumbnail(const QString &path, int size);

/// Writes the bytes of a picture file whole or not at all, the way the document's text is written
/// (WriteFileAtomically): the old file stays when anything fails. Throws PictureError.
void WritePictureFile(const QByteArray &bytes, const QString &path);

/// Writes image as a PNG: colour type RGB, 8 bits per channel, not interlaced, no tRNS chunk,
/// through WritePictureFile. Throws PictureError on failure.
void SavePngBitmap(const QImage &image, const QString &path);
