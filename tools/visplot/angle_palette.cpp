#include "angle_palette.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>

#include "mastview/elevation_colour.h"

namespace visplot {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Viridis at nine evenly spaced points from its dark end to its light end; between them the
// colour is interpolated linearly.
constexpr std::array<console::Rgb, 9> kViridis{{
    {0x44, 0x01, 0x54},
    {0x47, 0x2d, 0x7b},
    {0x3b, 0x52, 0x8b},
    {0x2c, 0x72, 0x8e},
    {0x21, 0x91, 0x8c},
    {0x28, 0xae, 0x80},
    {0x5e, 0xc9, 0x62},
    {0xad, 0xdc, 0x30},
    {0xfd, 0xe7, 0x25},
}};

// The viridis colour at t (0 dark ... 1 light).
console::Rgb Viridis(double t) {
    const double at = std::clamp(t, 0.0, 1.0) * (kViridis.size() - 1);
    const std::size_t i = std::min(static_cast<std::size_t>(at), kViridis.size() - 2);
    const double f = at - static_cast<double>(i);
    const auto mix = [f](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * f));
    };
    const console::Rgb& a = kViridis[i];
    const console::Rgb& b = kViridis[i + 1];
    return {mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue)};
}

}  // namespace

std::optional<AnglePalette> AnglePaletteNamed(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "classic") return AnglePalette::kClassic;
    if (lower == "viridis") return AnglePalette::kViridis;
    return std::nullopt;
}

console::Rgb AngleColour(AnglePalette palette, int n) {
    const int index = std::clamp(n, 0, 255);
    if (palette == AnglePalette::kViridis) return Viridis((255 - index) / 255.0);
    return mastview::RampColour(index);
}

plot::ColourScale AngleScale(AnglePalette palette) {
    plot::ColourScale scale;
    scale.title = {"Elevation", "angle °"};
    scale.entries = 256;
    // Entry k of the bar is ramp index 255 - k: the lowest angles at the bottom.
    scale.colour = [palette](int k) { return AngleColour(palette, 255 - k); };
    // The ramp's ends first, then the whole degrees between.
    for (const int degrees : {2, -4, 0, -2, 1, -1, -3}) {
        const int index = mastview::AngleColourIndex(degrees * kPi / 180);
        std::string text = std::to_string(degrees);
        if (degrees > 0) text = "+" + text;
        scale.labels.push_back({255 - index, text});
    }
    return scale;
}

}  // namespace visplot
