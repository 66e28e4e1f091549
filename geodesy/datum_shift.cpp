// Helmert datum shift between WGS84 and OSGB36, following the Ordnance Survey's
// "A guide to coordinate systems in Great Britain" (latitude/longitude -> Cartesian,
// seven-parameter transformation, Cartesian -> latitude/longitude by iteration).
#include "geodesy/datum_shift.h"

#include <cmath>

#include "geodesy/arc_functions.h"

namespace geodesy {

namespace {

// Convergence of the latitude iteration, radians (about 0.06 mm on the ground).
constexpr double kLatitudeTolerance_rad = 1e-8;
// Guard for non-finite input only: near Britain the iteration ends after two or three passes.
constexpr int kMaxLatitudePasses = 100;
constexpr double kArcsecPerDegree = 3600.0;

// The Helmert parameters ready for use: rotations in radians, scale as a factor.
struct HelmertTerms {
    double tx_m, ty_m, tz_m;
    double scale;
    double rx, ry, rz;
};

constexpr HelmertTerms Terms(const HelmertParams& p, double deg_per_rad) {
    return HelmertTerms{p.tx_m,
                        p.ty_m,
                        p.tz_m,
                        1.0 + p.s,
                        p.rx_arcsec / deg_per_rad / kArcsecPerDegree,
                        p.ry_arcsec / deg_per_rad / kArcsecPerDegree,
                        p.rz_arcsec / deg_per_rad / kArcsecPerDegree};
}

// The window program's two shifts, worked out once at compile time (same IEEE operations).
constexpr HelmertTerms kWindowAiryToWGS84 = Terms(kAiryToWGS84Params, kWindowDegPerRad);
constexpr HelmertTerms kWindowWGS84ToAiry = Terms(kWGS84ToAiryParams, kWindowDegPerRad);

LatLon Shift(double lat_deg, double lon_deg, const Ellipsoid& source, const Ellipsoid& target,
             const HelmertTerms& p, double dpr) {
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
    const double x2 = p.tx_m + p.scale * x - p.rz * y + p.ry * z;
    const double y2 = p.ty_m + p.rz * x + p.scale * y - p.rx * z;
    const double z2 = p.tz_m - p.ry * x + p.rx * y + p.scale * z;

    // Cartesian -> geodetic on the target ellipsoid.
    const double lambda2 = HalfAngleAtan2(y2, x2);
    const double pr = std::sqrt(x2 * x2 + y2 * y2);
    double phi2 = HalfAngleAtan2(z2, pr * (1.0 - target.e2));
    for (int pass = 0; pass < kMaxLatitudePasses; ++pass) {
        const double phi_prev = phi2;
        const double s = std::sin(phi_prev);
        const double nu2 = target.a_m / std::sqrt(1.0 - target.e2 * s * s);
        phi2 = HalfAngleAtan2(z2 + target.e2 * nu2 * s, pr);
        if (std::fabs(phi2 - phi_prev) <= kLatitudeTolerance_rad) break;
    }
    return LatLon{phi2 * dpr, lambda2 * dpr};
}

bool IsWindow(const AngleUnits& units) {
    return units.deg_per_rad == kWindowDegPerRad;
}

}  // namespace

LatLon HelmertShift(double lat_deg, double lon_deg, const Ellipsoid& source,
                    const Ellipsoid& target, const HelmertParams& params, const AngleUnits& units) {
    return Shift(lat_deg, lon_deg, source, target, Terms(params, units.deg_per_rad),
                 units.deg_per_rad);
}

LatLon WGS84ToAiry(double lat_deg, double lon_deg, const AngleUnits& units) {
    if (IsWindow(units))
        return Shift(lat_deg, lon_deg, kWGS84, kAiry1830, kWindowWGS84ToAiry, kWindowDegPerRad);
    return HelmertShift(lat_deg, lon_deg, kWGS84, kAiry1830, kWGS84ToAiryParams, units);
}

LatLon AiryToWGS84(double lat_deg, double lon_deg, const AngleUnits& units) {
    if (IsWindow(units))
        return Shift(lat_deg, lon_deg, kAiry1830, kWGS84, kWindowAiryToWGS84, kWindowDegPerRad);
    return HelmertShift(lat_deg, lon_deg, kAiry1830, kWGS84, kAiryToWGS84Params, units);
}

}  // namespace geodesy
