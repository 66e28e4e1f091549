#include "mastview/sweep.h"

#include <stdexcept>

namespace mastview {

double RadioHorizon_km(double height_m, double kFactor) {
    if (!(height_m > 0) || !(kFactor > 0)) return 0;
    return std::sqrt(2 * console::kEarthRadius_km * kFactor * height_m / 1000);
}

double DefaultRadius_km(double mastTop_m, double kFactor) {
    return 10 * std::floor(kDefaultRadiusShare * RadioHorizon_km(mastTop_m, kFactor));
}

PlotHeights::PlotHeights(const SweepSetup& setup, const console::AreaGrid& grid) {
    const int blocksX = (setup.nLon >> kShift) + 1;
    const int blocksY = (setup.nLat >> kShift) + 1;
    blocksX_ = static_cast<std::size_t>(blocksX);
    cells_.assign(blocksX_ * static_cast<std::size_t>(blocksY) << (2 * kShift), 0);
    for (int y = 0; y <= setup.nLat; ++y) {
        const int32_t* row = grid.Row(y + setup.y0) + setup.x0;
        for (int x = 0; x <= setup.nLon; ++x) {
            const std::size_t block = static_cast<std::size_t>(y >> kShift) * blocksX_ +
                                      static_cast<std::size_t>(x >> kShift);
            cells_[(block << (2 * kShift)) + (static_cast<std::size_t>(y & kMask) << kShift) +
                   static_cast<std::size_t>(x & kMask)] = row[x];
        }
    }
}

void CheckSweep(const SweepSetup& setup, const console::AreaGrid& grid) {
    if (!(setup.radius_km > 0) || !std::isfinite(setup.radius_km))
        throw std::invalid_argument("sweep radius must be a positive number of km");
    if (setup.nLon < 0 || setup.nLat < 0 || !grid.Inside(setup.x0, setup.y0) ||
        !grid.Inside(setup.x0 + setup.nLon, setup.y0 + setup.nLat))
        throw std::invalid_argument("the area grid does not hold every plot sample");
}

}  // namespace mastview
