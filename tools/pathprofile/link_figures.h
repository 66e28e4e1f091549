// The link budget of one profile: the diffraction loss over the whole terrain by the Bullington
// construction, the path loss, and with a transmitter's ERP the level and field strength at the
// receiver and the margin over its sensitivity.
//
// The figures use the profile's own samples (those of SamplesBetweenMasts, as the clearance lines
// do), so the picture, the CSV and the console agree and every figure can be worked again from
// the CSV's columns.
#pragma once

#include <optional>

#include "profile.h"
#include "radiolink/bullington.h"

namespace pathprofile {

// What a link's figures are worked from besides the profile.
struct LinkInputs {
    double frequency_MHz = 0.0;
    double k_factor = 0.0;  // the path's K: effective earth radius K x the tools' earth radius
    double base_mast_m = 0.0;
    double distant_mast_m = 0.0;
    std::optional<double> erp_W;  // referred to a half-wave dipole, as UK licences state it
    double rxGain_dBi = 0.0;
    std::optional<double> sensitivity_dBm;
};

struct LinkFigures {
    LinkInputs inputs;
    double effectiveRadius_km = 0.0;
    double txHeight_m = 0.0;  // the antennas above sea level: ground at the mast foot plus mast
    double rxHeight_m = 0.0;
    std::optional<SampleRange> samples;  // the samples the construction ran over
    double freeSpace_dB = 0.0;
    radiolink::BullingtonLoss diffraction;
    double pathLoss_dB = 0.0;  // free space plus the Bullington loss
    // With an ERP: the level at the receiver's input (with its gain), the field strength there.
    std::optional<double> received_dBm;
    std::optional<double> field_dBuV_per_m;
    std::optional<double> fadeMargin_dB;  // with a sensitivity too: received level less it
};

// The figures of `profile` (at least one sample, path_km > 0).
LinkFigures WorkOutLink(const Profile& profile, const LinkInputs& inputs);

}  // namespace pathprofile
