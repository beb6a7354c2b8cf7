#pragma once
// The state of editing in the view: the mode, the pointer shape (which is state, not only
// feedback), the free-hand stroke, the chosen point and the base copy of the transforms.

#include "document/geometry.h"

#include <vector>

/// Pointer shapes over the editing view.
enum PointerShape {
    crHandPoint,  ///< searching or idle, the view's default
    crDrag,       ///< over a point of the current layer
    crCross,      ///< sketching
};

/// A slider's base copy of one layer: its polar points when the copy was taken, and the screen
/// points the slider last left that layer at, which tell the layer apart wherever it now lies.
struct LayerBase {
    std::vector<RRadAng> Points;
    std::vector<TGPPointF> Shape;
};

struct EditState {
    int IMode = -1;                     ///< mode button tag − ModeSketch; 11 = second step of inserting; −1 none
    PointerShape Shape = crHandPoint;   ///< the view's pointer shape
    bool Pressed = false;               ///< a press in the view whose release is still awaited
    bool B_Draft = false;               ///< a free-hand stroke is awaited or in progress
    int I_Draft = 0;                    ///< samples of the stroke so far
    std::vector<TGPPointF> T_Draft;     ///< the stroke's samples
    int Nr_XY = -1;                     ///< point under the pointer, −1 none
    int IPoint = -1;                    ///< point chosen for inserting after, −1 front
    int IPointLayer = -1;               ///< layer on which IPoint was chosen
    TGPPointF P_Move{};                 ///< where a layer move started
    std::vector<TGPPointF> TXYCurve;    ///< base copy of the current layer's screen points
    std::vector<LayerBase> TRACurve;    ///< base copies of the layers the sliders have worked on
};
