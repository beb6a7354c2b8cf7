#include "render/editview.h"

#include "render/fonts.h"

#include <cmath>

EditViewPainter::EditViewPainter(LayerRenderer &renderer, const QBrush &texture)
    : m_renderer(renderer), m_texture(texture)
{
    m_numberFont.setFamily(InterfaceFontFamily());
    m_numberFont.setPixelSize(16);
    m_numberFont.setBold(true);
    m_numberAscent = QFontMetricsF(m_numberFont).ascent();
}

bool EditViewPainter::RedrawImage(QImage &view, const PictoDocument &doc, bool allLayers, bool numberAndPoint)
{
    QPainter g(&view);
    g.setRenderHint(QPainter::Antialiasing, m_antialias);
    if (doc.Dimension == 0 || doc.Ind_Curve < 0 || doc.Ind_Curve >= doc.Dimension) {
        g.fillRect(QRect(0, 0, 512, 512), m_texture);
        return false;
    }
    if (allLayers) {
        m_stack.PaintStack(g, doc, m_texture, m_renderer);
    } else {
        g.fillRect(QRect(0, 0, 512, 512), m_texture);
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
    while (int(m_labels.size()) < n)
        m_labels.push_back(QString::number(m_labels.size()));
    for (int i = 0; i < n; ++i) {
        m_renderer.DrawDot(&g, layer.XYPoints[i], 5);
        DrawPointNumber(g, layer.XYPoints[i], m_labels[size_t(i)]);
    }
}

void EditViewPainter::DrawPointNumber(QPainter &g, const TGPPointF &point, const QString &text)
{
    // The first label switches antialiasing on for everything drawn on the view from now on.
    m_antialias = true;
    g.setRenderHint(QPainter::Antialiasing, true);
    g.setRenderHint(QPainter::TextAntialiasing, true);
    g.setPen(ArgbColor(NumberColor));
    g.setFont(m_numberFont);
    // The label's layout origin is the top-left of its text box.
    g.drawText(QPointF(point.X + 2, point.Y + 2 + m_numberAscent), text);
}
