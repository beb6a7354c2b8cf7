// The five layer buttons and the layer list. Each operation changes the stack, stores it as one
// undo step, rebuilds the list and selects the layer the user will go on with.
#include "edit/pictoeditor.h"

#include <algorithm>

void PictoEditor::lv_LayersChange(int row)
{
    EndDrag();
    if (doc().Dimension == 0 || row < 0 || row >= doc().Dimension)
        return;
    doc().Ind_Curve = doc().Dimension - 1 - row;
    m_host.RedrawImage();
}

void PictoEditor::addLayer()
{
    bool hasBackground = false;
    for (int i = 0; i < doc().Dimension; ++i)
        hasBackground = hasBackground || doc().TCurveStruct[i].TypeC == KindBackground;
    const std::optional<LayerChoice> choice = m_host.AskLayer(hasBackground);
    if (!choice)
        return;
    const int kind = choice->kind;
    if (kind >= KindBlob && kind <= KindDots)
        NewCurve(doc(), kind, 0);
    else if (kind == 5)
        NewCurve(doc(), KindSolid, choice->points);  // a solid line whose points one stroke places
    else
        NewCurve(doc(), KindBackground, 0);
    XYToPolar(doc());
    m_session.StoreChange(StoreAdd, doc().Dimension - 1);
    m_host.FillLayerList();
    m_host.RedrawImage();
    m_host.SelectLayerRow(0);
    if (kind >= KindBlob && kind <= KindDots) {
        b_ModeClick(ControlTag::ModeAddPoint);
        m_host.PressModeButton(ControlTag::ModeAddPoint);
    } else if (kind == 5) {
        b_ModeClick(ControlTag::ModeSketch);
        m_host.PressModeButton(ControlTag::ModeSketch);
    }
    m_host.ShowInfo();
}

void PictoEditor::b_LayerClick(ControlTag tag)
{
    EndDrag();
    // Without an open document (an empty documents folder) there is no text to store a layer in.
    if (m_session.rve_Items.LineCount() == 0) {
        m_host.SetStatusText(QStringLiteral("Najpierw utwórz piktogram"));
        return;
    }
    PictoDocument &d = doc();
    int p = 0, L = 0;
    if (d.Dimension > 0) {
        // The buttons act on the current layer, which the list shows selected.
        p = m_host.LayerRow();
        if (p < 0 || p >= d.Dimension)
            p = d.Dimension - 1 - std::clamp<int>(d.Ind_Curve, 0, d.Dimension - 1);
        L = d.Dimension - 1 - p;
    } else if (tag != ControlTag::LayerAdd) {
        return;
    }
    switch (tag) {
    case ControlTag::LayerAdd:
        addLayer();
        return;
    case ControlTag::LayerUp:
        if (L < d.Dimension - 1) {
            SwapCurves(d, L, L + 1);
            XYToPolar(d);
            m_session.StoreChange(StoreMoveUp, L + 1);
            m_host.FillLayerList();
            m_host.RedrawImage();
            m_host.SelectLayerRow(p - 1);
            m_host.ProcessEvents();
        }
        break;
    case ControlTag::LayerDown:
        if (L > 0) {
            SwapCurves(d, L, L - 1);
            XYToPolar(d);
            m_session.StoreChange(StoreMoveDown, L + 1);
            m_host.FillLayerList();
            m_host.RedrawImage();
            m_host.SelectLayerRow(p + 1);
            m_host.ProcessEvents();
        }
        break;
    case ControlTag::LayerDuplicate:
        // The copy lies exactly over its source; the move mode lets the next drag take it away.
        DuplicateCurve(d, L);
        XYToPolar(d);
        m_session.StoreChange(StoreDuplicate, d.Dimension - 1);
        m_host.FillLayerList();
        m_host.RedrawImage();
        m_host.SelectLayerRow(0);
        m_host.PressModeButton(ControlTag::ModeMoveLayer);
        b_ModeClick(ControlTag::ModeMoveLayer);
        break;
    case ControlTag::LayerDelete:
        DeleteCurve(d, L);
        XYToPolar(d);
        m_session.StoreChange(StoreDelete, L + 1);
        m_host.FillLayerList();
        m_host.RedrawImage();
        if (d.Dimension > 0)
            m_host.SelectLayerRow(p < d.Dimension ? p : p - 1);
        break;
    default:
        return;
    }
    m_host.ShowInfo();
}
