// The sampled profile as comma-separated values, one row per sample, for spreadsheets:
//
//   distance_km,lat,lon,ground_m,bulge_m,los_m,clearance_m[,fresnel_r1_m[,link columns]]
//
// With a link budget the columns of the link follow: per sample `between_masts` (1 for the
// samples its figures, the clearance and the Fresnel zone's are taken over, 0 for the mast feet
// and the ground under the masts), then the path's own figures, the same on every row so that
// each row stands alone in a spreadsheet:
//
//   path_km,k_factor,tx_asl_m,rx_asl_m,frequency_mhz,free_space_db,diffraction_db,path_loss_db
//   [,erp_w,rx_gain_dbi,received_dbm,field_dbuv_m[,sensitivity_dbm,fade_margin_db]]
//
// Numbers are written with a fixed number of decimals and "." as the decimal point whatever the
// locale: distance to the metre (3), latitude and longitude in degrees to about 0.1 m (6), ground
// in whole metres as the tiles hold it, the other heights and the decibels to the hundredth (2);
// K, the frequency and the ERP as given, in the fewest digits that read back the same.
#pragma once

#include <optional>
#include <string>

#include "link_figures.h"
#include "path_geometry.h"
#include "profile.h"
#include "sight_line.h"

namespace pathprofile {

// The header line (without its line end); the radius column only with a frequency, the link's
// only with `link` (which needs a frequency).
std::string ProfileCsvHeader(bool with_fresnel, const LinkFigures* link = nullptr);

// The whole file: the header and one row per sample, each ended by "\n". The position of a sample
// is the point x km from `base` along `bearing_deg` (as sampled); its ground is the sample less
// its bulge; the line of sight and clearance are those of `line`; fresnel_r1_m follows when
// `wavelength_m` is given (0 at the mast feet), and the link's columns when `link` is given too.
std::string ProfileCsv(const Profile& profile, LatLon base, double bearing_deg,
                       const SightLine& line, std::optional<double> wavelength_m,
                       const LinkFigures* link = nullptr);

}  // namespace pathprofile
