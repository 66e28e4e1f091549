// The inverse trigonometric functions of the conversions, written as the original programs wrote
// them (through the arctangent) so that results agree with theirs digit for digit.
#pragma once

#include "geodesy/constants.h"

namespace geodesy {

// Below this, x + |(x, y)| counts as zero in HalfAngleAtan2 (the vector points along the
// negative x axis).
inline constexpr double kHalfAngleAtan2Floor = 1e-8;

// Direction of the vector (x, y) in radians, -pi <= result < pi, with std::atan2's argument
// order. Computed by the half-angle formula 2 atan(y / (x + r)), r = |(x, y)|; when x + r does
// not exceed zero_floor (the negative x axis or the null vector, and non-finite input) the
// result is -pi (full precision). The console tools pass their single-precision floor,
// static_cast<double>(1e-8f).
double HalfAngleAtan2(double y, double x, double zero_floor = kHalfAngleAtan2Floor);

// Arc cosine in radians, 0..pi, for -1 <= x <= 1, computed as atan(sqrt(1 - x^2) / x) plus a
// half turn for negative x; ACS(0) = pi/2 without a division. pi is units.acs_pi
// (3.141592653589 for the window program).
double ACS(double x, const AngleUnits& units = kWindowAngles);

}  // namespace geodesy
