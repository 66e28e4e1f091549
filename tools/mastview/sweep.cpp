#include "mastview/sweep.h"

#include <algorithm>
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
    cells_ = console::HugePageArray<int16_t>(blocksX_ * static_cast<std::size_t>(blocksY)
                                             << (2 * kShift));
    // A ray reads the sample nearest to a point at most the radius from the centre: inside the
    // ellipse of half-axes nLon / 2 and nLat / 2, give or take half a sample. A block is copied
    // when its rectangle, widened by one sample, reaches into that ellipse.
    const double cx = setup.nLon / 2.0, cy = setup.nLat / 2.0;
    const auto gap = [](double centre, int first, int last) {
        return std::max({0.0, first - 1 - centre, centre - (last + 1)});
    };
    for (int by = 0; by < blocksY; ++by) {
        const int y0 = by * kSide, y1 = std::min(y0 + kMask, setup.nLat);
        const double dy = cy > 0 ? gap(cy, y0, y1) / cy : 0;
        for (int bx = 0; bx < blocksX; ++bx) {
            const int x0 = bx * kSide, x1 = std::min(x0 + kMask, setup.nLon);
            const double dx = cx > 0 ? gap(cx, x0, x1) / cx : 0;
            if (dx * dx + dy * dy > 1) continue;  // a corner the rays never reach
            int16_t* block =
                cells_.Data() +
                ((static_cast<std::size_t>(by) * blocksX_ + static_cast<std::size_t>(bx))
                 << (2 * kShift));
            for (int y = y0; y <= y1; ++y) {
                const int32_t* row = grid.Row(y + setup.y0) + setup.x0;
                int16_t* out = block + (static_cast<std::size_t>(y & kMask) << kShift);
                // The grid holds the tiles' 16-bit samples (voids replaced by 0), so the
                // narrowing keeps every value.
                for (int x = x0; x <= x1; ++x) out[x & kMask] = static_cast<int16_t>(row[x]);
            }
        }
    }
}

RayTracer::RayTracer(const SweepSetup& setup, const PlotHeights& heights, NewHighest rule)
    : setup_(setup),
      heights_(heights),
      rule_(rule),
      dBearing_(console::kSweepStep_km * console::kDegPerRad / setup.radius_km),
      dt_(console::kSweepStep_km / setup.radius_km),
      curvature_(2.0 * console::kEarthRadius_km * setup.kFactor) {}

std::vector<double> RayTracer::Bearings() const {
    std::vector<double> bearings;
    for (double b = 0; b <= 360; b += dBearing_) bearings.push_back(b);
    return bearings;
}

void RayTracer::Trace(double bearing_deg, std::vector<RaySample>& samples) const {
    const double rd = setup_.radius_km;
    const double nLon = setup_.nLon;
    const double nLat = setup_.nLat;
    const double a = (90 - bearing_deg) / console::kDegPerRad;
    const double ca = std::cos(a);
    const double sa = std::sin(a);
    double highest = kLowestAngle_rad;
    for (double t = dt_; t <= 1; t += dt_) {
        const double s = t * rd;
        const int x = Nearest((ca * t + 1) / 2 * nLon);
        const int y = Nearest((sa * t + 1) / 2 * nLat);
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

void CheckSweep(const SweepSetup& setup, const console::AreaGrid& grid) {
    if (!(setup.radius_km > 0) || !std::isfinite(setup.radius_km))
        throw std::invalid_argument("sweep radius must be a positive number of km");
    if (setup.nLon < 0 || setup.nLat < 0 || !grid.Inside(setup.x0, setup.y0) ||
        !grid.Inside(setup.x0 + setup.nLon, setup.y0 + setup.nLat))
        throw std::invalid_argument("the area grid does not hold every plot sample");
}

}  // namespace mastview
