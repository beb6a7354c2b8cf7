#include "edit/editpoints.h"

#include <stdexcept>

static R_Curve *currentLayer(PictoDocument &doc)
{
    if (doc.Dimension == 0 || doc.Ind_Curve < 0 || doc.Ind_Curve >= doc.Dimension)
        return nullptr;
    return &doc.TCurveStruct[doc.Ind_Curve];
}

void AppendPoint(PictoDocument &doc, TGPPointF p)
{
    InsertPointAfter(doc, currentLayer(doc) ? currentLayer(doc)->Count - 1 : -1, p);
}

int FindNearestPoint(const PictoDocument &doc, PointerShape shape, TGPPointF p)
{
    if (shape != crDrag || doc.Dimension == 0 || doc.Ind_Curve < 0 || doc.Ind_Curve >= doc.Dimension)
        return -1;
    const R_Curve &layer = doc.TCurveStruct[doc.Ind_Curve];
    long double best = 100000;
    int found = -1;
    for (int n = 0; n < layer.Count; ++n) {
        const long double d = PointDistance(p, layer.XYPoints[n]);
        if (d < best) {
            best = d;
            found = n;
        }
    }
    return found;
}

void InsertPointAfter(PictoDocument &doc, int k, TGPPointF p)
{
    R_Curve *layer = currentLayer(doc);
    if (layer == nullptr)
        return;
    if (k < -1 || k >= layer->Count)
        throw std::out_of_range("point index");
    layer->XYPoints.resize(layer->Count);
    layer->XYPoints.insert(layer->XYPoints.begin() + (k + 1), p);
    ++layer->Count;
}

void DeletePoint(PictoDocument &doc, int k)
{
    R_Curve *layer = currentLayer(doc);
    if (layer == nullptr)
        return;
    if (k < 0 || k >= layer->Count)
        throw std::out_of_range("point index");
    layer->XYPoints.resize(layer->Count);
    layer->XYPoints.erase(layer->XYPoints.begin() + k);
    --layer->Count;
}

void GiveSketchPoints(R_Curve &layer)
{
    if (layer.Count != 0)
        return;
    layer.Count = 12;
    layer.XYPoints.assign(12, TGPPointF{0, 0});
    layer.RAPoints.assign(12, RRadAng{});
}

void ResampleStroke(R_Curve &layer, const std::vector<TGPPointF> &samples)
{
    const int s = static_cast<int>(samples.size());
    const int n = layer.Count;
    if (s < 1 || n < 1)
        return;
    layer.XYPoints.resize(n);
    if (n == 1) {
        layer.XYPoints[0] = samples.front();
        return;
    }
    // Equal steps in sample count from the first sample to the last, to the nearest sample.
    for (int i = 0; i < n; ++i) {
        const long long k = (static_cast<long long>(i) * (s - 1) + (n - 1) / 2) / (n - 1);
        layer.XYPoints[i] = samples[static_cast<size_t>(k)];
    }
}
