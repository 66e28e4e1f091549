// The last steps of the Bullington construction, shared by the whole-profile and the ray-by-ray
// forms: the equivalent knife edge's parameter and its loss, once the slopes are known.
#pragma once

#include <cstdlib>
#include <limits>
#include <span>

#include "radiolink/bullington.h"

namespace radiolink {

// 1000 / 2: the earth bulge d1 d2 / (2 a_e) of distances in km is in km; times 1000 in metres.
inline constexpr double kBulgeMetresPerKm = 500.0;

// Below every slope and parameter: "no sample yet" in the running maxima.
inline constexpr double kNone = -std::numeric_limits<double>::infinity();

// The two ends of a path and the earth between: `bulge` is 500 / a_e.
struct PathEnds {
    double path_km;
    double txHeight_m;
    double rxHeight_m;
    double bulge;
};

// How near an inner sample comes to the direct ray, as a key that grows with its diffraction
// parameter nu: nu |nu| = u |u| 0.002 d / (lambda d_i (d - d_i)), u the sample's height (with
// the bulge) above the ray, so comparing u |u| / (d_i (d - d_i)) needs no square root. Both forms
// compute it by this one expression, so they pick the same sample to the last bit.
inline double NearnessKey(const ProfilePoint& p, const PathEnds& ends) {
    const double d = ends.path_km;
    const double di = p.distance_km;
    const double u = p.height_m + ends.bulge * di * (d - di) -
                     (ends.txHeight_m * (d - di) + ends.rxHeight_m * di) / d;
    return u * std::abs(u) / (di * (d - di));
}

// The first of `inner` with the largest NearnessKey (the sample nearest the direct ray, the
// line-of-sight case's edge); nullptr when `inner` is empty.
const ProfilePoint* NearestToDirectRay(std::span<const ProfilePoint> inner, const PathEnds& ends);

// True when the steepest rays from both ends cross at `edge_km` (d_b) inside the path: the path
// is over the horizon. Outside it (a ray that grazes a sample makes d_b 0 / 0, or rounded, a
// point off the path) the line-of-sight case decides.
inline bool CrossesInsidePath(double edge_km, double path_km) {
    return edge_km > 0.0 && edge_km < path_km;
}

// The loss over a path whose equivalent knife edge stands at edge_km (strictly inside the path)
// with its top edgeTop_m above sea level (the ground there with the bulge under the chord, or
// where the steepest rays cross), and the correction for the path's length.
BullingtonLoss KnifeEdgeOnPath(const PathEnds& ends, double wavelength_m, double edge_km,
                               double edgeTop_m, bool lineOfSight);

// The loss over a path in line of sight (or grazing) whose nearest sample to the direct ray is
// `nearest` (from NearestToDirectRay, or a search that finds the same sample).
inline BullingtonLoss InSightLoss(const PathEnds& ends, double wavelength_m,
                                  const ProfilePoint& nearest) {
    const double di = nearest.distance_km;
    return KnifeEdgeOnPath(ends, wavelength_m, di,
                           nearest.height_m + ends.bulge * di * (ends.path_km - di), true);
}

// The loss over a path over the horizon: the steepest ray from the transmitter, slopeFromTx
// (S_tim), meets the receiver's at edge_km (d_b, CrossesInsidePath).
inline BullingtonLoss OverHorizonLoss(const PathEnds& ends, double wavelength_m, double slopeFromTx,
                                      double edge_km) {
    return KnifeEdgeOnPath(ends, wavelength_m, edge_km, ends.txHeight_m + slopeFromTx * edge_km,
                           false);
}

}  // namespace radiolink
