#pragma once
// What the edit logic asks of the window around it: the view's picture, the repaints, the layer
// list, the layer dialog, the sliders and the mode buttons. The main window implements it; the
// tests implement it with plain records.

#include "edit/controltags.h"
#include "edit/editstate.h"

#include <QString>

#include <cstdint>
#include <optional>

/// What the layer dialog answers with OK: the kind chosen (0 … 5, 5 a sketched line) and, for a
/// sketched line, its number of points.
struct LayerChoice {
    int kind = 1;
    int points = -1;
};

/// The number of points of a sketched line typed as text: a whole number 3 … 40, or nullopt.
std::optional<int> ParsePointCount(const QString &text);

class EditHost {
public:
    virtual ~EditHost() = default;

    /// Pixel (x, y) of the view's picture as last painted, ARGB; outside the picture any
    /// colour that is not a marker.
    virtual uint32_t ViewPixel(int x, int y) const = 0;
    /// Draws one piece of a free-hand stroke from `from` to `to` (view pixels) straight into the
    /// view's picture, `width` pixels wide with round ends, and shows it without repainting the view.
    virtual void DrawSketchLine(TGPPointF from, TGPPointF to, uint32_t argb, int width) = 0;
    /// Says in the status bar why an action could not act.
    virtual void SetStatusText(const QString &text) = 0;

    virtual void RedrawImage() = 0;
    virtual void UpdateLayerThumb() = 0;
    virtual void FillLayerList() = 0;
    virtual void ShowInfo() = 0;
    /// Lets the window system deliver the events that are waiting.
    virtual void ProcessEvents() = 0;
    /// The system's default beep.
    virtual void Beep() = 0;

    /// Selected position of the layer list (top layer first), −1 for none.
    virtual int LayerRow() const = 0;
    /// Selects a position of the layer list (−1: none); the list's change handler follows.
    virtual void SelectLayerRow(int row) = 0;

    /// Shows the layer dialog modally; nullopt when it is closed without OK.
    virtual std::optional<LayerChoice> AskLayer(bool hasBackground) = 0;
    /// Shows the mode button of tag pressed, without running its click.
    virtual void PressModeButton(ControlTag tag) = 0;

    /// Puts the sliders at the given positions; their change handlers run as for the user.
    virtual void SetSliders(int rotateDegrees, int sizePercent) = 0;
    /// Shows each slider or hides it.
    virtual void ShowSliders(bool rotate, bool size) = 0;
    /// The label under the sliders.
    virtual void SetToolLabel(const QString &text) = 0;
};
