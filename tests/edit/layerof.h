#pragma once
// A layer for tests, built from its kind and points; shared by the edit and window tests.

#include "document/picto.h"

#include <cstdint>
#include <utility>
#include <vector>

/// A layer of the given kind through the given points.
inline R_Curve layerOf(int kind, std::vector<TGPPointF> points, uint32_t color = 0xFF000000u)
{
    R_Curve c;
    c.TypeC = kind;
    c.Width = 4;
    c.Color = color;
    c.Tension = 0.5f;
    c.Count = int(points.size());
    c.XYPoints = std::move(points);
    return c;
}
