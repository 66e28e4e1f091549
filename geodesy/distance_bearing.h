// Great-circle distance and bearings on a sphere of radius 6371.29 km, with their uncertainty
// from the positional uncertainty of the two ends.
#pragma once

#include "geodesy/arc_functions.h"
#include "geodesy/constants.h"
#include "geodesy/types.h"

namespace geodesy {

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

// Result of DistBearBetween.
struct DistanceBearing {
    double distance_km = 0.0;       // great-circle distance, km
    double bearing_deg = 0.0;       // at `from` towards `to`, clockwise from north, 0..360
    double back_bearing_deg = 0.0;  // at `to` back towards `from`, 0..360
};

// The console tools' distance and bearings between two WGS84 positions: full-precision angle
// units (kConsoleAngles), the radius as they hold it (kEarthRadiusSingle_km), no uncertainty and
// no special case below 1 m. Coincident positions give distance 0 and both bearings 0; a zero
// denominator in a bearing's formula (a pole) gives that bearing 0.
DistanceBearing DistBearBetween(LatLon from, LatLon to);

}  // namespace geodesy
