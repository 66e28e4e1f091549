#include "radiolink/bullington.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "radiolink/equivalent_edge.h"
#include "radiolink/radio_propagation.h"

namespace radiolink {
namespace {

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

BullingtonLoss EquivalentEdgeLoss(std::span<const ProfilePoint> inner, double path_km,
                                  double txHeight_m, double rxHeight_m, double bulge,
                                  double wavelength_m, double slopeFromTx, double edge_km) {
    const double d = path_km;
    auto nuAt = [&](double height_m, double di) {  // height above the direct ray at di
        const double direct = (txHeight_m * (d - di) + rxHeight_m * di) / d;
        return (height_m - direct) * std::sqrt(kNuScale * d / (wavelength_m * di * (d - di)));
    };
    BullingtonLoss result;
    // A ray that just grazes a sample makes both slopes' sum 0 and d_b 0 / 0 (or, rounded, a
    // point off the path): that sample lies on the direct ray, the line-of-sight case's limit.
    if (edge_km > 0.0 && edge_km < d) {
        // Over the horizon: the edge stands where the steepest rays from both ends cross.
        result.lineOfSight = false;
        result.edge_km = edge_km;
        result.nu = nuAt(txHeight_m + slopeFromTx * edge_km, edge_km);
    } else {
        // The direct ray clears every sample: the sample that comes nearest it, by nu, decides.
        // nu |nu| = u |u| 0.002 d / (lambda d_i (d - d_i)), u the sample's height above the ray,
        // grows with nu: compared that way the walk needs no square root (a coverage map walks
        // its rays' samples again for every sample in sight).
        double best = kNone;
        const ProfilePoint* nearest = nullptr;
        for (const ProfilePoint& p : inner) {
            const double di = p.distance_km;
            const double u =
                p.height_m + bulge * di * (d - di) - (txHeight_m * (d - di) + rxHeight_m * di) / d;
            const double key = u * std::abs(u) / (di * (d - di));
            if (key > best || !nearest) {
                best = key;
                nearest = &p;
            }
        }
        if (nearest) {
            const double di = nearest->distance_km;
            result.edge_km = di;
            result.nu = nuAt(nearest->height_m + bulge * di * (d - di), di);
        }
    }
    result.uncorrected_dB = KnifeEdgeLoss_dB(result.nu);
    result.loss_dB =
        result.uncorrected_dB + (1.0 - std::exp(-result.uncorrected_dB / kCorrectionScale_dB)) *
                                    (kCorrectionBase_dB + kCorrectionPerKm_dB * d);
    return result;
}

BullingtonLoss Bullington(std::span<const ProfilePoint> profile, double path_km, double txHeight_m,
                          double rxHeight_m, double effectiveRadius_km, double wavelength_m) {
    const double d = path_km;
    const double bulge = kBulgeMetresPerKm / effectiveRadius_km;
    std::vector<ProfilePoint> inner;
    for (const ProfilePoint& p : profile)
        if (Inner(p, d)) inner.push_back(p);
    if (inner.empty()) return {};

    // Ground plus the bulge under the chord.
    auto raised = [&](const ProfilePoint& p) {
        return p.height_m + bulge * p.distance_km * (d - p.distance_km);
    };
    double slopeFromTx = kNone;  // S_tim
    for (const ProfilePoint& p : inner)
        slopeFromTx = std::max(slopeFromTx, (raised(p) - txHeight_m) / p.distance_km);
    const double directSlope = (rxHeight_m - txHeight_m) / d;  // S_tr

    double db = 0.0;  // d_b, where the steepest rays from both ends cross
    if (slopeFromTx >= directSlope) {
        double slopeFromRx = kNone;  // S_rim
        for (const ProfilePoint& p : inner)
            slopeFromRx = std::max(slopeFromRx, (raised(p) - rxHeight_m) / (d - p.distance_km));
        db = (rxHeight_m - txHeight_m + slopeFromRx * d) / (slopeFromTx + slopeFromRx);
    }
    return EquivalentEdgeLoss(inner, d, txHeight_m, rxHeight_m, bulge, wavelength_m, slopeFromTx,
                              db);
}

}  // namespace radiolink
