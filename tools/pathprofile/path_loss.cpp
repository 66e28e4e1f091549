#include "path_loss.h"

#include <limits>

#include "path_geometry.h"
#include "radiolink/radio_propagation.h"

namespace pathprofile {

PathLoss EstimatePathLoss(double wavelength_m, double path_km,
                          const std::optional<FresnelClearance>& worst) {
    PathLoss loss;
    loss.free_space_dB = radiolink::FreeSpaceLoss_dB(wavelength_m, path_km * geodesy::kMetresPerKm);
    if (!worst) {
        loss.knife_edge_v = -std::numeric_limits<double>::infinity();
        return loss;
    }
    const double d1_m = worst->at_km * geodesy::kMetresPerKm;
    const double d2_m = (path_km - worst->at_km) * geodesy::kMetresPerKm;
    loss.knife_edge_v =
        radiolink::KnifeEdgeParameter(-worst->clearance_m, wavelength_m, d1_m, d2_m);
    loss.diffraction_dB = radiolink::KnifeEdgeLoss_dB(loss.knife_edge_v);
    return loss;
}

}  // namespace pathprofile
