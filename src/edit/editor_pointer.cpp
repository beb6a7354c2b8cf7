// The pointer in the editing view: press, move and release in each mode. Presses and moves change
// the points and repaint; only the release stores, so a whole drag is one undo step.
#include "edit/editpoints.h"
#include "edit/pictoeditor.h"
#include "render/editview.h"

#include <algorithm>

namespace {
constexpr int SketchMinWidth = 3;  ///< the trace of a free-hand stroke is never thinner, in pixels
}

bool PictoEditor::pointerActs()
{
    // The pointer edits layers of kinds 1 … 4 only: never a background layer.
    return doc().Dimension > 0 && current().TypeC >= KindBlob;
}

bool PictoEditor::onMarker(int x, int y) const
{
    // A point's disc is the only thing the view paints in pure green (a layer of that very colour
    // counts as well): no distance is measured for the test.
    return (m_host.ViewPixel(x, y) & 0xFFFFFFu) == (MarkerColor & 0xFFFFFFu);
}

void PictoEditor::shapeByHitTest(int x, int y)
{
    m_state.Shape = crHandPoint;
    if (onMarker(x, y))
        m_state.Shape = crDrag;
}

void PictoEditor::i_ImageMouseDown(int x, int y)
{
    // A second button while one is held ends the drag there; it starts nothing of its own.
    if (m_state.Pressed) {
        EndDrag();
        return;
    }
    if (!pointerActs()) {
        status(m_session.rve_Items.LineCount() == 0 ? "Najpierw utwórz piktogram"
                                                    : "Tła nie można rysować — dodaj warstwę");
        return;
    }
    m_state.Pressed = true;
    const TGPPointF p{float(x), float(y)};
    R_Curve &layer = current();
    switch (m_state.IMode) {
    case 0:
        // A new stroke; the view is not repainted until its release.
        m_state.Shape = crCross;
        m_state.B_Draft = true;
        m_state.I_Draft = 0;
        m_state.T_Draft.clear();
        return;
    case 1:
        AppendPoint(doc(), p);
        break;
    case 2:
        if (onMarker(x, y)) {
            m_state.IPoint = FindNearestPoint(doc(), m_state.Shape, p);
            m_state.IPointLayer = doc().Ind_Curve;
            m_state.IMode = 11;
        }
        break;
    case 11:
        // The chosen point may be gone (another layer chosen, an undo): then nothing is inserted
        // and the user chooses again, rather than the point going somewhere not chosen.
        if (m_state.IPointLayer == doc().Ind_Curve && m_state.IPoint < layer.Count)
            InsertPointAfter(doc(), m_state.IPoint, p);
        m_state.IMode = 2;
        break;
    case 3: {
        const int k = FindNearestPoint(doc(), m_state.Shape, p);
        if (k == -1)
            return;
        DeletePoint(doc(), k);
        break;
    }
    case 4:
        if (onMarker(x, y)) {
            m_state.Nr_XY = FindNearestPoint(doc(), m_state.Shape, p);
            if (m_state.Nr_XY == -1)
                return;
        } else {
            m_state.Nr_XY = -1;
        }
        break;
    case 6:
        m_state.P_Move = p;
        m_state.TXYCurve.assign(layer.XYPoints.begin(), layer.XYPoints.begin() + layer.Count);
        break;
    default:
        break;
    }
    announce({.kind = EditorChange::ViewChanged, .thumb = true});
}

void PictoEditor::i_ImageMouseMove(bool leftHeld, int x, int y)
{
    if (!pointerActs())
        return;
    // A button held since a drag was cut short drags nothing: only a press in the view starts one.
    leftHeld = leftHeld && m_state.Pressed;
    const TGPPointF p{float(x), float(y)};
    R_Curve &layer = current();
    switch (m_state.IMode) {
    case 0:
        if (leftHeld && m_state.B_Draft) {
            // One sample per move event; the trace joins it to the one before, in the layer's
            // colour, so the pupil sees the line being drawn.
            m_state.Shape = crCross;
            const TGPPointF from = m_state.T_Draft.empty() ? p : m_state.T_Draft.back();
            m_state.T_Draft.push_back(p);
            ++m_state.I_Draft;
            announce({.kind = EditorChange::SketchPiece, .from = from, .to = p, .argb = layer.Color | 0xFF000000u,
                      .width = std::max<int>(SketchMinWidth, layer.Width)});
            return;
        }
        break;
    case 2:
    case 3:
        m_state.Nr_XY = -1;
        shapeByHitTest(x, y);
        if (m_state.Shape == crDrag)
            m_state.Nr_XY = FindNearestPoint(doc(), m_state.Shape, p);
        break;
    case 4:
        // Off every disc Nr_XY keeps its point, so a fast drag does not lose it.
        shapeByHitTest(x, y);
        if (m_state.Shape == crDrag)
            m_state.Nr_XY = FindNearestPoint(doc(), m_state.Shape, p);
        if (!leftHeld) {
            announce(EditorChange::InfoChanged);
            return;
        }
        if (m_state.Nr_XY != -1 && m_state.Nr_XY < layer.Count)
            layer.XYPoints[m_state.Nr_XY] = p;
        break;
    case 6:
        if (leftHeld) {
            const int n = std::min<int>(layer.Count, static_cast<int>(m_state.TXYCurve.size()));
            const float dx = p.X - m_state.P_Move.X, dy = p.Y - m_state.P_Move.Y;
            for (int i = 0; i < n; ++i)
                layer.XYPoints[i] = {m_state.TXYCurve[i].X + dx, m_state.TXYCurve[i].Y + dy};
        }
        break;
    default:
        break;
    }
    announce(EditorChange::ViewChanged);  // the repaint shows the information as well
}

void PictoEditor::i_ImageMouseUp(int x, int y)
{
    // Only the release of a press made in the view stores: not one after a drag was ended early.
    if (!m_state.Pressed)
        return;
    const TGPPointF at{float(x), float(y)};
    finishPress(&at);
}

void PictoEditor::EndDrag()
{
    if (m_state.Pressed)
        finishPress(nullptr);
}

void PictoEditor::finishPress(const TGPPointF *at)
{
    m_state.Pressed = false;
    if (!pointerActs())
        return;
    R_Curve &layer = current();
    if (m_state.IMode == 0) {
        m_state.B_Draft = false;
        // The release point ends the stroke when it lies beyond the last sample.
        if (at != nullptr && !m_state.T_Draft.empty()
            && (m_state.T_Draft.back().X != at->X || m_state.T_Draft.back().Y != at->Y)) {
            m_state.T_Draft.push_back(*at);
            ++m_state.I_Draft;
        }
        GiveSketchPoints(layer);
        ResampleStroke(layer, m_state.T_Draft);
        announce(EditorChange::ViewChanged);
        m_state.Shape = crHandPoint;
    } else if (m_state.IMode == 4 && at != nullptr && m_state.Nr_XY != -1 && m_state.Nr_XY < layer.Count) {
        layer.XYPoints[m_state.Nr_XY] = *at;
    }
    // Every release stores, also one that changed nothing (the text stays the same then); the
    // session announces it, and the thumbnail and the information follow.
    store();
}
