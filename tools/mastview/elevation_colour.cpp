#include "mastview/elevation_colour.h"

#include <algorithm>
#include <cstdint>

#include "mastview/sweep.h"

namespace mastview {

namespace {
// The top of the ramp, held in single precision like the tools' other constants.
constexpr double kRampTop_rad = console::Single(0.05f);
constexpr double kRampScale = 2000;  // ramp entries per radian
// The ramp starts at black, the colour of hidden ground; ground seen at the steepest angles
// (index 0 above the ramp's top, and the first entries) takes this blue instead, so that a
// picture never shows seen ground as hidden.
constexpr std::uint8_t kDarkestSeenBlue = 80;
}  // namespace

int AngleColourIndex(double angle_rad) {
    return Nearest(std::min(std::max(kRampScale * (kRampTop_rad - angle_rad), 0.0), 255.0));
}

console::Rgb RampColour(int n) {
    const int v = 6 * n;
    const auto f = static_cast<std::uint8_t>(((v % 256) + 256) % 256);
    const std::uint8_t full = 255;
    if (v <= 256) return {0, 0, std::max(f, kDarkestSeenBlue)};
    if (v <= 511) return {0, f, full};
    if (v <= 767) return {0, full, static_cast<std::uint8_t>(255 - f)};
    if (v <= 1023) return {f, full, 0};
    if (v <= 1279) return {full, static_cast<std::uint8_t>(255 - f), 0};
    return {full, f, f};
}

}  // namespace mastview
