#include "map_rectangle.h"

#include <algorithm>
#include <cmath>

#include "console/console_constants.h"
#include "console/numbers.h"

namespace terrainmap {
namespace {

constexpr double kDefaultWidthKm = 100;  // terrainplot's width prompt default
constexpr double kDefaultSizeKm = 30;    // terrain3d's size prompt default
constexpr double kSmallestPlotKm = 2;

double SizeFromAnswer(double typed_km, double default_km) {
    const double km = typed_km < console::kMinPlotSize_km ? default_km : typed_km;
    return km < kSmallestPlotKm ? kSmallestPlotKm : km;
}

}  // namespace

MapRectangle MapRectangleAround(double lat0_deg, double lon0_deg, double northSouthKm,
                                int samplesPerDegree) {
    MapRectangle a;
    a.northSouthKm = northSouthKm;
    a.samplesPerDegree = samplesPerDegree;
    const double cosLat0 = std::cos(lat0_deg * console::kRadPerDeg);
    const double rowKm = console::kKmPerDegreeLatSingle / samplesPerDegree;
    a.nLat = console::RoundToInt(std::min(northSouthKm / rowKm, double{kMaxRows}));
    a.nLon =
        console::RoundToInt(std::min(a.nLat * console::kPlotAspect / cosLat0, double{kMaxColumns}));
    const double halfWidthDeg =
        (console::kPlotAspect * northSouthKm / console::kKmPerDegreeLatSingle / 2) / cosLat0;
    const double halfHeightDeg = northSouthKm / console::kKmPerDegreeLatSingle / 2;
    a.west = lon0_deg - halfWidthDeg;
    a.east = lon0_deg + halfWidthDeg;
    a.south = lat0_deg - halfHeightDeg;
    a.north = lat0_deg + halfHeightDeg;
    return a;
}

double PlotWidthFromAnswer(double typed_km) {
    return SizeFromAnswer(typed_km, kDefaultWidthKm);
}

double PlotSizeFromAnswer(double typed_km) {
    return SizeFromAnswer(typed_km, kDefaultSizeKm);
}

double HeightExtentKm(double width_km) {
    return width_km / console::kPlotAspect;
}

int RepaintStep(int nLat) {
    return std::max(1, console::RoundToInt(nLat / 100.0));
}

int MaxPlotFromAnswer(double typed_m, int maxFound_m) {
    const int m = console::RoundToInt(typed_m);
    return m < 1 ? maxFound_m : m;
}

}  // namespace terrainmap
