// Rounding of a real to an integer: to the nearest integer, an exact half to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
#pragma once

#include <cmath>

namespace geodesy {

// Rounds half to even; relies on the default floating-point rounding mode (to nearest).
inline double RoundHalfEven(double x) {
    return std::nearbyint(x);
}

}  // namespace geodesy
