#include "mastview/sweep.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace mastview {

double RadioHorizon_km(double height_m, double kFactor) {
    if (!(height_m > 0) || !(kFactor > 0)) return 0;
    return std::sqrt(2 * console::kEarthRadiusSingle_km * kFactor * height_m / 1000);
}

double DefaultRadius_km(double mastTop_m, double kFactor) {
    return 10 * std::floor(kDefaultRadiusShare * RadioHorizon_km(mastTop_m, kFactor));
}

PlotHeights PlotHeightsFrom(const SweepSetup& setup, const terrain::AreaGrid& grid) {
    PlotHeights heights(setup.nLon, setup.nLat);
    std::vector<int32_t> row(static_cast<std::size_t>(setup.nLon) + 1);
    for (int y = 0; y <= setup.nLat; ++y) {
        const int16_t* cells = grid.Row(y + setup.y0) + setup.x0;
        std::copy(cells, cells + setup.nLon + 1, row.begin());
        heights.SetRow(0, y, row.data(), setup.nLon + 1);
    }
    return heights;
}

RayTracer::RayTracer(const SweepSetup& setup, const PlotHeights& heights, NewHighest rule)
    : setup_(setup),
      heights_(heights),
      rule_(rule),
      dBearing_(console::kSweepStep_km * console::kDegPerRad / setup.radius_km),
      dt_(console::kSweepStep_km / setup.radius_km),
      curvature_(2.0 * console::kEarthRadiusSingle_km * setup.kFactor) {}

std::vector<double> RayTracer::Bearings() const {
    std::vector<double> bearings;
    for (double b = 0; b <= 360; b += dBearing_) bearings.push_back(b);
    return bearings;
}

void RayTracer::Trace(double bearing_deg, std::vector<RaySample>& samples, uint64_t* steps) const {
    const double rd = setup_.radius_km;
    const double nLon = setup_.nLon;
    const double nLat = setup_.nLat;
    const double a = (90 - bearing_deg) / console::kDegPerRad;
    const double ca = std::cos(a);
    const double sa = std::sin(a);
    const std::size_t rowLength = static_cast<std::size_t>(setup_.nLon) + 1;
    double highest = kLowestAngle_rad;
    for (double t = dt_; t <= 1; t += dt_) {
        const double s = t * rd;
        const int x = Nearest((ca * t + 1) / 2 * nLon);
        const int y = Nearest((sa * t + 1) / 2 * nLat);
        if (steps) {
            const std::size_t i =
                static_cast<std::size_t>(y) * rowLength + static_cast<std::size_t>(x);
            steps[i >> 6] |= uint64_t{1} << (i & 63);
        }
        const int32_t h = heights_.At(x, y);
        const double e = (static_cast<double>(h - setup_.ground_m) - setup_.mast_m) / (1000.0 * s) -
                         s / curvature_;
        const bool isNew = rule_ == NewHighest::kStrictlyAbove ? e > highest : e >= highest;
        if (isNew) {
            highest = e;
            samples.push_back(RaySample{bearing_deg, t, x, y, e});
        }
    }
}

double ElevationAngle_rad(const SweepSetup& setup, int x, int y, int32_t h_m) {
    const double u = 2.0 * x / setup.nLon - 1, v = 2.0 * y / setup.nLat - 1;
    const double s = std::sqrt(u * u + v * v) * setup.radius_km;
    if (!(s > 0)) return std::numeric_limits<double>::quiet_NaN();
    const double curvature = 2.0 * console::kEarthRadiusSingle_km * setup.kFactor;
    return (static_cast<double>(h_m - setup.ground_m) - setup.mast_m) / (1000.0 * s) -
           s / curvature;
}

void CheckSweep(const SweepSetup& setup, const terrain::AreaGrid& grid) {
    if (!(setup.radius_km > 0) || !std::isfinite(setup.radius_km))
        throw std::invalid_argument("sweep radius must be a positive number of km");
    if (setup.nLon < 0 || setup.nLat < 0 || !grid.Inside(setup.x0, setup.y0) ||
        !grid.Inside(setup.x0 + setup.nLon, setup.y0 + setup.nLat))
        throw std::invalid_argument("the area grid does not hold every plot sample");
}

void CheckSweep(const SweepSetup& setup, const PlotHeights& heights) {
    if (!(setup.radius_km > 0) || !std::isfinite(setup.radius_km))
        throw std::invalid_argument("sweep radius must be a positive number of km");
    if (setup.nLon != heights.NLon() || setup.nLat != heights.NLat())
        throw std::invalid_argument("the plot heights do not hold every plot sample");
}

}  // namespace mastview
