#include "horizon_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "console/console_constants.h"
#include "mastview/sweep.h"

namespace horizon {

double ChartHeight(double angle_rad) {
    return std::max(kUnitsPerRadian * angle_rad + kZeroAngleHeight, 0.0);
}

double TickHeight(double angle_deg) {
    return kUnitsPerRadian * angle_deg / console::kDegPerRad + kZeroAngleHeight;
}

console::Rgb DistanceColour(double f) {
    // f stays within 0 ... 1 (the sweep's t), so every channel is within 0 ... 255.
    const auto channel = [](double v) {
        return static_cast<std::uint8_t>(std::clamp(mastview::Nearest(v), 0, 255));
    };
    return {channel(std::min(255 * f, 255.0)), channel(200 - 200 * f),
            channel(300 * std::fabs(f - 0.5))};
}

std::string CompassLabel(int bearing_deg) {
    constexpr std::string_view kPoints = "N NEE SES SWW NWN ";
    const int at = std::clamp(static_cast<int>(std::floor(bearing_deg / 22.5)), 0, 16);
    return " " + std::string(kPoints.substr(static_cast<std::size_t>(at), 2)) + " ";
}

}  // namespace horizon
