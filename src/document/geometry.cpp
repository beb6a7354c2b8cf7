#include "document/geometry.h"

#include <array>
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

static TGPPointF pointAt(long double r, long double s, long double c, double offX, double offY)
{
    return {static_cast<float>(offX + r * c), static_cast<float>(offY + r * s)};
}

TGPPointF PolarToPoint(const RRadAng &p, double offX, double offY)
{
    long double s, c;
    sinCos(p.A, s, c);
    return pointAt(p.R, s, c, offX, offY);
}

namespace {

// Sine and cosine of k / 100 for every k in ±TableHundredths: every angle a document file can
// hold between −7 and 7 radians, and the files hold 0 … 6,28. Each angle is divided exactly as
// the file reader divides it, so the table gives the very values sinCos would.
constexpr int TableHundredths = 700;

struct SinCos {
    long double s, c;
};

const std::array<SinCos, 2 * TableHundredths + 1> &hundredthsTable()
{
    static const auto table = [] {
        std::array<SinCos, 2 * TableHundredths + 1> t;
        for (int k = -TableHundredths; k <= TableHundredths; ++k) {
            SinCos &e = t[static_cast<std::size_t>(k + TableHundredths)];
            sinCos(static_cast<long double>(k) / 100.0L, e.s, e.c);
        }
        return t;
    }();
    return table;
}

} // namespace

TGPPointF PolarToPointHundredths(const RRadAng &p, long long hundredths, double offX, double offY)
{
    if (hundredths < -TableHundredths || hundredths > TableHundredths)
        return PolarToPoint(p, offX, offY);
    const SinCos &e = hundredthsTable()[static_cast<std::size_t>(hundredths + TableHundredths)];
    return pointAt(p.R, e.s, e.c, offX, offY);
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
