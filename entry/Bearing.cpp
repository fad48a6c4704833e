#include "entry/Bearing.h"

#include "core/Format.h"
#include "core/Globals.h"

#include <algorithm>
#include <cmath>

namespace Bearing {

namespace {
constexpr double R = 57.29577951;   // degrees per radian
constexpr double MilesPerRadian = 3955.75791314991;

// The arccosine of a cosine that rounding may have pushed just outside -1..1 (a station due north
// or south, at the own position or at the antipode): clamped, so those give a value too.
double clampedAcos(double v) { return std::acos(std::clamp(v, -1.0, 1.0)); }

// "###" and "##,###": the rounded whole number, nothing for 0, and one blank.
QString caption(double v)
{
    const double n = Format::roundTo(v, 0);
    return (n == 0 ? QString() : Format::grouped(n)) + QLatin1Char(' ');
}
}   // namespace

std::optional<Result> compute(float ownLatitude, float ownLongitude, float latitude, float longitude)
{
    const double L1 = double(ownLatitude) / R;
    const double L2 = double(latitude) / R;
    const double D = (double(ownLongitude) - double(longitude)) / R;

    const double x = std::sin(L1) * std::sin(L2) + std::cos(L2) * std::cos(L1) * std::cos(D);
    if (!std::isfinite(x))
        return std::nullopt;
    const double central = clampedAcos(x);

    // At the own position or the antipode (and from a pole) every direction is as good as any:
    // the bearing is taken as north.
    const double divisor = std::cos(L1) * std::sin(central);
    const double c = divisor == 0 ? 1.0 : (std::sin(L2) - x * std::sin(L1)) / divisor;
    const double A = clampedAcos(c);

    Result r;
    r.bearing = std::sin(D) > 0 ? A * R : 360 - A * R;
    r.miles = central * MilesPerRadian;
    return r;
}

Captions ShowBearingDistance(float latitude, float longitude)
{
    Captions c;
    if (const auto r = compute(G.OwnLatitude, G.OwnLongitude, latitude, longitude)) {
        c.Label22 = caption(r->bearing);
        c.Label23 = caption(r->miles);
    }
    return c;
}

}   // namespace Bearing
