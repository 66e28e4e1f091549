// What the visibility sweep decided for each plot sample, and a verdict for the samples no ray
// visits. The sweep's rays step 0.08 km along and across; where the samples lie closer than that
// (east-west everywhere at British latitudes, where a sample is about 0.05 km wide, and across
// the rays near the rim) some samples fall between two steps or two rays and are never tested.
// Left as they are they would stay black like ground the mast cannot see. Each such sample
// inside the radius takes the verdict of the nearest sample a ray did visit, which is the
// verdict of the ray passing nearest to it.
#pragma once

#include <cstdint>
#include <vector>

#include "mastview/sweep.h"

namespace mastview {

class SampleVerdicts {
  public:
    static constexpr int16_t kUnvisited = -2;
    static constexpr int16_t kHidden = -1;  // visited, never seen

    explicit SampleVerdicts(const SweepSetup& setup);

    // A ray saw plot sample (x, y) at colour index `colour` (0 ... 255); a later sighting wins,
    // as a later paint covers an earlier one.
    void Seen(int x, int y, int colour) { cells_[Index(x, y)] = static_cast<int16_t>(colour); }

    // Marks every plot sample that a ray of SweepRays tests (the same bearings and steps).
    void VisitRays();

    // kUnvisited, kHidden or the colour index of sample (x, y).
    int16_t At(int x, int y) const {
        const int16_t v = cells_[Index(x, y)];
        return v >= kFilled + kHidden ? static_cast<int16_t>(v - kFilled) : v;
    }

    // Gives each unvisited sample inside the radius the verdict of the nearest visited sample
    // (distances in km; visited samples up to kReach samples away are looked at) and calls
    // paint(x, y, colour) for each that is thereby seen.
    template <class Paint>
    void FillUnvisited(Paint&& paint);

    // Samples farther than this from every visited one keep no verdict (stay unpainted).
    static constexpr int kReach = 3;

  private:
    // A verdict given by the fill is kept as verdict + kFilled, so that the rest of the fill
    // can tell it from the sweep's own and does not pass it on.
    static constexpr int16_t kFilled = 1024;

    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(setup_.nLon + 1) +
               static_cast<std::size_t>(x);
    }
    bool InsideRadius(int x, int y) const;
    // The verdict of the nearest visited sample, kUnvisited when there is none within reach.
    int16_t NearestVerdict(int x, int y) const;

    SweepSetup setup_;
    std::vector<int16_t> cells_;
    // The neighbours within kReach, nearest first; equally near ones in row order, so that the
    // first visited one is the one a full scan keeping the first nearest would pick.
    struct Offset {
        int dx, dy;
    };
    std::vector<Offset> nearestFirst_;
};

template <class Paint>
void SampleVerdicts::FillUnvisited(Paint&& paint) {
    // Worked out from the sweep's own verdicts only (a filled sample is marked as such and
    // passes nothing on), in row order.
    for (int y = 0; y <= setup_.nLat; ++y)
        for (int x = 0; x <= setup_.nLon; ++x) {
            int16_t& cell = cells_[Index(x, y)];
            if (cell != kUnvisited || !InsideRadius(x, y)) continue;
            const int16_t verdict = NearestVerdict(x, y);
            if (verdict == kUnvisited) continue;
            cell = static_cast<int16_t>(verdict + kFilled);
            if (verdict >= 0) paint(x, y, static_cast<int>(verdict));
        }
}

}  // namespace mastview
