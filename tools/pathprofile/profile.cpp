#include "profile.h"

#include <algorithm>

namespace pathprofile {
namespace {

// Plot top over the largest sample (single-precision literal, widened).
constexpr double kPlotTopFactor = static_cast<double>(1.2f);

}  // namespace

Profile SampleProfile(LatLon base, double bearing_deg, double path_km, const EarthBulge& bulge,
                      const GroundHeight& ground) {
    Profile profile;
    profile.path_km = path_km;
    const std::size_t expected = static_cast<std::size_t>(path_km / kSampleStep_km) + 2;
    const std::size_t capacity = static_cast<std::size_t>(kMaxSampleIndex) + 1;
    profile.distance_km.reserve(std::min(expected, capacity));
    profile.samples_m.reserve(std::min(expected, capacity));
    profile.bulge_m.reserve(std::min(expected, capacity));

    double x = 0.0;
    while (x <= path_km && profile.samples_m.size() < capacity) {
        const double bulge_m = bulge.At_m(x);
        const double sample = bulge_m + ground(DestinationPoint(base, bearing_deg, x));
        profile.distance_km.push_back(x);
        profile.bulge_m.push_back(bulge_m);
        profile.samples_m.push_back(sample);
        profile.max_sample_m = std::max(profile.max_sample_m, sample);
        x += kSampleStep_km;
    }
    return profile;
}

double PlotTop_m(const Profile& profile, double base_mast_m, double distant_mast_m) {
    const double top = kPlotTopFactor * profile.max_sample_m;
    if (top > 0.0) return top;
    double highest = 1.0;
    if (!profile.samples_m.empty()) {
        highest = std::max({highest, profile.samples_m.front() + base_mast_m,
                            profile.samples_m.back() + distant_mast_m});
    }
    return kPlotTopFactor * highest;
}

SightLine LineOfSight(const Profile& profile, double base_mast_m, double distant_mast_m) {
    return {profile.path_km, profile.samples_m.front() + base_mast_m,
            profile.samples_m.back() + distant_mast_m};
}

Clearance LineOfSightClearance(const Profile& profile, double base_mast_m, double distant_mast_m) {
    Clearance result;
    const int last = profile.LastIndex();
    if (last < 0) return result;
    const SightLine line = LineOfSight(profile, base_mast_m, distant_mast_m);

    const int first_i = last >= 2 ? 1 : 0;
    const int last_i = last >= 2 ? last - 1 : last;
    bool found = false;
    for (int i = first_i; i <= last_i; ++i) {
        const double x = profile.distance_km[i];
        const double clearance = line.At_m(x) - profile.samples_m[i];
        if (!found || clearance < result.worst_m) {
            result = {clearance, x};
            found = true;
        }
    }
    return result;
}

}  // namespace pathprofile
