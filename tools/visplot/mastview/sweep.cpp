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

void CheckSweep(const SweepSetup& setup, const console::AreaGrid& grid) {
    if (!(setup.radius_km > 0) || !std::isfinite(setup.radius_km))
        throw std::invalid_argument("sweep radius must be a positive number of km");
    if (setup.nLon < 0 || setup.nLat < 0 || !grid.Inside(setup.x0, setup.y0) ||
        !grid.Inside(setup.x0 + setup.nLon, setup.y0 + setup.nLat))
        throw std::invalid_argument("the area grid does not hold every plot sample");
}

}  // namespace mastview
