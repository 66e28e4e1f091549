// The National Grid's Transverse Mercator projection on the Airy 1830 ellipsoid, in both
// directions, by the Ordnance Survey's published series (meridional arc M, terms I to VI forward,
// VII to XIIA inverse). True origin 49 N 2 W, false origin 400 km east and 100 km south of it.
#pragma once

#include "geodesy/constants.h"
#include "geodesy/types.h"

namespace geodesy {

// Meridional arc from the true origin's latitude to phi_rad, metres (b*F0 times the series).
double MeridionalArc(double phi_rad, const AngleUnits& units = kWindowAngles);

// OSGB36 latitude/longitude in degrees to National Grid easting/northing in metres. No range
// check: callers check the position before and the grid coordinates after.
EastNorth LatLongToEastNorth(double lat_deg, double lon_deg,
                             const AngleUnits& units = kWindowAngles);

// National Grid easting/northing in metres to OSGB36 latitude/longitude in degrees. The
// latitude is refined until the meridional arc is within 1 mm of the northing.
LatLon EastNorthToLatLong(double e_m, double n_m, const AngleUnits& units = kWindowAngles);

}  // namespace geodesy
