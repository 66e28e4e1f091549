// Coverage prediction: the level a receiver would get from the mast at every plot sample, by
// free-space loss plus the Bullington diffraction loss over the ground between (radiolink).
//
// The rays of the visibility sweep are walked again, and along each the loss to every sample it
// steps on comes from the ground already walked (radiolink::BullingtonRay), so a map costs about
// what its rays' samples cost, not a whole profile per sample. Samples between the rays take the
// level of a neighbour that a ray stepped on.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "mastview/plot_heights.h"
#include "mastview/sweep.h"

namespace mastview {

// What is sent and how it is received.
struct CoverageRadio {
    double frequency_MHz = 144.0;
    double erp_W = 1.0;       // referred to a half-wave dipole, as UK licences state it
    double rxHeight_m = 1.5;  // receive antenna above the ground of each sample
    double rxGain_dBi = 0.0;  // receive antenna gain
};

// Received levels over the plot samples 0 ... nLon, 0 ... nLat, held in tenths of a decibel (a
// 16-bit grid: half the memory of floats at the largest radius, far finer than the 10 dB bands
// drawn). Samples outside the swept disc have no level.
class LevelGrid {
  public:
    static constexpr std::int16_t kNoLevel = INT16_MIN;
    static constexpr double kStepsPer_dB = 10;

    LevelGrid(int nLon, int nLat);
    int NLon() const { return nLon_; }
    int NLat() const { return nLat_; }
    // The level at plot sample (x, y) in dBm; nullopt outside the disc or the plot.
    std::optional<double> Level_dBm(int x, int y) const;
    std::int16_t Raw(int x, int y) const { return cells_[Index(x, y)]; }
    std::int16_t* Data() { return cells_.data(); }
    const std::int16_t* Data() const { return cells_.data(); }
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(nLon_ + 1) +
               static_cast<std::size_t>(x);
    }
    // A level in dBm as held: rounded to the step, kept within the 16-bit range.
    static std::int16_t Quantise(double level_dBm);
    // The level in dBm a held value stands for. Divided rather than multiplied by the step, so
    // that -1001 gives the same double as the typed -100.1 and a threshold of one decimal
    // compares exactly.
    static double ToDbm(std::int16_t raw) { return raw / kStepsPer_dB; }

  private:
    int nLon_;
    int nLat_;
    std::vector<std::int16_t> cells_;
};

// Where a transmitting antenna stands: a plot point (in samples, fractions allowed) and the
// height of the antenna's top above sea level.
struct CoverageMast {
    double x = 0;
    double y = 0;
    double top_m = 0;
};

// The mast of a sweep setup: at the plot's centre, setup.mast_m above its ground.
CoverageMast CentreMast(const SweepSetup& setup);

// The rays a coverage map traces from `mast`: they leave it every 0.08 km of arc at the farthest
// plot corner, step 0.08 km, and run out to that corner.
struct CoverageRays {
    std::vector<double> bearings_deg;  // 0 ... < 360, in the order traced
    double step = 0;                   // the step along a ray, in radii
    double reach = 0;                  // how far the rays run, in radii
};
CoverageRays CoverageRaysFrom(const SweepSetup& setup, const CoverageMast& mast);

// The level at every plot sample within the setup's radius of the plot's centre, from `mast`, over
// the heights of the plot (setup gives the plot's size, radius and K), on `threads` threads.
// Rays leave the mast every 0.08 km of arc at the farthest plot corner and step 0.08 km; where
// several rays step on one sample the best level counts (so the order of the rays does not
// matter), and a sample no ray stepped on takes the best level of its nearest stepped neighbours.
LevelGrid CoverageLevels(const SweepSetup& setup, const PlotHeights& heights,
                         const CoverageRadio& radio, const CoverageMast& mast,
                         unsigned threads = SweepThreads());

}  // namespace mastview
