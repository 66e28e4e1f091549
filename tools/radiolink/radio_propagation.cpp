#include "radiolink/radio_propagation.h"

#include <cmath>
#include <numbers>

namespace radiolink {
namespace {

// Below this v the approximation of J(v) is taken as no loss at all (ITU-R P.526).
constexpr double kKnifeEdgeLossFloor_v = -0.78;
// The constants of the J(v) approximation (ITU-R P.526).
constexpr double kKnifeEdgeOffset_dB = 6.9;
constexpr double kKnifeEdgeShift_v = 0.1;

}  // namespace

double Wavelength_m(double frequency_MHz) {
    return kSpeedOfLight_m_per_s / (frequency_MHz * kHzPerMHz);
}

double FresnelRadius_m(double wavelength_m, double d1_m, double d2_m) {
    return std::sqrt(wavelength_m * d1_m * d2_m / (d1_m + d2_m));
}

double FreeSpaceLoss_dB(double wavelength_m, double distance_m) {
    return 20.0 * std::log10(4.0 * std::numbers::pi * distance_m / wavelength_m);
}

double KnifeEdgeParameter(double height_m, double wavelength_m, double d1_m, double d2_m) {
    return height_m * std::sqrt(2.0 / wavelength_m * (1.0 / d1_m + 1.0 / d2_m));
}

double KnifeEdgeLoss_dB(double v) {
    if (!(v > kKnifeEdgeLossFloor_v)) return 0.0;
    const double shifted = v - kKnifeEdgeShift_v;
    return kKnifeEdgeOffset_dB + 20.0 * std::log10(std::sqrt(shifted * shifted + 1.0) + shifted);
}

}  // namespace radiolink
