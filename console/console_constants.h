// Constants shared by the console tools.
//
// The tools hold their fractional literal constants in single precision and widen them to double
// where they are used: 111.2 acts as 111.19999694824219 and 1.4 as 1.399999976158142. Results
// computed with these constants therefore differ in the last digits from ones computed with the
// double literals, and tests that pin worked values rely on this. Variables and arithmetic are
// double. Pi and 180/pi are the exception: full double precision.
#pragma once

#include "geodesy/constants.h"
#include "terrain/tile_format.h"

namespace console {

// A fractional literal held in single precision and widened: Single(111.2f) == 111.19999694824219.
constexpr double Single(float literal) {
    return static_cast<double>(literal);
}

// Pi and the angle units at full precision (geodesy's, named here for the tools' code).
using geodesy::kDegPerRad;
using geodesy::kPi;
using geodesy::kRadPerDeg;

// The earth as the tools hold it: geodesy's radius and degree of latitude in single precision.
using geodesy::kEarthRadiusSingle_km;
using geodesy::kKmPerDegreeLatSingle;
inline constexpr double kPlotAspect = Single(1.4f);  // plot width over height (terrainplot, 3d)

// The spacing of the area grids: SRTM's 3 arc-seconds (terrain/tile_format.h).
using terrain::kSamplesPerDegree;
// One sample step north-south in km: 111.2 / 1200.
inline constexpr double kKmPerSample = kKmPerDegreeLatSingle / kSamplesPerDegree;

// Nudge added to a whole-degree tile corner so that a negative corner names the tile north-east
// of it (corner -2 gives 2, not 3).
inline constexpr double kTileCornerNudge_deg = Single(1e-9f);
// visplot and horizon name the tiles of their area with this larger nudge.
inline constexpr double kAreaTileNudge_deg = Single(0.00001f);
// Smallest plot width or size accepted before the default applies (terrainplot, terrain3d).
inline constexpr double kMinPlotSize_km = Single(0.00001f);
// The visibility and horizon sweeps step 0.08 km of arc or distance at the rim.
inline constexpr double kSweepStep_km = Single(0.08f);
// Tiny offset of a sample square from its whole user coordinate (terrainplot's map).
inline constexpr double kSampleNudge = Single(0.00001f);
// pathprofile's fixed sampling step along the path, km.
inline constexpr double kProfileStep_km = Single(0.02f);
// Default effective earth radius factor K and default mast height, m.
inline constexpr double kDefaultKFactor = Single(1.3f);
inline constexpr double kDefaultMastHeight_m = 2.0;

}  // namespace console
