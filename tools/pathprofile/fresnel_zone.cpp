#include "fresnel_zone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "path_geometry.h"
#include "radiolink/radio_propagation.h"

namespace pathprofile {

FresnelVerdict VerdictOf(double worst_fraction) {
    if (!(worst_fraction > 0.0)) return FresnelVerdict::kObstructed;
    if (worst_fraction < kClearZoneFraction) return FresnelVerdict::kPartlyObstructed;
    return FresnelVerdict::kClear;
}

double FresnelRadiusAt_m(double wavelength_m, double x_km, double path_km) {
    const double d1_m = x_km * geodesy::kMetresPerKm;
    const double d2_m = std::max(0.0, path_km - x_km) * geodesy::kMetresPerKm;
    return radiolink::FresnelRadius_m(wavelength_m, d1_m, d2_m);
}

std::optional<FresnelClearance> WorstFresnelClearance(const Profile& profile, const SightLine& line,
                                                      double wavelength_m) {
    std::optional<FresnelClearance> worst;
    // The samples of the line-of-sight clearance: the mast feet, where r1 is 0, and the ground
    // under the masts are left out, so the two lines never disagree about the same path.
    const std::optional<SampleRange> range = SamplesBetweenMasts(profile);
    if (!range) return worst;
    for (int i = range->first; i <= range->last; ++i) {
        const double x_km = profile.distance_km[i];
        const double clearance_m = line.At_m(x_km) - profile.samples_m[i];
        const double radius_m = FresnelRadiusAt_m(wavelength_m, x_km, profile.path_km);
        const double fraction = clearance_m / radius_m;
        if (!worst || fraction < worst->worst_fraction) {
            worst = FresnelClearance{fraction, x_km, clearance_m, radius_m, VerdictOf(fraction)};
        }
    }
    return worst;
}

std::vector<Point> FresnelZoneBound(const SightLine& line, double wavelength_m, double fraction,
                                    int segments) {
    std::vector<Point> points;
    const int n = std::max(segments, 1);
    points.reserve(static_cast<std::size_t>(n) + 1);
    for (int k = 0; k <= n; ++k) {
        const double t = std::numbers::pi * k / n;
        // The distant end exactly, whatever the rounding of the cosine.
        const double x_km = k == n ? line.path_km : line.path_km * (1.0 - std::cos(t)) / 2.0;
        const double r1_m = FresnelRadiusAt_m(wavelength_m, x_km, line.path_km);
        points.push_back({x_km, line.At_m(x_km) + fraction * r1_m});
    }
    return points;
}

}  // namespace pathprofile
