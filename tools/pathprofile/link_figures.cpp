#include "link_figures.h"

#include <vector>

#include "path_geometry.h"
#include "radiolink/link_budget.h"
#include "radiolink/radio_propagation.h"

namespace pathprofile {

LinkFigures WorkOutLink(const Profile& profile, const LinkInputs& inputs) {
    LinkFigures link;
    link.inputs = inputs;
    link.effectiveRadius_km = inputs.k_factor * geodesy::kEarthRadiusSingle_km;
    // The distant mast stands at D on the last sample's ground, as the line of sight has it.
    link.txHeight_m = GroundAt_m(profile, 0) + inputs.base_mast_m;
    link.rxHeight_m = GroundAt_m(profile, profile.LastIndex()) + inputs.distant_mast_m;
    link.samples = SamplesBetweenMasts(profile);

    std::vector<radiolink::ProfilePoint> ground;
    if (link.samples) {
        ground.reserve(static_cast<std::size_t>(link.samples->last - link.samples->first + 1));
        for (int i = link.samples->first; i <= link.samples->last; ++i)
            ground.push_back(
                {profile.distance_km[static_cast<std::size_t>(i)], GroundAt_m(profile, i)});
    }
    const double wavelength_m = radiolink::Wavelength_m(inputs.frequency_MHz);
    link.freeSpace_dB =
        radiolink::FreeSpaceLoss_dB(wavelength_m, profile.path_km * geodesy::kMetresPerKm);
    link.diffraction =
        radiolink::Bullington(ground, profile.path_km, link.txHeight_m, link.rxHeight_m,
                              link.effectiveRadius_km, wavelength_m);
    link.pathLoss_dB = link.freeSpace_dB + link.diffraction.loss_dB;
    if (inputs.erp_W) {
        link.received_dBm =
            radiolink::ReceivedLevel_dBm(*inputs.erp_W, link.pathLoss_dB, inputs.rxGain_dBi);
        link.field_dBuV_per_m = radiolink::FieldStrength_dBuV_per_m(
            radiolink::ReceivedLevel_dBm(*inputs.erp_W, link.pathLoss_dB, 0.0),
            inputs.frequency_MHz);
        if (inputs.sensitivity_dBm)
            link.fadeMargin_dB = *link.received_dBm - *inputs.sensitivity_dBm;
    }
    return link;
}

}  // namespace pathprofile
