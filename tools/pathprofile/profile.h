// The terrain profile of one path: samples every 20 m from the base towards the distant
// site, each the earth bulge plus the ground height, and the clearance of the straight line
// of sight between the two mast tops over them.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "path_geometry.h"
#include "sight_line.h"

namespace pathprofile {

// Ground height in whole metres at a position (the one-tile store, or a test's terrain).
using GroundHeight = std::function<int(LatLon)>;

struct Profile {
    double path_km = 0.0;             // D: great-circle distance base to distant site
    std::vector<double> distance_km;  // x of sample i, accumulated in 20 m steps from 0
    std::vector<double> samples_m;    // bulge(x) + ground height at x
    std::vector<double> bulge_m;      // bulge(x) alone, for the green part of the plot
    double max_sample_m = 0.0;        // largest sample, never below 0
    // Sample i has no height data (its ground was taken as 0 m); empty when every one has.
    std::vector<bool> no_data;

    int LastIndex() const { return static_cast<int>(samples_m.size()) - 1; }
};

// The ground of sample i, m above sea level: the sample less its earth bulge.
double GroundAt_m(const Profile& profile, int i);

// Samples the path from `base` along `bearing_deg` for path_km (0 < path_km <= 2000):
// x starts at 0 and the 20 m step is added after each sample while x <= path_km, and never
// beyond the last index of the sample array.
// With `has_data`, asked right after `ground` for the same position, the samples without
// height data are marked in no_data.
using GroundHasData = std::function<bool(LatLon)>;
Profile SampleProfile(LatLon base, double bearing_deg, double path_km, const EarthBulge& bulge,
                      const GroundHeight& ground, const GroundHasData& has_data = {});

// How far the path runs over samples without height data, km: each such sample stands for the
// stretch to the next sample (the last one for none). 0 when every sample has data.
double NoDataLength_km(const Profile& profile);

// The straight line from (0, first sample + base mast) to (D, last sample + distant mast); the
// profile must hold at least one sample.
SightLine LineOfSight(const Profile& profile, double base_mast_m, double distant_mast_m);

struct Clearance {
    double worst_m = 0.0;  // least height of the line of sight above the terrain (< 0: blocked)
    double at_km = 0.0;    // distance of that sample from the base
    bool Clear() const { return worst_m > 0.0; }
};

// The samples a path's figures are taken over, indices first ... last (inclusive).
struct SampleRange {
    int first = 0;
    int last = -1;
};

// The samples between the two mast feet, leaving out those next to each foot that read the
// foot's own height sample (the foot's ground height, less than one 3 arc-second spacing away):
// that ground is under the mast, not ground the path passes over. When that leaves none, all the
// samples between the feet; nullopt when there is no sample between the feet (paths under 40 m).
// The line-of-sight clearance, the Fresnel zone's clearance and both diffraction losses all use
// these samples, so their figures agree.
std::optional<SampleRange> SamplesBetweenMasts(const Profile& profile);

// The line of sight runs straight from (0, sample 0 + base mast) to (D, last sample +
// distant mast). The clearance is taken over SamplesBetweenMasts, or over all samples when
// there are none between the feet. Ties keep the sample nearest the base.
Clearance LineOfSightClearance(const Profile& profile, double base_mast_m, double distant_mast_m);

}  // namespace pathprofile
