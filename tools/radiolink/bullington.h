// Diffraction loss over a whole terrain profile by the Bullington construction (ITU-R P.526,
// the method P.452 and P.1812 build on): the profile's obstacles are replaced by one equivalent
// knife edge where the steepest ray from each antenna meets the other's, and that edge's loss is
// corrected for the path's length.
//
// Heights are metres above sea level, distances km from the transmitter, as the recommendation
// writes its formulas; the earth's curvature enters through the effective radius.
#pragma once

#include <span>

namespace radiolink {

// One sample of the ground between the antennas.
struct ProfilePoint {
    double distance_km = 0.0;  // from the transmitting end
    double height_m = 0.0;     // ground above sea level
};

// Where the path stands and what the construction found.
struct BullingtonLoss {
    bool lineOfSight = true;  // no ray from the transmitter to a sample rises above the direct one
    double nu = 0.0;          // diffraction parameter of the equivalent knife edge
    double edge_km = 0.0;     // its distance from the transmitter
    double uncorrected_dB = 0;  // J(nu), L_uc
    double loss_dB = 0.0;       // L_b: L_uc with the correction for the path's length
};

// The antennas stand txHeight_m and rxHeight_m above sea level (ground plus mast) at the two ends
// of a path of path_km (> 0); `profile` holds the ground between them (samples at or beyond the
// ends are passed over, so the whole profile of a path may be handed in). With no sample strictly
// between the ends there is nothing to diffract over: a line-of-sight result with no loss.
BullingtonLoss Bullington(std::span<const ProfilePoint> profile, double path_km, double txHeight_m,
                          double rxHeight_m, double effectiveRadius_km, double wavelength_m);

}  // namespace radiolink
