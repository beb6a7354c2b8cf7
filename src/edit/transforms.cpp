#include "edit/transforms.h"

#include <algorithm>

long double RotationAngle(int degrees)
{
    return degrees * 6.283185307179586477L / 360;
}

/// The layer's polar points become the moved base points, its screen points follow from them.
template <typename Move>
static void transform(R_Curve &layer, const std::vector<RRadAng> &base, Move move)
{
    const int n = std::min<int>(layer.Count, static_cast<int>(base.size()));
    layer.RAPoints.resize(layer.Count);
    layer.XYPoints.resize(layer.Count);
    for (int i = 0; i < n; ++i) {
        move(layer.RAPoints[i], base[i]);
        layer.XYPoints[i] = PolarToPoint(layer.RAPoints[i], 256, 256);
    }
}

void RotateCurve(R_Curve &layer, const std::vector<RRadAng> &base, long double theta)
{
    transform(layer, base, [theta](RRadAng &p, const RRadAng &b) { MakeRadAng(p, b.R, b.A + theta); });
}

void ResizeCurve(R_Curve &layer, const std::vector<RRadAng> &base, long double factor)
{
    transform(layer, base, [factor](RRadAng &p, const RRadAng &b) { MakeRadAng(p, b.R * factor, b.A); });
}

QString RotationLabel(int degrees)
{
    return QString::number(degrees) + QChar(0x00B0);
}

QString SizeLabel(int percent)
{
    return QString::number(percent / 100.0, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}
