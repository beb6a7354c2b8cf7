#include "edit/properties.h"

#include <cmath>

PropertyButtonStates PropertyStatesFor(const R_Curve &layer)
{
    PropertyButtonStates s;
    if (layer.TypeC >= 0 && layer.TypeC <= 4)
        s.kindTag = ControlTag::Back + layer.TypeC;
    for (int i = 0; i < int(std::size(ButtonWidths)); ++i)
        if (layer.Width == ButtonWidths[i])
            s.widthTag = ControlTag::Width00 + i;
    // nearbyint rounds halves to even in the default rounding mode.
    const long double k = std::nearbyint(static_cast<long double>(layer.Tension) * 4);
    if (k == 0)
        s.curveTag = ControlTag::Broken;
    else if (k == 2)
        s.curveTag = ControlTag::Curve;
    return s;
}
