#pragma once
// Points of the 512 × 512 view and their polar form about its centre (256, 256).
// X grows to the right, Y downwards; angles are radians in 0 ≤ A < 2π, clockwise on screen.

/// A screen point, pixels of the 512 × 512 view (32-bit floats, as the drawing code uses them).
struct TGPPointF {
    float X = 0;
    float Y = 0;
};

/// A polar point about the view centre: radius in pixels, angle in radians (extended precision).
struct RRadAng {
    long double R = 0;
    long double A = 0;
};

inline void MakeRadAng(RRadAng &p, long double r, long double a)
{
    p.R = r;
    p.A = a;
}
/// Screen point of a polar point; callers pass the view centre (256, 256) as offsets.
TGPPointF PolarToPoint(const RRadAng &p, double offX, double offY);
/// PolarToPoint for an angle that is exactly hundredths / 100, as a file's field with at most two
/// decimals reads: the same point, with the sine and cosine of a file's angles from a table.
TGPPointF PolarToPointHundredths(const RRadAng &p, long long hundredths, double offX, double offY);
/// Polar point of the vector (px, py) = (256 − X, 256 − Y), each a 32-bit float.
RRadAng PointToPolar(float px, float py);
long double PointDistance(const TGPPointF &p1, const TGPPointF &p2);
