#include "plot_area.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace terrainplot {
namespace {

// The console tools hold their fractional constants in single precision and widen them
// where they are used, so 111.2 acts as 111.19999694824219 and 1.4 as 1.399999976158142.
constexpr double kKmPerDegreeLat = static_cast<double>(111.2f);  // km per degree of latitude
constexpr double kAspect = static_cast<double>(1.4f);  // plot width over plot height, km/km
constexpr double kSmallestAnswer = static_cast<double>(0.00001f);  // below it: "no answer"
constexpr double kSamplesPerDegree = 1200;  // SRTM3: one sample every 3 arc-seconds
constexpr double kDefaultWidthKm = 100;     // terrainplot's width prompt default
constexpr double kDefaultSizeKm = 30;       // terrain3d's size prompt default
constexpr double kSmallestPlotKm = 2;

constexpr double kRadPerDeg = std::numbers::pi / 180;

// Nearest integer, an exact half to the even neighbour (the default rounding mode); values
// beyond the int range (a typed 1e20) are held at its ends instead of overflowing.
int RoundEven(double v) {
    const double r = std::nearbyint(v);
    if (!(r >= -2147483648.0)) return std::numeric_limits<int>::min();  // also NaN
    if (r > 2147483647.0) return std::numeric_limits<int>::max();
    return static_cast<int>(r);
}

double SizeFromAnswer(double typed_km, double default_km) {
    double km = typed_km < kSmallestAnswer ? default_km : typed_km;
    return km < kSmallestPlotKm ? kSmallestPlotKm : km;
}

}  // namespace

PlotArea PlotAreaAround(double lat0_deg, double lon0_deg, double northSouthKm) {
    PlotArea a;
    a.northSouthKm = northSouthKm;
    const double cosLat0 = std::cos(lat0_deg * kRadPerDeg);
    const double rowKm = kKmPerDegreeLat / kSamplesPerDegree;
    a.nLat = RoundEven(std::min(northSouthKm / rowKm, double{kMaxRows}));
    a.nLon = RoundEven(std::min(a.nLat * kAspect / cosLat0, double{kMaxColumns}));
    const double halfWidthDeg = (kAspect * northSouthKm / kKmPerDegreeLat / 2) / cosLat0;
    const double halfHeightDeg = northSouthKm / kKmPerDegreeLat / 2;
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
    return width_km / kAspect;
}

int RepaintStep(int nLat) {
    return std::max(1, RoundEven(nLat / 100.0));
}

int MaxPlotFromAnswer(double typed_m, int maxFound_m) {
    const int m = RoundEven(typed_m);
    return m < 1 ? maxFound_m : m;
}

}  // namespace terrainplot
