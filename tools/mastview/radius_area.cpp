#include "mastview/radius_area.h"

#include <algorithm>
#include <cmath>

#include "mastview/sweep.h"

namespace mastview {

namespace {

constexpr int kMaxX = kAreaCapacity.columns - 1;  // 10000
constexpr int kMaxY = kAreaCapacity.rows - 1;     // 6000

// Sample offset of a plot edge within its whole-degree tile: nearest(1200 * frac(deg)), the
// fraction keeping the sign of the value and 1200 added when the result is negative. A value
// just west (or south) of a negative whole degree has a fraction that rounds to -0; its tile is
// the one below, so the offset there is 1200, not 0 (0 would shift the whole plot a degree).
int EdgeOffset(double deg) {
    int offset = Nearest(console::kSamplesPerDegree * (deg - std::trunc(deg)));
    if (offset < 0 || (offset == 0 && deg < 0 && deg != std::trunc(deg)))
        offset += console::kSamplesPerDegree;
    return offset;
}

}  // namespace

RadiusAreaResult MakeRadiusArea(double lat0_deg, double lon0_deg, double radius_km) {
    RadiusAreaResult result;
    if (!(radius_km > 0) || !std::isfinite(radius_km)) {
        result.error = kRadiusNotPositive;
        return result;
    }
    result.error = kRadiusTooLarge;
    // Everything stays in doubles until it is known to fit, so no conversion can overflow.
    const double cosLat = std::cos(lat0_deg / console::kDegPerRad);
    if (!(cosLat > 0)) return result;
    const double halfLat_deg = radius_km / console::kKmPerDegreeLatSingle;
    const double halfLon_deg = halfLat_deg / cosLat;
    const double nLat =
        std::nearbyint(std::min(2 * radius_km / console::kKmPerSample, 1.0 * kMaxY));
    const double nLon = std::nearbyint(std::min(nLat / cosLat, 1.0 * kMaxX));
    const double lonW = lon0_deg - halfLon_deg, lonE = lon0_deg + halfLon_deg;
    const double latS = lat0_deg - halfLat_deg, latN = lat0_deg + halfLat_deg;
    if (!std::isfinite(lonW) || !std::isfinite(lonE) || latS < -90 || latN > 90) return result;
    const double tilesX = std::floor(lonE) - std::floor(lonW) + 1;
    const double tilesY = std::floor(latN) - std::floor(latS) + 1;
    if (console::kSamplesPerDegree * tilesX > kMaxX || console::kSamplesPerDegree * tilesY > kMaxY)
        return result;

    RadiusArea a;
    a.lat0_deg = lat0_deg;
    a.lon0_deg = lon0_deg;
    a.radius_km = radius_km;
    a.nLat = static_cast<int>(nLat);
    a.nLon = static_cast<int>(nLon);
    a.lonW_deg = lonW;
    a.lonE_deg = lonE;
    a.latS_deg = latS;
    a.latN_deg = latN;
    a.x0 = EdgeOffset(lonW);
    a.y0 = EdgeOffset(latS);
    a.tileLonW = static_cast<int>(std::floor(lonW));
    a.tileLonE = static_cast<int>(std::floor(lonE));
    a.tileLatS = static_cast<int>(std::floor(latS));
    a.tileLatN = static_cast<int>(std::floor(latN));
    if (a.x0 + a.nLon > kMaxX || a.y0 + a.nLat > kMaxY) return result;
    result.area = a;
    result.error.clear();
    return result;
}

int LargestRadius_km(double lat0_deg, double lon0_deg) {
    // Acceptance is not monotonic in the radius near tile edges, so try every radius.
    int largest = 0;
    for (int r = 1; r <= 1000; ++r)
        if (MakeRadiusArea(lat0_deg, lon0_deg, r).area) largest = r;
    return largest;
}

std::string RadiusTooLargeLine(int largest_km) {
    if (largest_km <= 0) return kRadiusTooLarge;
    return std::string(kRadiusTooLarge) + " (the largest radius here is " +
           std::to_string(largest_km) + " km)";
}

}  // namespace mastview
