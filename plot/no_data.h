// How every picture of the suite shows a sample without height data (an absent or unreadable
// tile, a void): one flat mid grey, the same in every tool. It is in none of the tools' scales -
// the height palette, visplot's elevation ramp, horizon's distance colours - so it never reads
// as sea, as ground seen, or as a height.
#pragma once

#include "console/palette.h"

namespace plot {

inline constexpr console::Rgb kNoDataColour{0x80, 0x80, 0x80};

}  // namespace plot
