// The sampled profile as comma-separated values, one row per sample, for spreadsheets:
//
//   distance_km,lat,lon,ground_m,bulge_m,los_m,clearance_m[,fresnel_r1_m]
//
// Numbers are written with a fixed number of decimals and "." as the decimal point whatever the
// locale: distance to the metre (3), latitude and longitude in degrees to about 0.1 m (6), ground
// in whole metres as the tiles hold it, the other heights to the centimetre (2).
#pragma once

#include <optional>
#include <string>

#include "path_geometry.h"
#include "profile.h"
#include "sight_line.h"

namespace pathprofile {

// The header line (without its line end); the last column only with a frequency.
std::string ProfileCsvHeader(bool with_fresnel);

// The whole file: the header and one row per sample, each ended by "\n". The position of a sample
// is the point x km from `base` along `bearing_deg` (as sampled); its ground is the sample less
// its bulge; the line of sight and clearance are those of `line`; fresnel_r1_m follows when
// `wavelength_m` is given (0 at the mast feet).
std::string ProfileCsv(const Profile& profile, LatLon base, double bearing_deg,
                       const SightLine& line, std::optional<double> wavelength_m);

}  // namespace pathprofile
