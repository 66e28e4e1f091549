#include "mastview/sample_verdicts.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace mastview {

SampleVerdicts::SampleVerdicts(const SweepSetup& setup, unsigned threads)
    : setup_(setup),
      colours_(static_cast<std::size_t>(setup.nLon + 1) * static_cast<std::size_t>(setup.nLat + 1),
               terrain::PageSize::kOrdinary),
      visited_(colours_.Size() / 64 + 1, terrain::PageSize::kOrdinary),
      seen_(visited_.Size(), terrain::PageSize::kOrdinary),
      filled_(visited_.Size(), terrain::PageSize::kOrdinary) {
    // Sample spacing in km across and up: the plot spans 2 Rd both ways.
    const double kmAcross = setup_.nLon > 0 ? 2 * setup_.radius_km / setup_.nLon : 0;
    const double kmUp = setup_.nLat > 0 ? 2 * setup_.radius_km / setup_.nLat : 0;
    std::vector<std::pair<double, Offset>> byDistance;
    for (int dy = -kReach; dy <= kReach; ++dy)
        for (int dx = -kReach; dx <= kReach; ++dx)
            byDistance.push_back(
                {(dx * kmAcross) * (dx * kmAcross) + (dy * kmUp) * (dy * kmUp), Offset{dx, dy}});
    std::stable_sort(byDistance.begin(), byDistance.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& entry : byDistance) nearestFirst_.push_back(entry.second);
    for (unsigned t = 1; t < threads; ++t)
        otherSteps_.emplace_back(visited_.Size(), terrain::PageSize::kOrdinary);
    // A plot without width or height has no sample inside its radius.
    const bool empty = setup_.nLon <= 0 || setup_.nLat <= 0;
    for (int x = 0; x <= std::max(setup_.nLon, 0); ++x) {
        const double u = 2.0 * x / setup_.nLon - 1;
        acrossSquared_.push_back(empty ? std::numeric_limits<double>::infinity() : u * u);
    }
}

StepPlanes SampleVerdicts::Steps() {
    StepPlanes steps;
    steps.planes.push_back(visited_.Data());
    for (Bits& plane : otherSteps_) steps.planes.push_back(plane.Data());
    return steps;
}

void SampleVerdicts::JoinSteps() {
    for (const Bits& plane : otherSteps_)
        for (std::size_t w = 0; w < plane.Size(); ++w) visited_[w] |= plane[w];
    otherSteps_.clear();
}

int16_t SampleVerdicts::NearestVerdict(int x, int y) const {
    for (const Offset& o : nearestFirst_) {
        const int nx = x + o.dx;
        const int ny = y + o.dy;
        if (nx < 0 || nx > setup_.nLon || ny < 0 || ny > setup_.nLat) continue;
        const std::size_t i = Index(nx, ny);
        if (Test(visited_, i)) return Test(seen_, i) ? colours_[i] : kHidden;
    }
    return kUnvisited;
}

}  // namespace mastview
