#include "document/picto.h"

#include <stdexcept>
#include <utility>

void XYToPolar(PictoDocument &doc)
{
    for (int i = 0; i < doc.Dimension; ++i) {
        R_Curve &c = doc.TCurveStruct[i];
        c.RAPoints.resize(c.Count);
        for (int j = 0; j < c.Count; ++j)
            c.RAPoints[j] = PointToPolar(256 - c.XYPoints[j].X, 256 - c.XYPoints[j].Y);
    }
}

static void checkIndex(const PictoDocument &doc, int index)
{
    if (index < 0 || index >= doc.Dimension)
        throw std::out_of_range("layer index");
}

static int appendCurve(PictoDocument &doc, R_Curve curve)
{
    // One more would wrap the 16-bit count to 0 and lose every layer; callers refuse it first.
    if (doc.Dimension >= MaxLayers)
        throw std::length_error("layer count");
    doc.TCurveStruct.resize(doc.Dimension);
    doc.TCurveStruct.push_back(std::move(curve));
    ++doc.Dimension;
    return doc.Dimension - 1;
}

int NewCurve(PictoDocument &doc, int32_t kind, int32_t count)
{
    R_Curve c;
    c.TypeC = kind;
    c.Width = 16;
    c.Color = kind == KindBackground ? 0xFFD7E1E1u : 0xFF000000u;
    c.Closure = 0;
    c.Tension = 0.5f;
    c.Count = count < 0 ? 0 : count;
    c.XYPoints.assign(c.Count, TGPPointF{-20, -20});
    c.RAPoints.assign(c.Count, PointToPolar(256 + 20, 256 + 20));
    return appendCurve(doc, std::move(c));
}

int DuplicateCurve(PictoDocument &doc, int index)
{
    checkIndex(doc, index);
    return appendCurve(doc, doc.TCurveStruct[index]);
}

void SwapCurves(PictoDocument &doc, int a, int b)
{
    checkIndex(doc, a);
    checkIndex(doc, b);
    std::swap(doc.TCurveStruct[a], doc.TCurveStruct[b]);
}

void DeleteCurve(PictoDocument &doc, int index)
{
    checkIndex(doc, index);
    doc.TCurveStruct.erase(doc.TCurveStruct.begin() + index);
    --doc.Dimension;
}
