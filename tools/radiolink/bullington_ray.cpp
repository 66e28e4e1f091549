#include "radiolink/bullington_ray.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "radiolink/equivalent_edge.h"

namespace radiolink {

BullingtonRay::BullingtonRay(double txHeight_m, double effectiveRadius_km, double wavelength_m)
    : txHeight_m_(txHeight_m),
      bulge_(kBulgeMetresPerKm / effectiveRadius_km),
      wavelength_m_(wavelength_m),
      maxRiseFromTx_(kNone) {}

void BullingtonRay::Add(const ProfilePoint& ground) {
    if (!points_.empty()) {
        // The last sample becomes an inner point of every path that ends further out.
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
    }
    points_.push_back(ground);
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
    const std::span<const ProfilePoint> inner(points_.data(), points_.size() - 1);
    return EquivalentEdgeLoss(inner, d, txHeight, rxHeight, bulge_, wavelength_m_, slopeFromTx, db);
}

}  // namespace radiolink
