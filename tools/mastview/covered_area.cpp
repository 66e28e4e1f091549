#include "mastview/covered_area.h"

#include <cmath>

#include "console/console_constants.h"
#include "geodesy/constants.h"

namespace mastview {

double SampleCellArea_km2(double lat_deg) {
    const double side_km =
        geodesy::kEarthRadius_km / console::kSamplesPerDegree / geodesy::kDegPerRad;
    return side_km * side_km * std::cos(lat_deg / geodesy::kDegPerRad);
}

CoveredArea CoveredAreaOf(const LevelGrid& levels, double latS_deg, double sensitivity_dBm) {
    CoveredArea area;
    for (int y = 0; y <= levels.NLat(); ++y) {
        long disc = 0, covered = 0;
        for (int x = 0; x <= levels.NLon(); ++x) {
            const std::int16_t raw = levels.Raw(x, y);
            if (raw == LevelGrid::kNoLevel) continue;
            ++disc;
            // The level as held, as the map colours it: a sample drawn covered is counted.
            if (LevelGrid::ToDbm(raw) >= sensitivity_dBm) ++covered;
        }
        const double cell_km2 =
            SampleCellArea_km2(latS_deg + static_cast<double>(y) / console::kSamplesPerDegree);
        area.disc_km2 += static_cast<double>(disc) * cell_km2;
        area.covered_km2 += static_cast<double>(covered) * cell_km2;
    }
    return area;
}

}  // namespace mastview
