#include "path_geometry.h"

#include <algorithm>
#include <cmath>

#include "geodesy/arc_functions.h"

namespace pathprofile {
namespace {

using geodesy::kDegPerRad;
using geodesy::kPi;
using geodesy::kRadPerDeg;

// Denominator up to which the two-argument arctangent gives -pi (single-precision literal).
constexpr double kAtan2Floor = static_cast<double>(1e-8f);

// Arcsine written as an arctangent; at |w| = 1 (a pole) the quotient would divide by zero,
// so the limit +-pi/2 is returned there.
double ArcSine(double w) {
    const double rest = 1.0 - w * w;
    if (rest <= 0.0) return w > 0.0 ? kPi / 2.0 : -kPi / 2.0;
    return std::atan(w / std::sqrt(rest));
}

}  // namespace

LatLon DestinationPoint(LatLon start, double bearing_deg, double dist_km) {
    const double phi1 = start.lat_deg * kRadPerDeg;
    const double lambda1 = start.lon_deg * kRadPerDeg;
    const double theta = bearing_deg * kRadPerDeg;
    const double delta = dist_km / geodesy::kEarthRadiusSingle_km;

    const double w =
        std::sin(phi1) * std::cos(delta) + std::cos(phi1) * std::sin(delta) * std::cos(theta);
    const double phi2 = ArcSine(w);
    const double u = std::sin(theta) * std::sin(delta) * std::cos(phi1);
    const double v = std::cos(delta) - std::sin(phi1) * std::sin(phi2);
    const double lambda2 = lambda1 + geodesy::HalfAngleAtan2(u, v, kAtan2Floor);
    return {phi2 * kDegPerRad, lambda2 * kDegPerRad};
}

EarthBulge::EarthBulge(double k_factor, double path_km)
    : re_km_(k_factor * geodesy::kEarthRadiusSingle_km), path_km_(path_km) {
    const double half = path_km / 2.0;
    c0_m_ = geodesy::kMetresPerKm * std::sqrt(std::max(0.0, re_km_ * re_km_ - half * half));
}

double EarthBulge::At_m(double x_km) const {
    // A K so large that Re^2 overflows is a flat earth: no bulge (and no inf - inf).
    if (!std::isfinite(re_km_ * re_km_)) return 0.0;
    const double off_centre = x_km - path_km_ / 2.0;
    const double rest = std::max(0.0, re_km_ * re_km_ - off_centre * off_centre);
    return geodesy::kMetresPerKm * std::sqrt(rest) - c0_m_;
}

}  // namespace pathprofile
