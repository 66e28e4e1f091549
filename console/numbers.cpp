#include "console/numbers.h"

#include <cmath>
#include <limits>

namespace console {

std::int32_t RoundToInt(double value) {
    if (std::isnan(value)) return 0;
    double r = RoundHalfEven(value);
    if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(r);
}

}  // namespace console
