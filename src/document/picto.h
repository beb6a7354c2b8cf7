#pragma once
// The pictogram document: an ordered stack of layers, index 0 at the bottom.

#include "document/geometry.h"

#include <cstdint>
#include <string>
#include <vector>

/// Layer kinds as stored in a document.
enum LayerKind : int32_t { KindBackground = 0, KindBlob = 1, KindSolid = 2, KindDotted = 3, KindDots = 4 };

/// One layer. Only the first Count entries of the point arrays are meaningful.
struct R_Curve {
    int32_t TypeC = 0;
    int32_t Width = 0;      ///< pixels; dot radius (low 8 bits) for dots
    uint32_t Color = 0;     ///< ARGB, alpha in the top byte
    uint8_t Closure = 0;    ///< 0 open, 1 closed; other values draw nothing for line kinds
    float Tension = 0;      ///< 0 broken line, 0.5 smooth curve
    int32_t Count = 0;
    std::vector<RRadAng> RAPoints;
    std::vector<TGPPointF> XYPoints;
};

/// The document fields of the open pictogram.
struct PictoDocument {
    uint16_t Dimension = 0;              ///< number of layers
    std::vector<R_Curve> TCurveStruct;   ///< at least Dimension entries; only the first Dimension count
    int32_t Ind_Curve = -1;              ///< current layer, −1 before any document is open
    std::string CFName;                  ///< file name with ".vkz", no folder
    bool RModif = false;                 ///< unsaved changes
};

/// Recomputes the polar points of every layer from its screen points.
void XYToPolar(PictoDocument &doc);

/// Appends a new layer of the given kind on top with count points at (−20, −20); returns its index.
/// The most layers a document can have: its header counts them in 16 bits.
inline constexpr int MaxLayers = 65535;

int NewCurve(PictoDocument &doc, int32_t kind, int32_t count);
/// Appends a copy of layer index on top; returns the copy's index.
int DuplicateCurve(PictoDocument &doc, int index);
/// Exchanges layers a and b.
void SwapCurves(PictoDocument &doc, int a, int b);
/// Removes layer index; the layers above move down by one.
void DeleteCurve(PictoDocument &doc, int index);
