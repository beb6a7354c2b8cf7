#pragma once
// The layers under and over the current one, kept as pictures between repaints of the editing
// view: while a pupil works on one layer, the others are copied in instead of drawn again.

#include "document/picto.h"
#include "render/layerrenderer.h"

#include <QBrush>
#include <QImage>
#include <QPainter>

#include <vector>

class LayerStackCache {
public:
    /// Paints the texture and every layer of doc onto g (active on a 512 × 512 image), the same
    /// picture as painting them one by one. Layers other than Ind_Curve come from the kept pictures
    /// when they are unchanged since the last call.
    void PaintStack(QPainter &g, const PictoDocument &doc, const QBrush &texture, LayerRenderer &renderer);

    /// Forgets the kept pictures; the next PaintStack draws every layer.
    void Clear();

private:
    struct Part {
        std::vector<R_Curve> layers;  ///< what the picture shows
        bool antialiased = false;
        bool valid = false;
        QImage picture;
    };
    static bool matches(const Part &part, const PictoDocument &doc, int from, int to, bool antialiased);
    static void remember(Part &part, const PictoDocument &doc, int from, int to, bool antialiased);

    Part m_below;  ///< texture and layers under the current one, opaque
    Part m_above;  ///< layers over the current one on transparency
    LayerRenderer m_helper;  ///< pens and masks of the second painting thread
    static constexpr int SplitLayers = 24;  ///< runs this long are painted in two halves at once
};
