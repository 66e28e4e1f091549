#include "horizon_chart.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "console/console_constants.h"
#include "mastview/sweep.h"

namespace horizon {

double AngleScale::Height(double angle_rad) const {
    return std::clamp(kFieldHeight * (angle_rad - low_rad) / (high_rad - low_rad), 0.0,
                      kFieldHeight);
}

double AngleScale::HeightOfDegrees(double angle_deg) const {
    return kFieldHeight * (angle_deg / console::kDegPerRad - low_rad) / (high_rad - low_rad);
}

double AngleScale::DegreesAt(double height) const {
    return (low_rad + height / kFieldHeight * (high_rad - low_rad)) * console::kDegPerRad;
}

AngleScale FitAngleScale(double lowest_rad, double highest_rad) {
    const double centre = (lowest_rad + highest_rad) / 2;
    const double span = std::max(highest_rad - lowest_rad, kSmallestAxisSpan_rad);
    const double half = span / 2 + kAxisMarginShare * span;
    return {centre - half, centre + half};
}

double TickStep(double span, int maxTicks) {
    maxTicks = std::max(maxTicks, 1);
    double power = std::pow(10.0, std::floor(std::log10(span / maxTicks)));
    for (;;) {
        for (double m : {1.0, 2.0, 2.5, 5.0}) {
            if (span / (m * power) <= maxTicks) return m * power;
        }
        power *= 10;
    }
}

std::vector<double> TicksWithin(double low, double high, double step) {
    std::vector<double> ticks;
    // Counted in whole steps so that no sum of steps drifts off the multiples.
    const double first = std::ceil(low / step - 1e-9), last = std::floor(high / step + 1e-9);
    for (double k = first; k <= last; ++k) ticks.push_back(k == 0 ? 0.0 : k * step);
    return ticks;
}

std::string Fixed(double value, int decimals) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) return "nan";
    std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string_view::npos)
        text.remove_prefix(1);
    return std::string(text);
}

std::string Shortest(double value) {
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (result.ec != std::errc()) return "nan";
    return std::string(buffer.data(), result.ptr);
}

std::string DegreeLabel(double value, double step) {
    // A step of m * 10^k needs -k decimals, one more for 2.5 (0.25, 0.025 ...).
    const double exponent = std::floor(std::log10(step) + 1e-9);
    const double mantissa = step / std::pow(10.0, exponent);
    int decimals = std::max(0, static_cast<int>(-exponent));
    if (std::fabs(mantissa - 2.5) < 1e-6 && exponent <= 0) ++decimals;
    return Fixed(value, decimals) + "°";
}

console::Rgb GroundShade(double f) {
    // From a dark green (20, 70, 20) to a hazy blue (150, 195, 240); half-way (85, 133, 130)
    // keeps its channels some 50 apart, far from the no-data grey's equal ones.
    f = std::clamp(f, 0.0, 1.0);
    const auto mix = [f](double near, double far) {
        return static_cast<std::uint8_t>(mastview::Nearest(near + (far - near) * f));
    };
    return {mix(20, 150), mix(70, 195), mix(20, 240)};
}

std::string CompassPoint(int bearing_deg) {
    static constexpr std::array<const char*, 8> kPoints = {"N", "NE", "E", "SE",
                                                           "S", "SW", "W", "NW"};
    const int octant = ((bearing_deg % 360 + 360) % 360 + 22) / 45 % 8;
    return kPoints[static_cast<std::size_t>(octant)];
}

}  // namespace horizon
