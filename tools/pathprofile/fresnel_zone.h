// The first Fresnel zone of a profile at one frequency: how much of it the terrain leaves clear
// along the line of sight, and its bounds for drawing.
//
// The clearance at a sample is the height of the line of sight there less the sample (ground plus
// earth bulge); the zone's radius there is r1 = sqrt(lambda d1 d2 / D) with d1 and d2 the
// distances to the two ends. The samples are those of SamplesBetweenMasts: the mast feet, where
// r1 is 0, and the ground under the masts are left out.
#pragma once

#include <optional>
#include <vector>

#include "plot_layout.h"
#include "profile.h"
#include "sight_line.h"

namespace pathprofile {

// Share of the first zone's radius that must stay free of terrain for a path to behave as in free
// space (the planners' 60 % rule: the obstacle loss is then about 0 dB).
inline constexpr double kClearZoneFraction = 0.6;

enum class FresnelVerdict {
    kClear,             // at least 60 % of the zone's radius clear at every sample
    kPartlyObstructed,  // the line of sight clears the terrain, but not by 60 % of the radius
    kObstructed,        // the terrain reaches the line of sight itself
};

struct FresnelClearance {
    double worst_fraction = 0.0;  // least clearance / r1 (< 0: ground above the line there)
    double at_km = 0.0;           // distance of that sample from the base
    double clearance_m = 0.0;     // the clearance there: line of sight less ground and bulge
    double radius_m = 0.0;        // r1 there
    FresnelVerdict verdict = FresnelVerdict::kClear;
};

// The verdict of a path: obstructed as soon as the least clearance is not above 0 (as for the
// line-of-sight line, which calls a grazing line blocked), clear from 60 % of r1 up.
FresnelVerdict VerdictOf(double worst_fraction);

// The sample of SamplesBetweenMasts with the least clearance / r1 (ties keep the one nearest the
// base); nullopt when the profile has no sample between its mast feet (paths under 40 m).
std::optional<FresnelClearance> WorstFresnelClearance(const Profile& profile, const SightLine& line,
                                                      double wavelength_m);

// Radius of the first zone x_km from the base of a path of path_km (0 <= x_km <= path_km), m.
double FresnelRadiusAt_m(double wavelength_m, double x_km, double path_km);

// Points of the line `fraction` x r1 above the line of sight (below it for a negative fraction),
// from the base mast top to the distant one, in plot coordinates (km, m). The points lie at
// x = D (1 - cos t) / 2 for t in equal steps over 0..pi: r1 is then sqrt(lambda D) sin t / 2, so
// the bound, half an ellipse, is followed closely also near the masts where it turns steeply.
std::vector<Point> FresnelZoneBound(const SightLine& line, double wavelength_m, double fraction,
                                    int segments = 64);

}  // namespace pathprofile
