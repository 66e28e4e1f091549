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
#include "terrain/huge_page_array.h"

namespace mastview {

class SampleVerdicts {
  public:
    static constexpr int16_t kUnvisited = -2;
    static constexpr int16_t kHidden = -1;  // visited, never seen

    // For a sweep on `threads` threads.
    explicit SampleVerdicts(const SweepSetup& setup, unsigned threads = SweepThreads());

    // Where the sweep records the samples its rays step on (pass them to SweepRays, then call
    // JoinSteps): these are the visited samples.
    StepPlanes Steps();
    void JoinSteps();

    // A ray saw plot sample (x, y), one it steps on, at colour index `colour` (0 ... 255); a
    // later sighting wins, as a later paint covers an earlier one.
    void Seen(int x, int y, int colour) {
        const std::size_t i = Index(x, y);
        colours_[i] = static_cast<uint8_t>(colour);
        Set(seen_, i);
    }

    // kUnvisited, kHidden or the colour index of sample (x, y).
    int16_t At(int x, int y) const {
        const std::size_t i = Index(x, y);
        if (!Test(visited_, i) && !Test(filled_, i)) return kUnvisited;
        return Test(seen_, i) ? colours_[i] : kHidden;
    }

    // Gives each unvisited sample inside the radius the verdict of the nearest visited sample
    // (distances in km; visited samples up to kReach samples away are looked at) and calls
    // paint(x, y, colour) for each that is thereby seen.
    template <class Paint>
    void FillUnvisited(Paint&& paint);

    // Samples farther than this from every visited one keep no verdict (stay unpainted).
    static constexpr int kReach = 3;

  private:
    // One bit a sample: the rays walk the whole plot, and a bit plane of the largest plot
    // (about 50 million samples) stays small enough to be cached where a byte plane is not.
    // Mapped page by page as bits are set, like the colours.
    using Bits = terrain::HugePageArray<uint64_t>;
    static void Set(Bits& bits, std::size_t i) { bits[i >> 6] |= uint64_t{1} << (i & 63); }
    static bool Test(const Bits& bits, std::size_t i) { return (bits[i >> 6] >> (i & 63)) & 1; }

    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(setup_.nLon + 1) +
               static_cast<std::size_t>(x);
    }
    // A plot sample (x, y) lies within the radius when u^2 + v^2 <= 1, with u = 2x / nLon - 1
    // and v = 2y / nLat - 1; the u^2 of every column are worked out once, v^2 once a row.
    double UpSquared(int y) const {
        const double v = 2.0 * y / setup_.nLat - 1;
        return v * v;
    }
    std::vector<double> acrossSquared_;  // u^2 of each column; +infinity for an empty plot
    // The verdict of the nearest visited sample, kUnvisited when there is none within reach.
    int16_t NearestVerdict(int x, int y) const;

    SweepSetup setup_;
    // Of the samples seen. Written only where a ray saw the ground, and mapped page by page as
    // it is: the plot's corners and the wide stretches the mast cannot see cost no memory.
    terrain::HugePageArray<uint8_t> colours_;
    Bits visited_;                  // tested by a ray (the calling thread's step plane)
    std::vector<Bits> otherSteps_;  // the step planes of the sweep's other threads
    Bits seen_;                     // seen by a ray, or given a seen verdict by the fill
    Bits filled_;                   // given a verdict by the fill (never passed on)
    // The neighbours within kReach, nearest first; equally near ones in row order, so that the
    // first visited one is the one a full scan keeping the first nearest would pick.
    struct Offset {
        int dx, dy;
    };
    std::vector<Offset> nearestFirst_;
};

template <class Paint>
void SampleVerdicts::FillUnvisited(Paint&& paint) {
    // Worked out from the sweep's own verdicts only (a filled sample is not marked visited, so
    // it passes nothing on), in row order.
    for (int y = 0; y <= setup_.nLat; ++y) {
        const double upSquared = UpSquared(y);
        for (int x = 0; x <= setup_.nLon; ++x) {
            const std::size_t i = Index(x, y);
            // Most of the plot is visited: 64 visited samples in a row are passed at once.
            if ((i & 63) == 0 && x + 63 <= setup_.nLon && visited_[i >> 6] == ~uint64_t{0}) {
                x += 63;
                continue;
            }
            if (Test(visited_, i) ||
                !(acrossSquared_[static_cast<std::size_t>(x)] + upSquared <= 1))
                continue;
            const int16_t verdict = NearestVerdict(x, y);
            if (verdict == kUnvisited) continue;
            Set(filled_, i);
            if (verdict >= 0) {
                colours_[i] = static_cast<uint8_t>(verdict);
                Set(seen_, i);
                paint(x, y, static_cast<int>(verdict));
            }
        }
    }
}

}  // namespace mastview
