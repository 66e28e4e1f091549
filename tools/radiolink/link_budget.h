// What a path loss means for a link: the level at the receiver's input and the field strength,
// from the transmitter's ERP as UK licences state it (referred to a half-wave dipole).
#pragma once

namespace radiolink {

// Gain of a half-wave dipole over an isotropic antenna, dBi: ERP + 2.15 dB is EIRP.
inline constexpr double kDipoleGain_dBi = 2.15;
// E (dBuV/m) = P (dBm, 0 dBi receiver) + 20 log10(f MHz) + 77.2: the field in free space whose
// power flux an isotropic antenna turns into P (ITU-R P.525's conversion, rounded as usual).
inline constexpr double kFieldStrengthOffset_dB = 77.2;

// What the link figures take, the same in every tool: ERP above 0 W up to a megawatt (the
// largest broadcast transmitters); receive gains from a lossy whip to a large dish; receiver
// sensitivities from -200 dBm (no receiver hears below) to 0 dBm (above is no sensitivity).
inline constexpr double kHighestErp_W = 1.0e6;
inline constexpr double kLowestRxGain_dBi = -30.0;
inline constexpr double kHighestRxGain_dBi = 70.0;
inline constexpr double kLowestSensitivity_dBm = -200.0;
inline constexpr double kHighestSensitivity_dBm = 0.0;

// Received level, dBm: 10 log10(ERP in mW) + 2.15 - path loss + receive antenna gain.
double ReceivedLevel_dBm(double erp_W, double pathLoss_dB, double rxGain_dBi);

// Field strength at the receiver, dBuV/m, from the level an isotropic (0 dBi) antenna receives.
double FieldStrength_dBuV_per_m(double isotropicLevel_dBm, double frequency_MHz);

}  // namespace radiolink
