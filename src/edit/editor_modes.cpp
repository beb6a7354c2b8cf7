// Entering an edit mode, and the steps every stored edit shares.
#include "edit/editpoints.h"
#include "edit/pictoeditor.h"

PictoEditor::PictoEditor(PictoSession &session, EditState &state, EditHost &host)
    : m_session(session), m_state(state), m_host(host)
{
}

int PictoEditor::Subscribe(EditorListener listener)
{
    m_listeners.emplace_back(m_nextListener, std::move(listener));
    return m_nextListener++;
}

void PictoEditor::Unsubscribe(int id)
{
    std::erase_if(m_listeners, [id](const auto &entry) { return entry.first == id; });
}

void PictoEditor::announce(const EditorChange &change)
{
    const auto listeners = m_listeners;  // a listener may subscribe or unsubscribe while it is told
    for (const auto &entry : listeners)
        entry.second(change);
}

void PictoEditor::store()
{
    XYToPolar(doc());
    m_session.StoreChange(StoreModify, doc().Ind_Curve);
}

void PictoEditor::takeBaseCopy()
{
    m_state.TRACurve.clear();
    baseOfCurrent();
}

void PictoEditor::b_ModeClick(ControlTag tag)
{
    EndDrag();
    // A mode needs a layer to work on: an empty document asks for one first, and a Cancel there
    // leaves the mode as it was.
    if (doc().Dimension == 0) {
        b_LayerClick(ControlTag::LayerAdd);
        if (doc().Dimension == 0)
            return;
    }
    m_state.B_Draft = false;
    // A lone background layer cannot be edited with the pointer: offer a layer that can.
    if (current().TypeC == KindBackground && doc().Dimension < 2)
        b_LayerClick(ControlTag::LayerAdd);

    // The views put the sliders back without running their handlers, so no label is written
    // for a slider of another mode; the mode's own label follows below.
    m_state.IMode = tag - ControlTag::ModeSketch;
    m_state.Nr_XY = -1;
    announce({.kind = EditorChange::ModeEntered, .tag = tag});

    switch (m_state.IMode) {
    case 0:
        GiveSketchPoints(current());
        m_state.B_Draft = true;
        m_state.Shape = crHandPoint;
        break;
    case 5:
        takeBaseCopy();
        tb_WSizeChange(100);
        break;
    case 7:
        takeBaseCopy();
        tb_WRotateChange(0);
        break;
    default:
        break;
    }
    announce(EditorChange::InfoChanged);
}
