// The horizon as comma-separated values, one row per ray of the sweep, for EME and satellite
// planning and for spreadsheets:
//
//   bearing_deg,elevation_deg,distance_km,no_data
//
// the bearing clockwise from north, the horizon's elevation angle seen from the mast top (the
// earth's curvature and refraction taken in, as the chart draws it), the distance of the ground
// that forms it, and 1 where that ground has no height data (the angle is then only that of
// ground read as 0 m), else 0. Numbers have a fixed number of decimals and "." as the decimal
// point whatever the locale: bearing and angle to 0.0001 degree, distance to the metre.
#pragma once

#include <string>

#include "horizon_rays.h"

namespace horizon {

inline constexpr const char* kHorizonCsvHeader = "bearing_deg,elevation_deg,distance_km,no_data";

// The whole file: the header and one row per ray, each ended by "\n".
std::string HorizonCsv(const HorizonSweep& sweep);

}  // namespace horizon
