#pragma once
// The pictures made from a whole document: layer thumbnails, the composite, the 72 × 72 preview,
// the 64 × 64 document thumbnail and the 512 × 512 export picture.

#include "document/picto.h"
#include "render/layercache.h"
#include "render/layerrenderer.h"

#include <QBrush>
#include <QImage>
#include <QString>

/// Panel colour behind the preview and the thumbnails, used for their rounded corners.
inline const QColor TileCornerColor(241, 241, 241);

/// The 512 × 512 composite of all layers over the texture. With kept, the pictures of the layers
/// other than the current one are kept there between calls (the preview refreshes after each edit).
QImage RenderComposite(LayerRenderer &renderer, const QBrush &texture, const PictoDocument &doc,
                       LayerStackCache *kept = nullptr);
/// The same composite painted into pure, which keeps its memory when it is already a 512 × 512
/// RGB32 picture of its own (the preview refreshes after each edit without a new picture).
void RenderCompositeInto(QImage &pure, LayerRenderer &renderer, const QBrush &texture, const PictoDocument &doc,
                         LayerStackCache *kept = nullptr);
/// One layer over the texture, reduced to 64 × 64 with a 3-pixel frame RGB(0xAA, 0x88, 0x77).
QImage RenderLayerThumb(LayerRenderer &renderer, const QBrush &texture, const R_Curve &layer);
/// The 72 × 72 preview tile: smooth reduction, rounded corners, antialiased grey frame.
QImage RenderPreview(const QImage &composite);
/// The 64 × 64 document thumbnail tile: smooth reduction, rounded corners, frame without antialiasing.
QImage RenderDocumentThumb(const QImage &composite);
/// All layers (never the overlay) over the start picture, white 5-pixel rounded frame and white
/// corners outside radius 80 about centres 80 pixels in from the edges.
QImage RenderExportPicture(LayerRenderer &renderer, const QImage &startPicture, const PictoDocument &doc);

/// Writes a Windows bitmap file whole or not at all (WritePictureFile); throws PictureError with a Polish message.
void SaveBmpFile(const QImage &image, const QString &path);
