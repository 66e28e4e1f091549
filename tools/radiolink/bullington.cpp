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

const ProfilePoint* NearestToDirectRay(std::span<const ProfilePoint> inner, const PathEnds& ends) {
    double best = kNone;
    const ProfilePoint* nearest = nullptr;
    for (const ProfilePoint& p : inner) {
        const double key = NearnessKey(p, ends);
        if (key > best || !nearest) {
            best = key;
            nearest = &p;
        }
    }
    return nearest;
}

BullingtonLoss KnifeEdgeOnPath(const PathEnds& ends, double wavelength_m, double edge_km,
                               double edgeTop_m, bool lineOfSight) {
    const double d = ends.path_km;
    const double di = edge_km;
    const double direct = (ends.txHeight_m * (d - di) + ends.rxHeight_m * di) / d;
    BullingtonLoss result;
    result.lineOfSight = lineOfSight;
    result.edge_km = di;
    result.nu = (edgeTop_m - direct) * std::sqrt(kNuScale * d / (wavelength_m * di * (d - di)));
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
    const PathEnds ends{d, txHeight_m, rxHeight_m, bulge};
    if (CrossesInsidePath(db, d)) return OverHorizonLoss(ends, wavelength_m, slopeFromTx, db);
    return InSightLoss(ends, wavelength_m, *NearestToDirectRay(inner, ends));
}

}  // namespace radiolink
