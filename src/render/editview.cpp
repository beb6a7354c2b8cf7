#include "render/editview.h"

#include "render/fonts.h"
#include "render/texture.h"

#include <cmath>

EditViewPainter::EditViewPainter(LayerRenderer &renderer, const QBrush &texture)
    : m_renderer(renderer), m_texture(texture)
{
    m_numberFont.setFamily(InterfaceFontFamily());
    m_numberFont.setPixelSize(16);
    m_numberFont.setBold(true);
    m_numberPen = QPen(ArgbColor(NumberColor));
}

bool EditViewPainter::RedrawImage(QImage &view, const PictoDocument &doc, bool allLayers, bool numberAndPoint)
{
    QPainter g(&view);
    g.setRenderHint(QPainter::Antialiasing, m_antialias);
    if (doc.Dimension == 0 || doc.Ind_Curve < 0 || doc.Ind_Curve >= doc.Dimension) {
        FillWithTexture(g, QRect(0, 0, 512, 512), m_texture);
        return false;
    }
    if (allLayers) {
        m_stack.PaintStack(g, doc, m_texture, m_renderer);
    } else {
        FillWithTexture(g, QRect(0, 0, 512, 512), m_texture);
        m_renderer.PaintLayer(g, doc.TCurveStruct[doc.Ind_Curve]);
    }
    const R_Curve &current = doc.TCurveStruct[doc.Ind_Curve];
    DrawPointOverlay(g, current, numberAndPoint);
    return true;
}

void EditViewPainter::DrawPointOverlay(QPainter &g, const R_Curve &layer, bool numberAndPoint)
{
    m_renderer.Br_i.setColor(ArgbColor(MarkerColor));
    if (!numberAndPoint)
        return;
    const int n = std::min<int>(layer.Count, static_cast<int>(layer.XYPoints.size()));
    while (int(m_labels.size()) < n) {
        // Laid out once: a repaint draws the glyphs without shaping the text again.
        QStaticText label(QString::number(m_labels.size()));
        label.setTextFormat(Qt::PlainText);
        label.prepare(QTransform(), m_numberFont);
        m_labels.push_back(label);
    }
    // The dots draw through the brush alone, so the labels' pen and font are set once.
    if (n > 0) {
        g.setPen(m_numberPen);
        g.setFont(m_numberFont);
    }
    for (int i = 0; i < n; ++i) {
        m_renderer.DrawDot(&g, layer.XYPoints[i], 5);
        DrawPointNumber(g, layer.XYPoints[i], m_labels[size_t(i)]);
    }
}

void EditViewPainter::DrawPointNumber(QPainter &g, const TGPPointF &point, const QStaticText &text)
{
    // The first label switches antialiasing on for everything drawn on the view from now on.
    m_antialias = true;
    g.setRenderHint(QPainter::Antialiasing, true);
    g.setRenderHint(QPainter::TextAntialiasing, true);
    // The label's layout origin is the top-left of its text box.
    g.drawStaticText(QPointF(point.X + 2, point.Y + 2), text);
}
