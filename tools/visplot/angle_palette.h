// The colours visplot gives the elevation angles of the ground seen: the classic ramp (dark blue
// through cyan, green and yellow to red and almost white as the angle falls), or viridis, which
// readers with any colour vision can order and which grows lighter as the angle rises. Both keep
// black for hidden ground only. The key that tells the angles is built here too.
#pragma once

#include <optional>
#include <string_view>

#include "console/palette.h"
#include "plot/colour_legend.h"

namespace visplot {

enum class AnglePalette { kClassic, kViridis };

inline constexpr std::string_view kPaletteNames = "classic, viridis";

// The palette named `name` (in any case); nullopt for any other name.
std::optional<AnglePalette> AnglePaletteNamed(std::string_view name);

// The colour of ramp index n (mastview::AngleColourIndex: 0 the steepest angle, 255 the
// lowest) in `palette`.
console::Rgb AngleColour(AnglePalette palette, int n);

// The key: the ramp from its lowest angle at the bottom to its steepest at the top, labelled in
// whole degrees, titled "Elevation" / "angle °".
plot::ColourScale AngleScale(AnglePalette palette);

}  // namespace visplot
