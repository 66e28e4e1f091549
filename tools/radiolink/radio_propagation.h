// Radio propagation along a terrain path: the wavelength of a frequency, the radius of the first
// Fresnel zone, the free-space loss (ITU-R P.525) and the loss over a single knife edge (the
// approximation of ITU-R P.526).
//
// Lengths are metres and frequencies MHz at every interface; losses are decibels.
#pragma once

namespace radiolink {

// Speed of light in vacuum, m/s: exact, by the SI definition of the metre.
inline constexpr double kSpeedOfLight_m_per_s = 299792458.0;
// Hertz per megahertz.
inline constexpr double kHzPerMHz = 1.0e6;

// The frequencies the path figures are used for, MHz (1 MHz to 100 GHz): below 1 MHz ground wave
// rules, above 100 GHz gaseous absorption does; the Fresnel zone then grows past any profile or
// shrinks below a sample spacing, and the terrain figures say nothing true.
inline constexpr double kLowestFrequency_MHz = 1.0;
inline constexpr double kHighestFrequency_MHz = 100000.0;

// Wavelength of a frequency (> 0 MHz): lambda = c / f, in metres.
double Wavelength_m(double frequency_MHz);

// Radius of the first Fresnel zone at a point d1_m from one end of the path and d2_m from the
// other (both >= 0, not both 0): r1 = sqrt(lambda d1 d2 / (d1 + d2)), in metres. 0 at the ends,
// largest at mid-path, where it is sqrt(lambda D) / 2.
double FresnelRadius_m(double wavelength_m, double d1_m, double d2_m);

// Free-space basic transmission loss between isotropic antennas distance_m apart (> 0), dB:
// ITU-R P.525, L = 20 log10(4 pi d / lambda).
double FreeSpaceLoss_dB(double wavelength_m, double distance_m);

// The diffraction parameter v of a knife edge whose top stands height_m above the straight line
// between the ends (negative when the edge lies below the line), d1_m and d2_m (> 0) from them:
// ITU-R P.526, v = h sqrt(2 / lambda (1 / d1 + 1 / d2)). Dimensionless; v = -sqrt(2) x
// (clearance / r1), so an edge on the line gives 0 and one 60 % of r1 below it about -0.85.
double KnifeEdgeParameter(double height_m, double wavelength_m, double d1_m, double d2_m);

// Loss over a single knife edge, dB, by the approximation of ITU-R P.526:
// J(v) = 6.9 + 20 log10(sqrt((v - 0.1)^2 + 1) + v - 0.1) for v > -0.78, and 0 otherwise
// (J(-0.78) is already below 0.01 dB). J(0) = 6.0 dB: an edge grazing the line halves the field.
double KnifeEdgeLoss_dB(double v);

}  // namespace radiolink
