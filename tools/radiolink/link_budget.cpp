#include "radiolink/link_budget.h"

#include <cmath>

namespace radiolink {
namespace {

constexpr double kMilliwattsPerWatt = 1000.0;

}  // namespace

double ReceivedLevel_dBm(double erp_W, double pathLoss_dB, double rxGain_dBi) {
    return 10.0 * std::log10(erp_W * kMilliwattsPerWatt) + kDipoleGain_dBi - pathLoss_dB +
           rxGain_dBi;
}

double FieldStrength_dBuV_per_m(double isotropicLevel_dBm, double frequency_MHz) {
    return isotropicLevel_dBm + 20.0 * std::log10(frequency_MHz) + kFieldStrengthOffset_dB;
}

}  // namespace radiolink
