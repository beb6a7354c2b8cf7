#include "render/texture.h"

#include <QImage>
#include <QPaintDevice>

#include <algorithm>
#include <cstring>

// Qt's fillRect with a texture blends each span through its pipeline and may hand a large area to
// worker threads; a texture that covers what is under it needs neither.
void FillWithTexture(QPainter &g, const QRect &area, const QBrush &texture)
{
    QPaintDevice *dev = g.device();
    const QImage tile = texture.style() == Qt::TexturePattern ? texture.textureImage() : QImage();
    QImage *img = dev != nullptr && dev->devType() == QInternal::Image ? static_cast<QImage *>(dev) : nullptr;
    const bool plain = img != nullptr
        && (img->format() == QImage::Format_RGB32 || img->format() == QImage::Format_ARGB32_Premultiplied)
        && tile.format() == QImage::Format_RGB32 && !tile.isNull() && texture.transform().isIdentity()
        && g.transform().isIdentity() && !g.hasClipping() && g.opacity() == 1.0 && g.brushOrigin() == QPointF()
        && (g.compositionMode() == QPainter::CompositionMode_SourceOver
            || g.compositionMode() == QPainter::CompositionMode_Source);
    if (!plain) {
        g.fillRect(area, texture);
        return;
    }
    const QRect r = area & img->rect();
    if (r.isEmpty())
        return;
    const int tw = tile.width(), th = tile.height();
    uchar *bits = img->bits();
    const qsizetype stride = img->bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const uint32_t *src = reinterpret_cast<const uint32_t *>(tile.constScanLine(y % th));
        uint32_t *out = reinterpret_cast<uint32_t *>(bits + stride * y);
        int x = r.left();
        while (x <= r.right()) {
            const int from = x % tw;
            const int count = std::min(tw - from, r.right() + 1 - x);
            std::memcpy(out + x, src + from, size_t(count) * sizeof(uint32_t));
            x += count;
        }
    }
}
