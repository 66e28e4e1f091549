// Rounding of a real to an integer: to the nearest integer, an exact half to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
#pragma once

#include <cmath>

namespace geodesy {

// Rounds half to even. Spelled out rather than left to std::nearbyint so that the result never
// depends on the floating-point environment's rounding mode. A value that rounds to zero from
// below gives +0.
inline double RoundHalfEven(double x) {
    const double floor = std::floor(x);
    const double diff = x - floor;
    if (diff > 0.5) return floor + 1;
    if (diff < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

}  // namespace geodesy
