#include "document/geometry.h"

#include <cmath>
#include <numbers>

// Sine and cosine in extended precision. The x87 unit computes both in one instruction, far faster
// than the library's software routine; its argument reduction is exact enough for the angles of a
// view (well within ±2^62), and every result is rounded to a 32-bit float afterwards anyway.
static void sinCos(long double a, long double &s, long double &c)
{
#if defined(__x86_64__) || defined(__i386__)
    if (a > -1e15L && a < 1e15L) {
        asm("fsincos" : "=t"(c), "=u"(s) : "0"(a));
        return;
    }
#endif
    ::sincosl(a, &s, &c);
}

void MakeRadAng(RRadAng &p, long double r, long double a)
{
    p.R = r;
    p.A = a;
}

TGPPointF PolarToPoint(const RRadAng &p, double offX, double offY)
{
    long double s, c;
    sinCos(p.A, s, c);
    return {static_cast<float>(offX + p.R * c), static_cast<float>(offY + p.R * s)};
}

RRadAng PointToPolar(float px, float py)
{
    const long double pi = std::numbers::pi_v<long double>;
    const long double x = px;
    const long double y = py;
    const long double r = std::sqrt(x * x + y * y);
    long double g = 0;
    if (r != 0) {
        const int sign = y < 0 ? -1 : (y > 0 ? 1 : 0);
        g = std::acos(x / r) * sign;
    }
    if (g == 0) {
        if (x < 0)
            g = -pi;
        else if (x > 0)
            g = 0;
    }
    return {r, g + pi};
}

long double PointDistance(const TGPPointF &p1, const TGPPointF &p2)
{
    const long double dx = static_cast<long double>(p1.X) - p2.X;
    const long double dy = static_cast<long double>(p1.Y) - p2.Y;
    return std::sqrt(dx * dx + dy * dy);
}
