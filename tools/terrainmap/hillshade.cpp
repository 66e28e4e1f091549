#include "terrainmap/hillshade.h"

#include <algorithm>
#include <cmath>

namespace terrainmap {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadPerDeg = kPi / 180;
// A degree of latitude on the mean earth sphere (radius 6371 km), metres.
constexpr double kMetresPerDegree = 6371000 * kRadPerDeg;
// How much of the light's contrast goes into the colours: the full contrast would darken the
// steep slopes in shadow nearly to black, which the height scale gives to sea level.
constexpr double kStrength = 0.6;

std::uint8_t Channel(double v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

}  // namespace

double ShadeFactor(const std::array<double, 9>& z, double cellWidth_m, double cellHeight_m) {
    // Rises eastwards (p) and northwards (q); z[0..2] is the northern row, z[6..8] the southern.
    const double p = ((z[2] + 2 * z[5] + z[8]) - (z[0] + 2 * z[3] + z[6])) / (8 * cellWidth_m);
    const double q = ((z[0] + 2 * z[1] + z[2]) - (z[6] + 2 * z[7] + z[8])) / (8 * cellHeight_m);
    const double az = kLightAzimuth_deg * kRadPerDeg;
    const double alt = kLightAltitude_deg * kRadPerDeg;
    // The light's direction (east, north, up) against the ground's normal (-p, -q, 1).
    const double lx = std::sin(az) * std::cos(alt), ly = std::cos(az) * std::cos(alt);
    const double lz = std::sin(alt);
    const double lit = std::max(0.0, (-p * lx - q * ly + lz) / std::sqrt(1 + p * p + q * q));
    const double factor = 1 + kStrength * (lit / lz - 1);
    return std::clamp(factor, kDarkest, kBrightest);
}

console::Rgb Shaded(console::Rgb c, double factor) {
    return {Channel(c.red * factor), Channel(c.green * factor), Channel(c.blue * factor)};
}

double CellHeight_m(int samplesPerDegree) {
    return kMetresPerDegree / samplesPerDegree;
}

double CellWidth_m(int samplesPerDegree, double lat_deg) {
    return CellHeight_m(samplesPerDegree) * std::cos(lat_deg * kRadPerDeg);
}

}  // namespace terrainmap
