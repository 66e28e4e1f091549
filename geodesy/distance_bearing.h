// Great-circle distance and bearings on a sphere of radius 6371.29 km, with their uncertainty
// from the positional uncertainty of the two ends.
#pragma once

#include "geodesy/constants.h"

namespace geodesy {

// Arc cosine in radians, 0..pi, for -1 <= x <= 1, computed as atan(sqrt(1 - x^2) / x) plus a
// half turn for negative x; ACS(0) = pi/2 without a division. pi is units.acs_pi
// (3.141592653589 for the window program).
double ACS(double x, const AngleUnits& units = kWindowAngles);

// One end of a path: WGS84 degrees and positional uncertainty in km.
struct Site {
    double lat_deg = 0.0;
    double lon_deg = 0.0;
    double resolution_km = 0.0;
};

// Result of DistBear.
struct DistBearResult {
    double dist_km = 0.0;      // great-circle distance, km
    double bearing_deg = 0.0;  // at home towards the current site, clockwise from north, 0..360
    double back_bearing_deg = 0.0;  // at the current site back towards home, 0..360
    double dist_uncert_km = 0.0;    // 0.7 * (home + current resolution)
    double bear_uncert_deg = 0.0;   // uncertainty of bearing_deg, degrees
};

// Distance and bearings from home to the current site. Under 1 m apart everything is 0. East or
// west is decided by comparing longitudes directly (no wrap at 180). With a latitude of exactly
// +-90 (a bearing is undefined there) the distance is computed and both bearings are 0.
DistBearResult DistBear(const Site& current, const Site& home,
                        const AngleUnits& units = kWindowAngles);

}  // namespace geodesy
