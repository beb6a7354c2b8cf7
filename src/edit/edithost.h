#pragma once
// What the edit logic asks of the window around it: the view's picture as last painted, the layer
// dialog and the beep. Everything the editor has to show it announces instead (PictoEditor::Subscribe).
// The main window implements it; the tests implement it with plain records.

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
    /// Shows the layer dialog modally; nullopt when it is closed without OK.
    virtual std::optional<LayerChoice> AskLayer(bool hasBackground) = 0;
    /// The system's default beep.
    virtual void Beep() = 0;
};
