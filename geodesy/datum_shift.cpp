// Helmert datum shift between WGS84 and OSGB36, following the Ordnance Survey's
// "A guide to coordinate systems in Great Britain" (latitude/longitude -> Cartesian,
// seven-parameter transformation, Cartesian -> latitude/longitude by iteration).
#include "geodesy/datum_shift.h"

#include <cmath>

namespace geodesy {

namespace {

// Convergence of the latitude iteration, radians (about 0.06 mm on the ground).
constexpr double kLatitudeTolerance_rad = 1e-8;
// Below this, x + r counts as zero in ATAN2 (the vector points along the negative x axis).
constexpr double kAtan2Threshold = 1e-8;
// Guard for non-finite input only: near Britain the iteration ends after two or three passes.
constexpr int kMaxLatitudePasses = 100;
constexpr double kArcsecPerDegree = 3600.0;

}  // namespace

double ATAN2(double x, double y) {
    const double r = std::sqrt(x * x + y * y);
    if (x + r > kAtan2Threshold) return 2.0 * std::atan(y / (x + r));
    return -kPi;
}

LatLon HelmertShift(double lat_deg, double lon_deg, const Ellipsoid& source,
                    const Ellipsoid& target, const HelmertParams& p, const AngleUnits& units) {
    const double dpr = units.deg_per_rad;
    const double phi = lat_deg / dpr;
    const double lambda = lon_deg / dpr;
    const double h = 0.0;  // every shift is done at ellipsoidal height 0

    // Geodetic -> earth-centred Cartesian on the source ellipsoid.
    const double sin_phi = std::sin(phi);
    const double cos_phi = std::cos(phi);
    const double nu = source.a_m / std::sqrt(1.0 - source.e2 * sin_phi * sin_phi);
    const double x = (nu + h) * cos_phi * std::cos(lambda);
    const double y = (nu + h) * cos_phi * std::sin(lambda);
    const double z = ((1.0 - source.e2) * nu + h) * sin_phi;

    // Seven-parameter transformation (position-vector rotation convention).
    const double rx = p.rx_arcsec / dpr / kArcsecPerDegree;
    const double ry = p.ry_arcsec / dpr / kArcsecPerDegree;
    const double rz = p.rz_arcsec / dpr / kArcsecPerDegree;
    const double scale = 1.0 + p.s;
    const double x2 = p.tx_m + scale * x - rz * y + ry * z;
    const double y2 = p.ty_m + rz * x + scale * y - rx * z;
    const double z2 = p.tz_m - ry * x + rx * y + scale * z;

    // Cartesian -> geodetic on the target ellipsoid.
    const double lambda2 = ATAN2(x2, y2);
    const double pr = std::sqrt(x2 * x2 + y2 * y2);
    double phi2 = ATAN2(pr * (1.0 - target.e2), z2);
    for (int pass = 0; pass < kMaxLatitudePasses; ++pass) {
        const double phi_prev = phi2;
        const double s = std::sin(phi_prev);
        const double nu2 = target.a_m / std::sqrt(1.0 - target.e2 * s * s);
        phi2 = ATAN2(pr, z2 + target.e2 * nu2 * s);
        if (std::fabs(phi2 - phi_prev) <= kLatitudeTolerance_rad) break;
    }
    return LatLon{phi2 * dpr, lambda2 * dpr};
}

LatLon WGS84ToAiry(double lat_deg, double lon_deg, const AngleUnits& units) {
    return HelmertShift(lat_deg, lon_deg, kWGS84, kAiry1830, kWGS84ToAiryParams, units);
}

LatLon AiryToWGS84(double lat_deg, double lon_deg, const AngleUnits& units) {
    return HelmertShift(lat_deg, lon_deg, kAiry1830, kWGS84, kAiryToWGS84Params, units);
}

}  // namespace geodesy
