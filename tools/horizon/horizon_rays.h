// The horizon of every ray of the sweep: where it lies (its elevation angle and distance) and the
// ground seen below it, each stretch of elevation angle with the distance of the ground that
// fills it, as a panorama shows it.
#pragma once

#include <cstddef>
#include <vector>

#include "mastview/plot_heights.h"
#include "mastview/sweep.h"
#include "terrain/no_data_mask.h"

namespace horizon {

// One sample of a ray that set a new highest angle: the ground seen from the angle of the
// previous one up to this angle lies at this distance.
struct GroundStep {
    float angle_rad;
    float t;      // distance as a fraction of the radius
    bool noData;  // on ground without height data (which reads 0 m)
};

struct RayHorizon {
    double bearing_deg = 0;
    double angle_rad = 0;                      // the horizon: the highest angle the ray reaches
    double t = 0;                              // its distance as a fraction of the radius
    int x = 0, y = 0;                          // its plot sample
    bool noData = false;                       // the horizon lies on ground without height data
    std::size_t firstStep = 0, stepCount = 0;  // its steps in HorizonSweep::steps
};

struct HorizonSweep {
    double radius_km = 0;
    std::vector<RayHorizon> rays;   // in bearing order, 0 ... 360
    std::vector<GroundStep> steps;  // the rays' steps one after another, rising along each ray

    double Distance_km(const RayHorizon& ray) const { return ray.t * radius_km; }
    // The ray whose bearing is nearest bearing_deg (taken modulo 360); the sweep has rays.
    const RayHorizon& Nearest(double bearing_deg) const;
    // The highest angle `ray` reaches nearer than the fraction t of the radius (kLowestAngle_rad
    // when it reaches none): what hides the ground at t.
    double HighestBefore(const RayHorizon& ray, double t) const;
    // The lowest and highest horizon angle.
    double LowestHorizon_rad() const;
    double HighestHorizon_rad() const;
};

// Sweeps the rays of `setup` over `heights` (horizon's rule: an angle equal to the highest so far
// counts as new), calling progress(p) as the sweep does.
template <class Progress>
HorizonSweep SweepHorizons(const mastview::SweepSetup& setup, const mastview::PlotHeights& heights,
                           const terrain::NoDataMask& noData, Progress&& progress) {
    HorizonSweep sweep;
    sweep.radius_km = setup.radius_km;
    mastview::SweepRays(
        setup, heights, mastview::NewHighest::kAtOrAbove,
        [&](const mastview::RaySample& s) {
            if (sweep.rays.empty() || sweep.rays.back().bearing_deg != s.bearing_deg) {
                RayHorizon ray;
                ray.bearing_deg = s.bearing_deg;
                ray.firstStep = sweep.steps.size();
                sweep.rays.push_back(ray);
            }
            RayHorizon& ray = sweep.rays.back();
            const bool missing = noData.At(s.x, s.y);
            sweep.steps.push_back(
                {static_cast<float>(s.angle_rad), static_cast<float>(s.t), missing});
            ++ray.stepCount;
            // The marks rise along the ray: the last one is the horizon.
            ray.angle_rad = s.angle_rad;
            ray.t = s.t;
            ray.x = s.x;
            ray.y = s.y;
            ray.noData = missing;
        },
        progress);
    return sweep;
}

}  // namespace horizon
