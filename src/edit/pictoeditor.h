#pragma once
// The editing of the open pictogram, without widgets: the eight modes and the pointer in the view,
// the two slider transforms, the layer operations, the property buttons, the palette and undo.
// Each handler takes plain inputs (pixels of the 512 × 512 view, slider positions, control tags)
// and changes the document and the edit state. Changes of the document are announced by the
// session (every store and undo); what only the editor knows (the mode entered, the label, a
// status note, the sketch trace, a repaint without a store) it announces to its own subscribers.

#include "document/session.h"
#include "edit/controltags.h"
#include "edit/edithost.h"
#include "edit/editstate.h"

#include <QImage>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

/// One announcement of the editor about its view state.
struct EditorChange {
    enum Kind {
        /// A mode was entered (state.IMode): the button `tag` shows pressed, the sliders stand at
        /// 0° and 100 %, only mode 7's rotation or mode 5's size slider shows, the label is empty.
        ModeEntered,
        ToolLabel,    ///< the label under the sliders now reads `text`
        StatusText,   ///< the status bar says why an action could not act: `text`
        /// One piece of a free-hand stroke's trace, `from` to `to` (view pixels) in `argb`, `width`
        /// pixels wide with round ends, drawn into the view's picture without repainting the rest.
        SketchPiece,
        /// The view's picture changed without a store (a press, a drag, another layer chosen, a
        /// colour picked): repaint it; `thumb`: the current layer's thumbnail as well.
        ViewChanged,
        InfoChanged,  ///< only what the information window shows (the point under the pointer, the mode)
    };
    Kind kind = InfoChanged;
    ControlTag tag = ControlTag::None;
    QString text{};
    TGPPointF from{}, to{};
    uint32_t argb = 0;
    int width = 0;
    bool thumb = false;
};

using EditorListener = std::function<void(const EditorChange &)>;

class PictoEditor {
public:
    PictoEditor(PictoSession &session, EditState &state, EditHost &host);

    /// Adds a listener of the editor's announcements; returns its id for Unsubscribe.
    int Subscribe(EditorListener listener);
    void Unsubscribe(int id);

    // Modes (ModeSketch … ModeRotateLayer).
    void b_ModeClick(ControlTag tag);

    // Pointer in the view: positions in view pixels, outside 0 … 511 while the pointer is captured.
    void i_ImageMouseDown(int x, int y);
    /// leftHeld: the left mouse button is down during the move.
    void i_ImageMouseMove(bool leftHeld, int x, int y);
    void i_ImageMouseUp(int x, int y);
    /// Ends a drag cut short (focus lost, the window closed or hidden, a key, a second button)
    /// the way its release would, where the pointer last was: the drag becomes one stored edit.
    /// Nothing happens when no press is waiting for its release.
    void EndDrag();

    // Sliders: rotation in degrees 0 … 359, size in percent 20 … 200.
    void tb_WRotateChange(int degrees);
    void tb_WSizeChange(int percent);
    void tb_RotateMouseUp(int degrees);
    void tb_SizeMouseUp(int percent);

    // Layers (LayerAdd … LayerDown) and the layer list (position 0 shows the top layer).
    void b_LayerClick(ControlTag tag);
    void lv_LayersChange(int row);

    // Property buttons (Back … Closure), palette (Palette) and undo (Undo) or redo (Redo).
    void Property_Change(ControlTag tag);
    void b_Draw();
    /// A press at (x, y) of the palette strip whose picture is palette (21 × 600 pixels).
    void i_ColorsMouseDown(const QImage &palette, int x, int y);
    void b_UndoClick(ControlTag tag);

private:
    PictoDocument &doc() { return m_session.doc; }
    R_Curve &current() { return m_session.doc.TCurveStruct[m_session.doc.Ind_Curve]; }
    bool pointerActs();
    void finishPress(const TGPPointF *at);
    bool onMarker(int x, int y) const;
    void shapeByHitTest(int x, int y);
    void store();
    /// Forgets every base copy and takes one of the current layer (entering mode 5 or 7).
    void takeBaseCopy();
    /// The base copy of the current layer, found by its shape; taken now when it has none.
    LayerBase &baseOfCurrent();
    bool sliderActs(int mode);
    void addLayer();
    void announce(const EditorChange &change);
    void announce(EditorChange::Kind kind) { announce(EditorChange{.kind = kind}); }
    void status(const char *text) { announce({.kind = EditorChange::StatusText, .text = QString::fromUtf8(text)}); }

    PictoSession &m_session;
    EditState &m_state;
    EditHost &m_host;
    std::vector<std::pair<int, EditorListener>> m_listeners;
    int m_nextListener = 1;
};
