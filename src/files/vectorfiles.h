#pragma once
// The export picture as files of any size: an SVG drawing and a PNG of N × N pixels, both drawn by
// the vector painting path, both written whole or not at all.

#include "document/picto.h"

#include <QImage>
#include <QString>

/// Smallest and largest side of a PNG drawn at a chosen size, in pixels.
constexpr int SmallestPictureSize = 64;
constexpr int LargestPictureSize = 4096;

/// Writes the export picture (all layers, the white rounded frame and corners, never the point
/// overlay) to path as an SVG drawing of 512 × 512 units; throws PictureError.
void WriteExportSvg(const PictoDocument &doc, const QImage &startPicture, const QString &path);

/// Writes the export picture at size × size pixels (SmallestPictureSize … LargestPictureSize) to path
/// as PNG; throws PictureError.
void WriteExportPictureAt(const PictoDocument &doc, const QImage &startPicture, int size, const QString &path);
