#include "radiolink/bullington_ray.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace radiolink {
namespace {

// Blocks of 16 samples, 16 blocks to the next level up: a 4000-sample ray has three levels, and
// a block is small enough to walk whole once it may hold the nearest sample.
constexpr int kShift = 4;
constexpr std::size_t kFanOut = std::size_t{1} << kShift;

// The bounds below are worked in other terms than NearnessKey's and so round differently. They
// are loosened by this share of the magnitudes involved (rounding is some 1e-16 of them), so no
// block that holds the nearest sample is ever passed over.
constexpr double kBoundSlack = 1e-9;

}  // namespace

BullingtonRay::BullingtonRay(double txHeight_m, double effectiveRadius_km, double wavelength_m)
    : txHeight_m_(txHeight_m),
      bulge_(kBulgeMetresPerKm / effectiveRadius_km),
      wavelength_m_(wavelength_m),
      maxRiseFromTx_(kNone) {}

void BullingtonRay::Clear() {
    points_.clear();
    hull_.clear();
    maxRiseFromTx_ = kNone;
    for (std::vector<BlockTop>& tops : blockTop_) tops.clear();
}

void BullingtonRay::Add(const ProfilePoint& ground) {
    if (!points_.empty()) {
        // The last sample becomes an inner point of every path that ends further out.
        const std::size_t index = points_.size() - 1;
        const ProfilePoint& p = points_.back();
        maxRiseFromTx_ = std::max(
            maxRiseFromTx_, (p.height_m - txHeight_m_) / p.distance_km - bulge_ * p.distance_km);
        const HullPoint c{p.distance_km, p.height_m - bulge_ * p.distance_km * p.distance_km};
        while (hull_.size() >= 2) {
            const HullPoint& a = hull_[hull_.size() - 2];
            const HullPoint& b = hull_.back();
            // b is dropped when it lies on or below the chord from a to c.
            if ((b.d_km - a.d_km) * (c.g - a.g) - (b.g - a.g) * (c.d_km - a.d_km) < 0.0) break;
            hull_.pop_back();
        }
        hull_.push_back(c);
        // Its block at every level; a level is begun when the one below reaches a second block,
        // its first block then holding all that came before.
        for (std::size_t level = 0;; ++level) {
            if (level == blockTop_.size()) blockTop_.emplace_back();
            std::vector<BlockTop>& tops = blockTop_[level];
            const std::size_t block = index >> (kShift * (level + 1));
            const BlockTop sample{p.height_m, c.g};
            if (block == tops.size())
                tops.push_back(block == 0 && level > 0 ? Higher(sample, blockTop_[level - 1][0])
                                                       : sample);
            else
                tops[block] = Higher(tops[block], sample);
            if (tops.size() == 1) break;
        }
    }
    points_.push_back(ground);
}

std::size_t BullingtonRay::NearestInner(const PathEnds& ends) const {
    const std::size_t inner = points_.size() - 1;
    const double d = ends.path_km;
    const double tx = ends.txHeight_m;
    // An inner sample's height above the direct ray is u = g - tx + slope d_i.
    const double slope = bulge_ * d - (ends.rxHeight_m - tx) / d;
    const double magnitude = std::abs(tx) + std::abs(ends.rxHeight_m) + bulge_ * d * d + 1.0;
    double best = kNone;
    std::size_t bestIndex = SIZE_MAX;

    // The largest key any sample first ... last of a block can have. Its u = h - tx + slope d_i
    // - k d_i^2 is at most the block's highest ground less tx plus the parabola's top within the
    // block (the bulge taken exactly: over the sea this is the lowest the ray comes), and no more
    // than the block's highest g less tx plus the larger end of slope d_i. d_i (d - d_i) lies
    // between the ends' values, or reaches d^2 / 4 when the block spans the middle.
    auto bound = [&](const BlockTop& top, std::size_t first, std::size_t last) {
        const double dlo = points_[first].distance_km, dhi = points_[last].distance_km;
        const double apex = std::clamp(slope / (2 * bulge_), dlo, dhi);
        const double u =
            std::min(top.h - tx + (slope - bulge_ * apex) * apex,
                     top.g - tx + std::max(slope * dlo, slope * dhi)) +
            kBoundSlack * (std::abs(top.h) + std::abs(top.g) + std::abs(slope) * dhi + magnitude);
        const double plo = dlo * (d - dlo), phi = dhi * (d - dhi);
        if (u < 0) {
            const double most = dlo <= d / 2 && dhi >= d / 2 ? d * d / 4 : std::max(plo, phi);
            return -u * u / (most * (1 + kBoundSlack));
        }
        return u * u / (std::min(plo, phi) * (1 - kBoundSlack));
    };
    // Depth first, the blocks nearest the receiver first: the nearest sample usually lies just
    // before it, and once found it rules out most blocks by their bound alone.
    auto visit = [&](auto& self, std::size_t level, std::size_t block) -> void {
        const std::size_t first = block << (kShift * (level + 1));
        const std::size_t last = std::min(inner, first + (kFanOut << (kShift * level))) - 1;
        if (bound(blockTop_[level][block], first, last) < best) return;
        if (level == 0) {
            for (std::size_t i = last + 1; i-- > first;) {
                const double key = NearnessKey(points_[i], ends);
                if (key > best || (key == best && i < bestIndex)) {
                    best = key;
                    bestIndex = i;
                }
            }
            return;
        }
        const std::size_t lastChild = last >> (kShift * level);
        for (std::size_t child = lastChild + 1; child-- > block * kFanOut;)
            self(self, level - 1, child);
    };
    std::size_t top = 0;
    while (top + 1 < blockTop_.size() && !blockTop_[top + 1].empty()) ++top;
    for (std::size_t block = blockTop_[top].size(); block-- > 0;) visit(visit, top, block);
    return bestIndex;
}

BullingtonLoss BullingtonRay::LossToLast(double rxAboveGround_m) const {
    if (hull_.empty()) return {};
    const ProfilePoint& end = points_.back();
    const double d = end.distance_km;
    const double txHeight = txHeight_m_;
    const double rxHeight = end.height_m + rxAboveGround_m;

    const double slopeFromTx = maxRiseFromTx_ + bulge_ * d;  // S_tim
    const double directSlope = (rxHeight - txHeight) / d;    // S_tr
    double db = 0.0;
    if (slopeFromTx >= directSlope) {
        // S_rim = max (g_i + c) / (d - d_i) - k d with c = k d^2 - h_rs: the steepest sight line
        // back from the point (d, -c) touches the upper hull, where the rise is unimodal.
        const double c = bulge_ * d * d - rxHeight;
        auto rise = [&](const HullPoint& p) { return (p.g + c) / (d - p.d_km); };
        std::size_t lo = 0, hi = hull_.size() - 1;
        while (lo < hi) {
            const std::size_t mid = (lo + hi) / 2;
            if (rise(hull_[mid]) < rise(hull_[mid + 1]))
                lo = mid + 1;
            else
                hi = mid;
        }
        const double slopeFromRx = rise(hull_[lo]) - bulge_ * d;  // S_rim
        db = (rxHeight - txHeight + slopeFromRx * d) / (slopeFromTx + slopeFromRx);
    }
    const PathEnds ends{d, txHeight, rxHeight, bulge_};
    if (CrossesInsidePath(db, d)) return OverHorizonLoss(ends, wavelength_m_, slopeFromTx, db);
    return InSightLoss(ends, wavelength_m_, points_[NearestInner(ends)]);
}

}  // namespace radiolink
