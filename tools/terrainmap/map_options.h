// The option terrainplot and terrain3d share for the question they share: the maximum height to
// be plotted (LoadHeights asks it unless --max gave the answer).
#pragma once

#include <string_view>

#include "console/command_line.h"

namespace terrainmap {

inline constexpr std::string_view kMaxOption = "--max";
inline constexpr console::OptionSpec kMaxOptionSpec{
    kMaxOption,
    "M",
    console::ValueType::kNumber,
    "highest height of the colour scale in metres (0: the highest found)",
    true,
    false,
    "a number in metres"};

}  // namespace terrainmap
