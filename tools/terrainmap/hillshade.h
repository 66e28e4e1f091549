// Hillshading for the map tools' --shade: the ground lit from the north-west, 45° above the
// horizon (the light of a printed relief map and of gdaldem's hillshade), blended with the
// height colours so that slopes and valleys show without hiding which height a colour stands
// for. Pure computation: the drawing is in the tools.
#pragma once

#include <array>

#include "console/palette.h"

namespace terrainmap {

// The light: from azimuth 315° (clockwise from north), 45° above the horizon.
inline constexpr double kLightAzimuth_deg = 315;
inline constexpr double kLightAltitude_deg = 45;

// The brightness of a sample against flat ground (1: as bright as flat ground, less on slopes
// turned from the light, more on slopes turned towards it), from its 3 × 3 neighbourhood of
// heights in metres, row by row from the north-west corner, and the spacing of the samples in
// metres east-west and north-south. The slope is Horn's (the weighted differences of the
// neighbours). The result is softened and held to kDarkest ... kBrightest.
double ShadeFactor(const std::array<double, 9>& heights_m, double cellWidth_m, double cellHeight_m);

inline constexpr double kDarkest = 0.45;
inline constexpr double kBrightest = 1.35;

// `colour` with each channel times `factor`, held to 0 ... 255.
console::Rgb Shaded(console::Rgb colour, double factor);

// The spacing in metres north-south of samples 1/samplesPerDegree degree apart, and east-west at
// latitude lat_deg.
double CellHeight_m(int samplesPerDegree);
double CellWidth_m(int samplesPerDegree, double lat_deg);

}  // namespace terrainmap
