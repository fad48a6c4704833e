#include "entry/Bearing.h"

#include "core/Format.h"
#include "core/Globals.h"

#include <cmath>

namespace Bearing {

namespace {
constexpr double R = 57.29577951;               // degrees per radian
constexpr double MilesPerRadian = 3955.75791314991;

// The arccosine through the arctangent, failing where -v / sqrt(1 - v * v) cannot be computed.
std::optional<double> arcCos(double v)
{
    const double d = 1 - v * v;
    if (!(d > 0))
        return std::nullopt;
    const double a = std::atan(-v / std::sqrt(d)) + 2 * std::atan(1.0);
    if (!std::isfinite(a))
        return std::nullopt;
    return a;
}

// "###" and "##,###": the rounded whole number, nothing for 0, and one blank.
QString caption(double v)
{
    const double n = Format::roundTo(v, 0);
    return (n == 0 ? QString() : Format::grouped(n)) + QLatin1Char(' ');
}
} // namespace

std::optional<Result> compute(float ownLatitude, float ownLongitude, float latitude, float longitude)
{
    const double L1 = double(ownLatitude) / R;
    const double L2 = double(latitude) / R;
    const double D = (double(ownLongitude) - double(longitude)) / R;

    const double x = std::sin(L1) * std::sin(L2) + std::cos(L2) * std::cos(L1) * std::cos(D);
    const auto central = arcCos(x);
    if (!central)
        return std::nullopt;
    const double G = *central * R;

    const double divisor = std::cos(L1) * std::sin(G / R);
    if (divisor == 0)
        return std::nullopt;
    const double c = (std::sin(L2) - x * std::sin(L1)) / divisor;
    const auto A = arcCos(c);
    if (!A)
        return std::nullopt;

    Result r;
    r.bearing = std::sin(D) > 0 ? *A * R : 360 - *A * R;
    r.miles = *central * MilesPerRadian;
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

} // namespace Bearing
