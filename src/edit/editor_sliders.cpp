// The rotation and size sliders of modes 7 and 5: a change rewrites the label, a release applies
// the slider's value to the base copy taken when the mode was entered and stores the layer.
#include "edit/pictoeditor.h"
#include "edit/transforms.h"

bool PictoEditor::sliderActs(int mode)
{
    return doc().Dimension != 0 && m_state.IMode == mode && current().Count >= 2;
}

void PictoEditor::tb_WRotateChange(int degrees)
{
    if (!sliderActs(7))
        return;
    m_host.SetToolLabel(RotationLabel(degrees));
    m_host.ShowInfo();
}

void PictoEditor::tb_WSizeChange(int percent)
{
    if (!sliderActs(5))
        return;
    m_host.SetToolLabel(SizeLabel(percent));
}

void PictoEditor::tb_RotateMouseUp(int degrees)
{
    EndDrag();
    if (!sliderActs(7))
        return;
    // The base copy belongs to the layer it was taken from, with its number of points: another
    // layer, or this one after an undo changed its points, starts from itself as it is now.
    if (m_state.TRALayer != doc().Ind_Curve || static_cast<int>(m_state.TRACurve.size()) != current().Count)
        takeBaseCopy();
    RotateCurve(current(), m_state.TRACurve, RotationAngle(degrees));
    store();
    m_host.RedrawImage();
    m_host.UpdateLayerThumb();
    m_host.ShowInfo();
}

void PictoEditor::tb_SizeMouseUp(int percent)
{
    EndDrag();
    if (!sliderActs(5))
        return;
    if (m_state.TRALayer != doc().Ind_Curve || static_cast<int>(m_state.TRACurve.size()) != current().Count)
        takeBaseCopy();
    ResizeCurve(current(), m_state.TRACurve, percent / 100.0L);
    store();
    m_host.RedrawImage();
    m_host.UpdateLayerThumb();
}
