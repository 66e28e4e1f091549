// How much of a coverage map's disc a receiver of a given sensitivity would hear the mast in.
#pragma once

#include "mastview/coverage.h"

namespace mastview {

struct CoveredArea {
    double covered_km2 = 0;  // samples at or above the sensitivity
    double disc_km2 = 0;     // every sample with a level
    double Share() const { return disc_km2 > 0 ? covered_km2 / disc_km2 : 0.0; }
};

// Each sample stands for its cell of the latitude/longitude grid (1/1200 degree square, which
// narrows east-west with the cosine of its latitude); latS_deg is the latitude of plot row 0.
CoveredArea CoveredAreaOf(const LevelGrid& levels, double latS_deg, double sensitivity_dBm);

// The area of one sample's cell at latitude lat_deg, in km^2, on the mean earth sphere.
double SampleCellArea_km2(double lat_deg);

}  // namespace mastview
