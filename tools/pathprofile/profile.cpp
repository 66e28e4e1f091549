#include "profile.h"

#include <algorithm>
#include <cmath>

#include "geodesy/constants.h"
#include "one_tile_store.h"
#include "terrain/tile_format.h"

namespace pathprofile {
namespace {

// The spacing of the tiles' height samples north-south: 3 arc-seconds of latitude, km.
constexpr double kHeightSampleSpacing_km =
    geodesy::kEarthRadiusSingle_km * geodesy::kPi / 180.0 / terrain::kSamplesPerDegree;
// Ground heights are whole metres: two samples of one height differ by rounding only.
constexpr double kSameGround_m = 0.5;

// A mast stands on the height sample its foot reads. The path samples next to the foot that
// read that sample again (the foot's ground height, less than one sample spacing away) are the
// ground under the mast, not ground the line of sight passes over: against them a mast on a
// slope would report its own height as the path's worst clearance.
bool UnderMast(const Profile& profile, int foot, int i) {
    return std::abs(profile.distance_km[static_cast<std::size_t>(i)] -
                    profile.distance_km[static_cast<std::size_t>(foot)]) <
               kHeightSampleSpacing_km &&
           std::abs(GroundAt_m(profile, i) - GroundAt_m(profile, foot)) < kSameGround_m;
}

}  // namespace

double GroundAt_m(const Profile& profile, int i) {
    const std::size_t k = static_cast<std::size_t>(i);
    return profile.samples_m[k] - (k < profile.bulge_m.size() ? profile.bulge_m[k] : 0.0);
}

Profile SampleProfile(LatLon base, double bearing_deg, double path_km, const EarthBulge& bulge,
                      const GroundHeight& ground, const GroundHasData& has_data) {
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
        const LatLon at = DestinationPoint(base, bearing_deg, x);
        const double sample = bulge_m + ground(at);
        if (has_data && !has_data(at)) {
            profile.no_data.resize(profile.samples_m.size() + 1, false);
            profile.no_data.back() = true;
        }
        profile.distance_km.push_back(x);
        profile.bulge_m.push_back(bulge_m);
        profile.samples_m.push_back(sample);
        profile.max_sample_m = std::max(profile.max_sample_m, sample);
        x += kSampleStep_km;
    }
    if (!profile.no_data.empty()) profile.no_data.resize(profile.samples_m.size(), false);
    return profile;
}

double NoDataLength_km(const Profile& profile) {
    double km = 0.0;
    const std::size_t n = std::min(profile.no_data.size(), profile.distance_km.size());
    for (std::size_t i = 0; i + 1 < n; ++i)
        if (profile.no_data[i]) km += profile.distance_km[i + 1] - profile.distance_km[i];
    return km;
}

SightLine LineOfSight(const Profile& profile, double base_mast_m, double distant_mast_m) {
    return {profile.path_km, profile.samples_m.front() + base_mast_m,
            profile.samples_m.back() + distant_mast_m};
}

std::optional<SampleRange> SamplesBetweenMasts(const Profile& profile) {
    const int last = profile.LastIndex();
    if (last < 2) return std::nullopt;
    int from = 1, to = last - 1;
    while (from <= to && UnderMast(profile, 0, from)) ++from;
    while (to >= from && UnderMast(profile, last, to)) --to;
    // A path so short that every sample lies under a mast keeps the samples between the feet.
    if (from > to) return SampleRange{1, last - 1};
    return SampleRange{from, to};
}

Clearance LineOfSightClearance(const Profile& profile, double base_mast_m, double distant_mast_m) {
    Clearance result;
    const int last = profile.LastIndex();
    if (last < 0) return result;
    const SightLine line = LineOfSight(profile, base_mast_m, distant_mast_m);
    const SampleRange range = SamplesBetweenMasts(profile).value_or(SampleRange{0, last});
    bool found = false;
    for (int i = range.first; i <= range.last; ++i) {
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
