#pragma once
// The property buttons of a layer in one place: the width each width button sets, and which
// buttons show a given layer (what a repaint presses).

#include "document/picto.h"
#include "edit/controltags.h"

#include <cstdint>
#include <optional>

/// The line widths, in pixels, of the width buttons Width00 … Width16.
inline constexpr int32_t ButtonWidths[] = {0, 4, 8, 16};

/// Button tags that show a layer in each property group; nullopt leaves the group as it is.
struct PropertyButtonStates {
    std::optional<ControlTag> kindTag;   ///< Back … Dots
    std::optional<ControlTag> widthTag;  ///< Width00 … Width16
    std::optional<ControlTag> curveTag;  ///< Broken or Curve
};

/// The property buttons that show a layer: kind, width, and curve by tension × 4 rounded half to even.
PropertyButtonStates PropertyStatesFor(const R_Curve &layer);
