#include "radiolink/bullington.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "radiolink/radio_propagation.h"

namespace radiolink {
namespace {

// 1000 / 2: the earth bulge d1 d2 / (2 a_e) of distances in km is in km; times 1000 in metres.
constexpr double kBulgeMetresPerKm = 500.0;
// 2 / 1000 of the knife-edge parameter with distances in km and lengths in metres.
constexpr double kNuScale = 0.002;
// L_b = L_uc + (1 - exp(-L_uc / 6)) (10 + 0.02 d): the length correction's constants.
constexpr double kCorrectionScale_dB = 6.0;
constexpr double kCorrectionBase_dB = 10.0;
constexpr double kCorrectionPerKm_dB = 0.02;

bool Inner(const ProfilePoint& p, double path_km) {
    return p.distance_km > 0.0 && p.distance_km < path_km;
}

}  // namespace

BullingtonLoss Bullington(std::span<const ProfilePoint> profile, double path_km, double txHeight_m,
                          double rxHeight_m, double effectiveRadius_km, double wavelength_m) {
    const double d = path_km;
    const double curvature = 1.0 / effectiveRadius_km;  // C_e
    auto raised = [&](const ProfilePoint& p) {          // ground plus the bulge under the chord
        return p.height_m + kBulgeMetresPerKm * curvature * p.distance_km * (d - p.distance_km);
    };
    auto nuAt = [&](double height_m, double di) {  // height above the direct ray at di
        const double direct = (txHeight_m * (d - di) + rxHeight_m * di) / d;
        return (height_m - direct) * std::sqrt(kNuScale * d / (wavelength_m * di * (d - di)));
    };

    constexpr double kNone = -std::numeric_limits<double>::infinity();
    double slopeFromTx = kNone;  // S_tim
    for (const ProfilePoint& p : profile)
        if (Inner(p, d))
            slopeFromTx = std::max(slopeFromTx, (raised(p) - txHeight_m) / p.distance_km);
    const double directSlope = (rxHeight_m - txHeight_m) / d;  // S_tr

    BullingtonLoss result;
    if (slopeFromTx == kNone) return result;
    double db = 0.0;  // the over-the-horizon edge, when there is one
    if (slopeFromTx >= directSlope) {
        double slopeFromRx = kNone;  // S_rim
        for (const ProfilePoint& p : profile)
            if (Inner(p, d))
                slopeFromRx = std::max(slopeFromRx, (raised(p) - rxHeight_m) / (d - p.distance_km));
        db = (rxHeight_m - txHeight_m + slopeFromRx * d) / (slopeFromTx + slopeFromRx);
    }
    // A ray that just grazes a sample makes both slopes' sum 0 and d_b 0 / 0 (or, rounded, a point
    // off the path): that sample lies on the direct ray, which is the line-of-sight case's limit.
    if (!(db > 0.0 && db < d)) {
        // The direct ray clears every sample: the sample that comes nearest it, by nu, decides.
        double best = kNone;
        for (const ProfilePoint& p : profile) {
            if (!Inner(p, d)) continue;
            const double nu = nuAt(raised(p), p.distance_km);
            if (nu > best) {
                best = nu;
                result.edge_km = p.distance_km;
            }
        }
        result.nu = best;
    } else {
        // Over the horizon: the edge stands where the steepest rays from both ends cross.
        result.lineOfSight = false;
        result.edge_km = db;
        result.nu = nuAt(txHeight_m + slopeFromTx * db, db);
    }
    result.uncorrected_dB = KnifeEdgeLoss_dB(result.nu);
    result.loss_dB =
        result.uncorrected_dB + (1.0 - std::exp(-result.uncorrected_dB / kCorrectionScale_dB)) *
                                    (kCorrectionBase_dB + kCorrectionPerKm_dB * d);
    return result;
}

}  // namespace radiolink
