// The property buttons, the colour palette and undo or redo.
#include "edit/pictoeditor.h"
#include "edit/properties.h"

void PictoEditor::Property_Change(ControlTag tag)
{
    EndDrag();
    if (doc().Dimension == 0)
        return;
    R_Curve &layer = current();
    switch (tag) {
    case ControlTag::Back: case ControlTag::Blur: case ControlTag::LineSolid: case ControlTag::LineDot:
    case ControlTag::Dots:
        layer.TypeC = tag - ControlTag::Back;
        break;
    case ControlTag::Width00: case ControlTag::Width04: case ControlTag::Width08: case ControlTag::Width16:
        layer.Width = ButtonWidths[tag - ControlTag::Width00];
        break;
    case ControlTag::Broken:
        layer.Tension = 0.0f;
        break;
    case ControlTag::Curve:
        layer.Tension = 0.5f;
        break;
    case ControlTag::Closure:
        // Any value but 1 (a document may hold others) counts as open and closes.
        layer.Closure = layer.Closure == 1 ? 0 : 1;
        break;
    default:  // the palette's release stores the colour picked at the press once more
        break;
    }
    store();
}

void PictoEditor::b_Draw()
{
    if (doc().Dimension == 0)
        return;
    announce({.kind = EditorChange::ViewChanged, .thumb = true});
}

void PictoEditor::i_ColorsMouseDown(const QImage &palette, int x, int y)
{
    EndDrag();
    if (doc().Dimension == 0 || y > 600)
        return;
    // Beside the 21 × 600 picture (its last column, row 600) the read gives all bits set: white.
    const QRgb rgb = palette.valid(x, y) ? palette.pixel(x, y) : 0xFFFFFFFFu;
    current().Color = 0xFF000000u | (rgb & 0x00FFFFFFu);
    m_session.StoreChange(StoreModify, doc().Ind_Curve);  // announced: the thumbnail follows
    announce(EditorChange::ViewChanged);
}

void PictoEditor::b_UndoClick(ControlTag tag)
{
    // A drag in progress is stored first, so that undo takes it back whole.
    EndDrag();
    if (m_session.rve_Items.LineCount() == 0) {  // no document open: nothing to undo
        m_host.Beep();
        return;
    }
    // The session announces the document re-read; the views rebuild from it.
    if (!m_session.UndoStep(tag == ControlTag::Redo))
        m_host.Beep();
}
