#include "horizon_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "console/console_constants.h"
#include "mastview/sweep.h"

namespace horizon {

double ChartHeight(double angle_rad) {
    return AngleScale{}.Height(angle_rad);
}

double TickHeight(double angle_deg) {
    return AngleScale{}.TickHeight(angle_deg);
}

double AngleScale::Height(double angle_rad) const {
    return std::max(unitsPerRadian * angle_rad + zeroHeight, 0.0);
}

double AngleScale::TickHeight(double angle_deg) const {
    return unitsPerRadian * angle_deg / console::kDegPerRad + zeroHeight;
}

AngleScale ScaleFor(double lowest_rad, double highest_rad) {
    // The field is 100 plot units high; labels need about 6 units between them.
    constexpr double kFieldHeight = 100;
    constexpr double kLabelSpacing = 6;
    // A stretched side leaves this share of the field beyond the extreme angle.
    constexpr double kMargin = 0.03;
    const AngleScale fixed;
    const double bottom = -fixed.zeroHeight / fixed.unitsPerRadian;
    const double top = (kFieldHeight - fixed.zeroHeight) / fixed.unitsPerRadian;
    const bool below = lowest_rad<bottom, above = highest_rad> top;
    if (!below && !above) return fixed;
    double low = std::min(bottom, lowest_rad), high = std::max(top, highest_rad);
    const double span = high - low;
    if (below) low -= kMargin * span;
    if (above) high += kMargin * span;

    AngleScale s;
    s.unitsPerRadian = kFieldHeight / (high - low);
    s.zeroHeight = -low * s.unitsPerRadian;
    const double unitsPerDegree = s.unitsPerRadian / console::kDegPerRad;
    while (s.tickStep_deg * unitsPerDegree < kLabelSpacing) s.tickStep_deg *= 2;
    const double lowDeg = low * console::kDegPerRad, highDeg = high * console::kDegPerRad;
    s.firstTick_deg = std::min(std::ceil(lowDeg / s.tickStep_deg) * s.tickStep_deg, -0.5);
    s.lastTick_deg =
        above ? std::floor(highDeg / s.tickStep_deg) * s.tickStep_deg : fixed.lastTick_deg;
    // Ticks fall on multiples of the step.
    s.firstTick_deg = std::ceil(s.firstTick_deg / s.tickStep_deg) * s.tickStep_deg;
    return s;
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
