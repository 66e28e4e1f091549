// Great-circle distance and bearings on a sphere, with their uncertainties.
#include "geodesy/distance_bearing.h"

#include <cmath>

#include "geodesy/constants.h"

namespace geodesy {

namespace {

// Sites closer than this (km, one metre) count as coincident: no bearings.
constexpr double kCoincident_km = 0.001;
// Share of each end's positional uncertainty that enters distance and bearing uncertainty.
constexpr double kUncertaintyFactor = 0.7;
constexpr double kPole_deg = 90.0;

double Sign(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

// Limits a cosine that rounding pushed beyond +-1 to its sign.
double ClampCosine(double k) {
    return std::fabs(k) > 1.0 ? Sign(k) : k;
}

// A console bearing from its formula's cosine, degrees; a zero denominator (coincident points, a
// pole) gives 0.
double BearingFromCosine(double numerator, double denominator) {
    if (denominator == 0) return 0;
    double k = numerator / denominator;
    if (!std::isfinite(k)) return 0;
    if (k > 1) k = 1;
    if (k < -1) k = -1;
    return ACS(k, kConsoleAngles) * kConsoleAngles.deg_per_rad;
}

}  // namespace

DistBearResult DistBear(const Site& current, const Site& home, const AngleUnits& units) {
    const double dpr = units.deg_per_rad;
    const double phi_b = home.lat_deg / dpr;
    const double phi = current.lat_deg / dpr;
    const double q =
        std::sin(phi_b) * std::sin(phi) +
        std::cos(phi) * std::cos(phi_b) * std::cos((home.lon_deg - current.lon_deg) / dpr);
    const double d = std::fabs(q) < 1.0 ? ACS(q, units) : 0.0;

    DistBearResult r;
    r.dist_km = std::fabs(d * kEarthRadius_km);
    if (r.dist_km < kCoincident_km) return r;

    // At a pole every direction is south (or north): the course formulas would divide by
    // cos(latitude) = 0, so the bearings stay 0 there.
    const bool at_pole =
        std::fabs(current.lat_deg) == kPole_deg || std::fabs(home.lat_deg) == kPole_deg;
    if (!at_pole) {
        const double k1 = ClampCosine((std::sin(phi) - std::cos(d) * std::sin(phi_b)) /
                                      (std::sin(d) * std::cos(phi_b)));
        const double k2 = ClampCosine((std::sin(phi_b) - std::cos(d) * std::sin(phi)) /
                                      (std::sin(d) * std::cos(phi)));
        r.bearing_deg = ACS(k1, units) * dpr;
        r.back_bearing_deg = ACS(k2, units) * dpr;
        if (current.lon_deg < home.lon_deg) r.bearing_deg = kFullCircle_deg - r.bearing_deg;
        if (home.lon_deg < current.lon_deg)
            r.back_bearing_deg = kFullCircle_deg - r.back_bearing_deg;
    }
    r.dist_uncert_km = kUncertaintyFactor * (home.resolution_km + current.resolution_km);
    r.bear_uncert_deg = (std::atan(kUncertaintyFactor * current.resolution_km / r.dist_km) +
                         std::atan(kUncertaintyFactor * home.resolution_km / r.dist_km)) *
                        dpr;
    return r;
}

DistanceBearing DistBearBetween(LatLon from, LatLon to) {
    DistanceBearing result;
    const double dpr = kConsoleAngles.deg_per_rad;
    const double phi1 = from.lat_deg / dpr, phi2 = to.lat_deg / dpr;
    double c = std::sin(phi2) * std::sin(phi1) +
               std::cos(phi2) * std::cos(phi1) * std::cos((to.lon_deg - from.lon_deg) / dpr);
    if (c > 1) c = 1;
    if (c < -1) c = -1;  // rounding beyond -1 would make the arc cosine undefined
    const double a = ACS(c, kConsoleAngles);
    result.distance_km = std::fabs(a * kEarthRadiusSingle_km);
    if (a == 0) return result;  // coincident: distance 0 and both bearings 0, no 0/0

    double b1 =
        BearingFromCosine(std::sin(phi2) - c * std::sin(phi1), std::sin(a) * std::cos(phi1));
    double b2 =
        BearingFromCosine(std::sin(phi1) - c * std::sin(phi2), std::sin(a) * std::cos(phi2));
    if (from.lon_deg > to.lon_deg) b1 = kFullCircle_deg - b1;
    if (to.lon_deg > from.lon_deg) b2 = kFullCircle_deg - b2;
    auto wrap = [](double b) {
        return b > kFullCircle_deg ? b - kFullCircle_deg : (b < 0 ? b + kFullCircle_deg : b);
    };
    result.bearing_deg = wrap(b1);
    result.back_bearing_deg = wrap(b2);
    return result;
}

}  // namespace geodesy
