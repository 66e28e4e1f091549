// Arctangent-based inverse trigonometric functions.
#include "geodesy/arc_functions.h"

#include <cmath>

namespace geodesy {

double HalfAngleAtan2(double y, double x, double zero_floor) {
    const double r = std::sqrt(x * x + y * y);
    if (x + r > zero_floor) return 2.0 * std::atan(y / (x + r));
    return -kPi;
}

double ACS(double x, const AngleUnits& units) {
    if (x == 0.0) return units.acs_pi / 2.0;
    const double sign = x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);  // 0 for NaN, as the original
    return std::atan(std::sqrt(1.0 - x * x) / x) + (1.0 - sign) * units.acs_pi / 2.0;
}

}  // namespace geodesy
