// The five layer buttons and the layer list. Each operation changes the stack and stores it as one
// undo step; the store makes the layer the user will go on with current, and the session's
// announcement rebuilds the list with that layer selected.
#include "edit/pictoeditor.h"

#include <algorithm>

void PictoEditor::lv_LayersChange(int row)
{
    EndDrag();
    if (doc().Dimension == 0 || row < 0 || row >= doc().Dimension)
        return;
    doc().Ind_Curve = doc().Dimension - 1 - row;
    announce(EditorChange::ViewChanged);
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
    if (kind >= KindBlob && kind <= KindDots)
        b_ModeClick(ControlTag::ModeAddPoint);
    else if (kind == 5)
        b_ModeClick(ControlTag::ModeSketch);
}

void PictoEditor::b_LayerClick(ControlTag tag)
{
    EndDrag();
    // Without an open document (an empty documents folder) there is no text to store a layer in.
    if (m_session.rve_Items.LineCount() == 0) {
        status("Najpierw utwórz piktogram");
        return;
    }
    PictoDocument &d = doc();
    if (d.Dimension == 0 && tag != ControlTag::LayerAdd)
        return;
    if (d.Dimension >= MaxLayers && (tag == ControlTag::LayerAdd || tag == ControlTag::LayerDuplicate)) {
        status("Piktogram ma już 65 535 warstw, najwięcej, ile może mieć");
        return;
    }
    // The buttons act on the current layer, which the list shows selected.
    const int L = std::clamp<int>(d.Ind_Curve, 0, std::max(0, d.Dimension - 1));
    switch (tag) {
    case ControlTag::LayerAdd:
        addLayer();
        return;
    case ControlTag::LayerUp:
        if (L < d.Dimension - 1) {
            SwapCurves(d, L, L + 1);
            XYToPolar(d);
            m_session.StoreChange(StoreMoveUp, L + 1);
            return;
        }
        break;
    case ControlTag::LayerDown:
        if (L > 0) {
            SwapCurves(d, L, L - 1);
            XYToPolar(d);
            m_session.StoreChange(StoreMoveDown, L + 1);
            return;
        }
        break;
    case ControlTag::LayerDuplicate:
        // The copy lies exactly over its source; the move mode lets the next drag take it away.
        DuplicateCurve(d, L);
        XYToPolar(d);
        m_session.StoreChange(StoreDuplicate, d.Dimension - 1);
        b_ModeClick(ControlTag::ModeMoveLayer);
        return;
    case ControlTag::LayerDelete:
        DeleteCurve(d, L);
        XYToPolar(d);
        m_session.StoreChange(StoreDelete, L + 1);
        return;
    default:
        return;
    }
    // A move beyond the end of the stack changes nothing; the information is shown afresh all the same.
    announce(EditorChange::InfoChanged);
}
