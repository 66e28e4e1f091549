// The estimated loss of a radio path: the free-space loss over its length plus the loss over its
// worst obstacle taken as a single knife edge.
#pragma once

#include <optional>

#include "fresnel_zone.h"

namespace pathprofile {

struct PathLoss {
    double free_space_dB = 0.0;   // ITU-R P.525 over the path's length
    double knife_edge_v = 0.0;    // diffraction parameter of the worst obstacle (ITU-R P.526)
    double diffraction_dB = 0.0;  // J(v) of the worst obstacle; 0 when there is none
    double Total_dB() const { return free_space_dB + diffraction_dB; }
};

// The loss of a path of path_km (> 0) at wavelength_m. The worst obstacle is the sample of least
// clearance / r1 (`worst`); its height above the line of sight is minus its clearance. Without a
// sample between the masts (`worst` empty) there is no obstacle and no diffraction loss.
PathLoss EstimatePathLoss(double wavelength_m, double path_km,
                          const std::optional<FresnelClearance>& worst);

}  // namespace pathprofile
