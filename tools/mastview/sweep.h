// The ray sweep shared by visplot and horizon: rays go out from the mast over every bearing and
// each terrain sample is tested against the highest elevation angle met so far on its ray.
//
// Elevation angles are in radians, seen from the mast top, with the earth's curvature taken
// into account through an effective earth radius of K times the mean radius (the usual
// tropospheric refraction model: e = dh / d - d / (2 K R)).
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "console/console_constants.h"
#include "mastview/ordered_rays.h"
#include "mastview/plot_heights.h"
#include "terrain/area_grid.h"

namespace mastview {

// The default radius is 1.4 times the radio horizon in whole tens of km: 10 * floor(0.14 * d).
inline constexpr double kDefaultRadiusShare = console::Single(0.14f);
// A ray's highest angle starts far below anything the terrain can give.
inline constexpr double kLowestAngle_rad = -99.0;
// The sweep repaints the window about this many times.
inline constexpr int kProgressSteps = 40;

// Nearest integer, an exact half going to the even neighbour (the default rounding mode).
// Only for values well inside the int range.
inline int Nearest(double v) {
    return static_cast<int>(std::nearbyint(v));
}

// Radio horizon in km of a point height_m above flat ground at sea level, with refraction
// factor kFactor: sqrt(2 * R * K * h / 1000). 0 for heights at or below sea level.
double RadioHorizon_km(double height_m, double kFactor);

// The default plot radius in km for a mast top mastTop_m above sea level:
// 10 * floor(0.14 * radio horizon), so 200 m ground + 10 m mast with K 1.3 gives 80 km.
double DefaultRadius_km(double mastTop_m, double kFactor);

// What a sweep needs to know about the mast and the plot.
struct SweepSetup {
    double radius_km = 0;  // Rd, > 0
    double kFactor = console::kDefaultKFactor;
    int32_t ground_m = 0;                           // H0, ground height at the centre
    double mast_m = console::kDefaultMastHeight_m;  // mast height above ground
    int nLon = 0;                                   // plot width in samples
    int nLat = 0;                                   // plot height in samples
    int x0 = 0;                                     // area-grid column of plot sample (0, 0)
    int y0 = 0;                                     // area-grid row of plot sample (0, 0)
};

// Which samples count as a new highest: visplot paints only strictly higher angles, horizon
// also plots angles that equal the highest so far.
enum class NewHighest { kStrictlyAbove, kAtOrAbove };

// One sample that set a new highest angle on its ray.
struct RaySample {
    double bearing_deg;  // 0 ... 360, clockwise from north
    double t;            // distance as a fraction of the radius, 0 < t <= 1
    int x, y;            // plot sample, 0 ... nLon and 0 ... nLat
    double angle_rad;    // elevation angle
};

// Where a sweep records the plot samples its rays step on: a bit plane (bit y * (nLon + 1) + x)
// for each of its threads, so that no two threads write one word. The sweep runs on as many
// threads as there are planes.
struct StepPlanes {
    std::vector<uint64_t*> planes;
};

// The heights of the plot samples (0 ... nLon, 0 ... nLat) copied out of an area grid: the
// sweep's heights for a grid filled by other means than the tile loading (tests, benchmarks).
PlotHeights PlotHeightsFrom(const SweepSetup& setup, const terrain::AreaGrid& grid);

// The samples along single rays of one plot that set a new highest angle.
class RayTracer {
  public:
    RayTracer(const SweepSetup& setup, const PlotHeights& heights, NewHighest rule);
    // The bearings of the rays: 0, dθ, 2dθ ... up to 360 (an accumulated sum), dθ giving
    // 0.08 km at the rim.
    std::vector<double> Bearings() const;
    // Appends to `samples` each sample of the ray at bearing_deg, t = dt, 2dt ... up to 1 (an
    // accumulated sum), that sets a new highest angle by the tracer's rule, and sets the bit of
    // every sample it steps on in `steps` when that is given.
    void Trace(double bearing_deg, std::vector<RaySample>& samples,
               uint64_t* steps = nullptr) const;

  private:
    const SweepSetup& setup_;
    const PlotHeights& heights_;
    NewHighest rule_;
    double dBearing_;
    double dt_;
    double curvature_;
};

// The elevation angle (radians) at which the mast top sees the ground of plot sample (x, y), of
// height h_m, by the sweep's own geometry: the sample's distance is its fraction of the radius
// in the plot's ellipse (t = sqrt(u^2 + v^2), u = 2x / nLon - 1, v = 2y / nLat - 1) times the
// radius, and e = (h - ground - mast) / (1000 s) - s / (2 K R). NaN at the centre itself.
double ElevationAngle_rad(const SweepSetup& setup, int x, int y, int32_t h_m);

// Throws std::invalid_argument when the radius is not positive and finite or when the grid
// (or the heights) do not hold every plot sample the sweep can read.
void CheckSweep(const SweepSetup& setup, const terrain::AreaGrid& grid);
void CheckSweep(const SweepSetup& setup, const PlotHeights& heights);

// Sweeps rays over bearings 0, dθ, 2dθ ... up to 360 and samples t = dt, 2dt ... up to 1 along
// each (both accumulated sums), with dθ and dt giving 0.08 km at the rim. Calls
// mark(RaySample) for every sample that sets a new highest angle on its ray, and progress(p)
// whenever nearest(40 * bearing / 360) passes the last p (40 calls in all). With `steps`, the
// samples the rays step on are recorded there too.
template <class Mark, class Progress>
void SweepRays(const SweepSetup& setup, const PlotHeights& heights, NewHighest rule, Mark&& mark,
               Progress&& progress, const StepPlanes* steps = nullptr) {
    CheckSweep(setup, heights);
    const RayTracer tracer(setup, heights, rule);
    const std::vector<double> bearings = tracer.Bearings();
    int lastProgress = 0;
    // The rays are traced on every core; their samples come back here in bearing order, so
    // mark and progress see exactly the calls of a single-threaded sweep.
    RunRaysInOrder(
        bearings.size(),
        [&](std::size_t i, unsigned thread, std::vector<RaySample>& samples) {
            tracer.Trace(bearings[i], samples, steps ? steps->planes[thread] : nullptr);
        },
        [&](std::size_t i, const std::vector<RaySample>& samples) {
            for (const RaySample& s : samples) mark(s);
            const int p = Nearest(kProgressSteps * bearings[i] / 360);
            if (p > lastProgress) {
                lastProgress = p;
                progress(p);
            }
        },
        steps ? static_cast<unsigned>(steps->planes.size()) : SweepThreads());
}

// The same sweep over the plot samples of an area grid.
template <class Mark, class Progress>
void SweepRays(const SweepSetup& setup, const terrain::AreaGrid& grid, NewHighest rule, Mark&& mark,
               Progress&& progress) {
    CheckSweep(setup, grid);
    SweepRays(setup, PlotHeightsFrom(setup, grid), rule, std::forward<Mark>(mark),
              std::forward<Progress>(progress));
}

}  // namespace mastview
