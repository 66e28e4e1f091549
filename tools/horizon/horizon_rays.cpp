#include "horizon_rays.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace horizon {

const RayHorizon& HorizonSweep::Nearest(double bearing_deg) const {
    const double b = bearing_deg - 360 * std::floor(bearing_deg / 360);
    const auto after = std::lower_bound(
        rays.begin(), rays.end(), b,
        [](const RayHorizon& ray, double value) { return ray.bearing_deg < value; });
    if (after == rays.begin()) return *after;
    if (after == rays.end()) {
        // Past the last ray: the first (bearing 0) lies 360 - b away the other way round.
        const RayHorizon& last = rays.back();
        return (360 - b) < (b - last.bearing_deg) ? rays.front() : last;
    }
    const RayHorizon& before = *(after - 1);
    return (b - before.bearing_deg) <= (after->bearing_deg - b) ? before : *after;
}

double HorizonSweep::HighestBefore(const RayHorizon& ray, double t) const {
    double highest = mastview::kLowestAngle_rad;
    for (std::size_t i = 0; i < ray.stepCount; ++i) {
        const GroundStep& step = steps[ray.firstStep + i];
        if (step.t >= t) break;
        highest = step.angle_rad;
    }
    return highest;
}

double HorizonSweep::LowestHorizon_rad() const {
    double lowest = std::numeric_limits<double>::infinity();
    for (const RayHorizon& ray : rays) lowest = std::min(lowest, ray.angle_rad);
    return lowest;
}

double HorizonSweep::HighestHorizon_rad() const {
    double highest = -std::numeric_limits<double>::infinity();
    for (const RayHorizon& ray : rays) highest = std::max(highest, ray.angle_rad);
    return highest;
}

}  // namespace horizon
