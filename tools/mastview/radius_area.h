// The square plot area of visplot and horizon round their centre, in plot samples and degrees.
//
// Plot sample (x, y) lies at area-grid cell (x + x0, y + y0), at longitude lonW + x / 1200 and
// latitude latS + y / 1200. The area grid holds x = 0 ... 10000 and y = 0 ... 6000; an area whose
// tiles or plot samples would fall outside it is refused before anything is loaded.
#pragma once

#include <optional>
#include <string>

#include "console/console_constants.h"
#include "terrain/area_grid.h"

namespace mastview {

// The area grid of visplot and horizon: 10001 x 6001 samples (8 tiles east-west with room for
// the plot's edge offsets, 5 north-south).
inline constexpr terrain::AreaCapacity kAreaCapacity{10001, 6001};

struct RadiusArea {
    double lat0_deg = 0, lon0_deg = 0;  // centre
    double radius_km = 0;               // Rd
    int nLat = 0;                       // plot height in samples, at most 6000
    int nLon = 0;                       // plot width in samples, at most 10000
    double lonW_deg = 0, lonE_deg = 0;  // lon0 -/+ (Rd / 111.2) / cos lat0
    double latS_deg = 0, latN_deg = 0;  // lat0 -/+ Rd / 111.2
    int x0 = 0, y0 = 0;                 // area-grid column and row of plot sample (0, 0)
    int tileLonW = 0, tileLonE = 0;     // whole-degree longitudes of the western/eastern tiles
    int tileLatS = 0, tileLatN = 0;     // whole-degree latitudes of the southern/northern tiles

    // Longitude and latitude of plot point (x, y), in plot samples (fractions allowed).
    double LonOf(double x) const { return lonW_deg + x / console::kSamplesPerDegree; }
    double LatOf(double y) const { return latS_deg + y / console::kSamplesPerDegree; }
};

inline constexpr const char* kRadiusNotPositive = "Radius must be greater than 0";
inline constexpr const char* kRadiusTooLarge =
    "Radius too large: the area round this centre needs more height data than the grid holds";

// The plot area of radius radius_km round (lat0_deg, lon0_deg), or an error line: the radius is
// not positive, or the area's tiles (more than 8 east to west or 5 north to south) or plot
// samples would fall outside the area grid.
struct RadiusAreaResult {
    std::optional<RadiusArea> area;
    std::string error;
};
RadiusAreaResult MakeRadiusArea(double lat0_deg, double lon0_deg, double radius_km);

// The largest whole radius in km (at most 1000) that MakeRadiusArea accepts at this centre; 0 when
// there is none.
int LargestRadius_km(double lat0_deg, double lon0_deg);

// The line that refuses a radius as too large, naming the largest radius accepted (`largest`
// from LargestRadius_km; when there is none the line says only that it is too large).
std::string RadiusTooLargeLine(int largest_km);

}  // namespace mastview
