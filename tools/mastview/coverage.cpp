#include "mastview/coverage.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>

#include "radiolink/bullington_ray.h"
#include "radiolink/link_budget.h"
#include "radiolink/radio_propagation.h"

namespace mastview {
namespace {

// Unset samples look this many rings of neighbours out for a level (rays at 0.08 km spacing
// leave gaps of one or two samples at most).
constexpr int kFillRings = 3;
// Room beyond the rim's rounding for the test that a ray has left the disc for good.
constexpr double kRimSlack = 1e-9;

// Keeps the larger of the held level and `level`, whichever thread gets there first.
void KeepBest(std::int16_t& cell, std::int16_t level) {
    std::atomic_ref<std::int16_t> held(cell);
    std::int16_t seen = held.load(std::memory_order_relaxed);
    while (level > seen && !held.compare_exchange_weak(seen, level, std::memory_order_relaxed)) {
    }
}

// True when plot sample (x, y) lies within the radius of the plot's centre (the disc the rays of
// the visibility sweep cover).
bool InDisc(const SweepSetup& setup, int x, int y) {
    const double u = 2.0 * x / setup.nLon - 1.0;
    const double v = 2.0 * y / setup.nLat - 1.0;
    return u * u + v * v <= 1.0 + 1e-12;
}

// The ray from the mast at bearing_deg, t = dt, 2dt ... up to `reach` radii (an accumulated sum),
// into `ray` (cleared first): each sample it steps on within the disc gets its level, if better
// than the one held.
void TraceLevels(const SweepSetup& setup, const PlotHeights& heights, const CoverageRadio& radio,
                 const CoverageMast& mast, double bearing_deg, double dt, double reach,
                 radiolink::BullingtonRay& ray, LevelGrid& levels) {
    const double rd = setup.radius_km;
    const double a = (90 - bearing_deg) / console::kDegPerRad;
    const double dx = std::cos(a) * setup.nLon / 2.0;
    const double dy = std::sin(a) * setup.nLat / 2.0;
    const double wavelength_m = radiolink::Wavelength_m(radio.frequency_MHz);
    // Where the ray stands on the disc's own scale (the rim at 1), and how far a stepped sample
    // lies from that point at most (half a sample each way).
    const double du = 2.0 * dx / setup.nLon, dv = 2.0 * dy / setup.nLat;
    const double u0 = 2.0 * mast.x / setup.nLon - 1.0, v0 = 2.0 * mast.y / setup.nLat - 1.0;
    const double rounding = std::hypot(1.0 / setup.nLon, 1.0 / setup.nLat);
    const double beyondRim = 1.0 + rounding + kRimSlack;
    ray.Clear();
    for (double t = dt; t <= reach; t += dt) {
        const int x = Nearest(mast.x + dx * t);
        const int y = Nearest(mast.y + dy * t);
        if (x < 0 || y < 0 || x > setup.nLon || y > setup.nLat) break;
        const double s_km = t * rd;
        ray.Add({s_km, static_cast<double>(heights.At(x, y))});
        if (!InDisc(setup, x, y)) {
            // A straight ray that is moving away from the centre and lies outside the disc by
            // more than a sample's rounding steps on no sample of the disc again.
            const double u = u0 + du * t, v = v0 + dv * t;
            if (u * du + v * dv > 0 && std::hypot(u, v) > beyondRim) break;
            continue;
        }
        const double loss_dB =
            radiolink::FreeSpaceLoss_dB(wavelength_m, s_km * geodesy::kMetresPerKm) +
            ray.LossToLast(radio.rxHeight_m).loss_dB;
        KeepBest(levels.Data()[levels.Index(x, y)],
                 LevelGrid::Quantise(
                     radiolink::ReceivedLevel_dBm(radio.erp_W, loss_dB, radio.rxGain_dBi)));
    }
}

// Gives every sample of the disc that no ray stepped on the best level among its nearest
// stepped neighbours (the first ring of neighbours that holds any).
void FillGaps(const SweepSetup& setup, LevelGrid& levels) {
    std::vector<bool> stepped(levels.Index(setup.nLon, setup.nLat) + 1);
    for (std::size_t i = 0; i < stepped.size(); ++i)
        stepped[i] = levels.Data()[i] != LevelGrid::kNoLevel;
    for (int y = 0; y <= setup.nLat; ++y) {
        for (int x = 0; x <= setup.nLon; ++x) {
            if (stepped[levels.Index(x, y)] || !InDisc(setup, x, y)) continue;
            std::int16_t best = LevelGrid::kNoLevel;
            for (int ring = 1; ring <= kFillRings && best == LevelGrid::kNoLevel; ++ring) {
                for (int j = std::max(0, y - ring); j <= std::min(setup.nLat, y + ring); ++j)
                    for (int i = std::max(0, x - ring); i <= std::min(setup.nLon, x + ring); ++i)
                        if (stepped[levels.Index(i, j)]) best = std::max(best, levels.Raw(i, j));
            }
            levels.Data()[levels.Index(x, y)] = best;
        }
    }
}

}  // namespace

LevelGrid::LevelGrid(int nLon, int nLat)
    : nLon_(nLon),
      nLat_(nLat),
      cells_(static_cast<std::size_t>(nLon + 1) * static_cast<std::size_t>(nLat + 1), kNoLevel) {}

std::optional<double> LevelGrid::Level_dBm(int x, int y) const {
    if (x < 0 || y < 0 || x > nLon_ || y > nLat_) return std::nullopt;
    const std::int16_t raw = Raw(x, y);
    if (raw == kNoLevel) return std::nullopt;
    return ToDbm(raw);
}

std::int16_t LevelGrid::Quantise(double level_dBm) {
    const double steps = std::nearbyint(level_dBm * kStepsPer_dB);
    return static_cast<std::int16_t>(std::clamp(steps, kNoLevel + 1.0, double{INT16_MAX}));
}

CoverageMast CentreMast(const SweepSetup& setup) {
    return {setup.nLon / 2.0, setup.nLat / 2.0, setup.ground_m + setup.mast_m};
}

CoverageRays CoverageRaysFrom(const SweepSetup& setup, const CoverageMast& mast) {
    CoverageRays rays;
    // The farthest plot corner from the mast, in radii: the rays reach it, and their bearings are
    // close enough to leave at most a sample between neighbours there.
    for (int cx : {0, setup.nLon})
        for (int cy : {0, setup.nLat})
            rays.reach = std::max(rays.reach, std::hypot(2.0 * (cx - mast.x) / setup.nLon,
                                                         2.0 * (cy - mast.y) / setup.nLat));
    rays.step = console::kSweepStep_km / setup.radius_km;
    const double dBearing = rays.step * console::kDegPerRad / std::max(rays.reach, 1.0);
    for (double b = 0; b < 360; b += dBearing) rays.bearings_deg.push_back(b);
    return rays;
}

LevelGrid CoverageLevels(const SweepSetup& setup, const PlotHeights& heights,
                         const CoverageRadio& radio, const CoverageMast& mast, unsigned threads) {
    CheckSweep(setup, heights);
    LevelGrid levels(setup.nLon, setup.nLat);
    const CoverageRays rays = CoverageRaysFrom(setup, mast);
    const std::vector<double>& bearings = rays.bearings_deg;
    const double dt = rays.step, reach = rays.reach;

    threads = std::max(1u, threads);
    std::vector<std::jthread> workers;
    const double effectiveRadius_km = setup.kFactor * console::kEarthRadiusSingle_km;
    const double wavelength_m = radiolink::Wavelength_m(radio.frequency_MHz);
    auto work = [&](unsigned first) {
        radiolink::BullingtonRay ray(mast.top_m, effectiveRadius_km, wavelength_m);
        for (std::size_t i = first; i < bearings.size(); i += threads)
            TraceLevels(setup, heights, radio, mast, bearings[i], dt, reach, ray, levels);
    };
    for (unsigned w = 1; w < threads; ++w) workers.emplace_back(work, w);
    work(0);
    workers.clear();  // joins
    FillGaps(setup, levels);
    return levels;
}

}  // namespace mastview
