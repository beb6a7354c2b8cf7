#pragma once
// The picture of the editing view: texture, layers, then the current layer's point markers and numbers.

#include "document/picto.h"
#include "render/layercache.h"
#include "render/layerrenderer.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QStaticText>
#include <QString>

#include <vector>


/// Marker colour that pointer hit tests look for: opaque pure green.
constexpr uint32_t MarkerColor = 0xFF00FF00u;
constexpr uint32_t NumberColor = 0xFFFF00FFu;

class EditViewPainter {
public:
    /// texture tiles from the view's origin; the renderer's pens and brush are shared with other pictures.
    EditViewPainter(LayerRenderer &renderer, const QBrush &texture);

    /// Repaints the 512 × 512 view of doc. Returns whether a current layer was painted: false for a
    /// document without layers (texture alone).
    bool RedrawImage(QImage &view, const PictoDocument &doc, bool allLayers, bool numberAndPoint);

    /// Antialiasing is switched on by the first number label ever drawn and stays on.
    bool Antialiased() const { return m_antialias; }

    /// Forgets the kept pictures of the other layers (the next repaint draws every layer).
    void ForgetLayerPictures() { m_stack.Clear(); }

private:
    void DrawPointOverlay(QPainter &g, const R_Curve &layer, bool numberAndPoint);
    void DrawPointNumber(QPainter &g, const TGPPointF &point, const QStaticText &text);

    LayerRenderer &m_renderer;
    QBrush m_texture;
    QFont m_numberFont;
    LayerStackCache m_stack;
    QPen m_numberPen;
    std::vector<QStaticText> m_labels;  ///< the point numbers, laid out once
    bool m_antialias = false;
};

