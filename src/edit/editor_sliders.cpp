// The rotation and size sliders of modes 7 and 5: a change rewrites the label, a release applies
// the slider's value to the base copy of the current layer and stores the layer.
#include "edit/pictoeditor.h"
#include "edit/transforms.h"

#include <algorithm>

bool PictoEditor::sliderActs(int mode)
{
    return doc().Dimension != 0 && m_state.IMode == mode && current().Count >= 2;
}

// A layer is known by the points the slider last left it at, not by its index: moving it up or
// down keeps its copy, and a neighbour that takes its index, or the layer itself after an undo or
// another edit changed its points, starts from itself as it is now.
LayerBase &PictoEditor::baseOfCurrent()
{
    const R_Curve &layer = current();
    const auto shape = layer.XYPoints.begin();
    for (LayerBase &base : m_state.TRACurve)
        if (static_cast<int>(base.Shape.size()) == layer.Count && std::equal(base.Shape.begin(), base.Shape.end(), shape,
                                                                              [](const TGPPointF &a, const TGPPointF &b) {
                                                                                  return a.X == b.X && a.Y == b.Y;
                                                                              }))
            return base;
    LayerBase fresh;
    fresh.Points.assign(layer.RAPoints.begin(), layer.RAPoints.begin() + layer.Count);
    fresh.Shape.assign(shape, shape + layer.Count);
    m_state.TRACurve.push_back(std::move(fresh));
    return m_state.TRACurve.back();
}

void PictoEditor::tb_WRotateChange(int degrees)
{
    if (!sliderActs(7))
        return;
    announce({.kind = EditorChange::ToolLabel, .text = RotationLabel(degrees)});
    announce(EditorChange::InfoChanged);
}

void PictoEditor::tb_WSizeChange(int percent)
{
    if (!sliderActs(5))
        return;
    announce({.kind = EditorChange::ToolLabel, .text = SizeLabel(percent)});
}

void PictoEditor::tb_RotateMouseUp(int degrees)
{
    EndDrag();
    if (!sliderActs(7))
        return;
    LayerBase &base = baseOfCurrent();
    RotateCurve(current(), base.Points, RotationAngle(degrees));
    store();
    base.Shape.assign(current().XYPoints.begin(), current().XYPoints.begin() + current().Count);
    announce(EditorChange::ViewChanged);
}

void PictoEditor::tb_SizeMouseUp(int percent)
{
    EndDrag();
    if (!sliderActs(5))
        return;
    LayerBase &base = baseOfCurrent();
    ResizeCurve(current(), base.Points, percent / 100.0L);
    store();
    base.Shape.assign(current().XYPoints.begin(), current().XYPoints.begin() + current().Count);
    announce(EditorChange::ViewChanged);
}
