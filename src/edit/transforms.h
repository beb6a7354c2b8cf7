#pragma once
// Whole-layer transforms about the centre of the view (256, 256), always computed from a base
// copy of the layer's polar points, so the slider gives the total change relative to that copy.

#include "document/picto.h"

#include <QString>

#include <vector>

/// Radians of a rotation slider position in degrees (2π in extended precision).
long double RotationAngle(int degrees);

/// Sets the layer's points to the base copy turned by theta radians (clockwise on screen).
/// Only the first min(Count, base size) points are touched.
void RotateCurve(R_Curve &layer, const std::vector<RRadAng> &base, long double theta);
/// Sets the layer's points to the base copy with every radius multiplied by factor.
void ResizeCurve(R_Curve &layer, const std::vector<RRadAng> &base, long double factor);

/// "45°": the rotation slider's label.
QString RotationLabel(int degrees);
/// The size slider's label: position ÷ 100 in the shortest form, always with a decimal comma
/// ("1,5"), as the pupils write it, whatever the system's locale.
QString SizeLabel(int percent);
