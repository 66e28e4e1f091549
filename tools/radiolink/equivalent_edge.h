// The last steps of the Bullington construction, shared by the whole-profile and the ray-by-ray
// forms: the equivalent knife edge's parameter and its loss, once the slopes are known.
#pragma once

#include <limits>
#include <span>

#include "radiolink/bullington.h"

namespace radiolink {

// 1000 / 2: the earth bulge d1 d2 / (2 a_e) of distances in km is in km; times 1000 in metres.
inline constexpr double kBulgeMetresPerKm = 500.0;

// Below every slope and parameter: "no sample yet" in the running maxima.
inline constexpr double kNone = -std::numeric_limits<double>::infinity();

// The loss over `inner` (the samples strictly between the ends) of a path of path_km, given the
// steepest slope from the transmitter, slopeFromTx (S_tim), and the distance `edge_km` (d_b) at
// which it crosses the steepest slope from the receiver; an edge_km outside the path means the
// line-of-sight case: the sample nearest the direct ray decides. `bulge` is 500 / a_e.
BullingtonLoss EquivalentEdgeLoss(std::span<const ProfilePoint> inner, double path_km,
                                  double txHeight_m, double rxHeight_m, double bulge,
                                  double wavelength_m, double slopeFromTx, double edge_km);

}  // namespace radiolink
