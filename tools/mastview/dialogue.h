// The dialogue of visplot and horizon: start-up with "Corvanne.ini", the centre, mast height,
// K factor and radius, and the base-position line. Both tools ask the same questions; horizon
// only takes the ground height at the centre from the tile buffer instead of the tile file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/hgt_tile_store.h"
#include "console/position_entry.h"
#include "console/tool_config.h"
#include "console/tool_profile.h"
#include "mastview/radius_area.h"
#include "mastview/sweep.h"

namespace mastview {

inline constexpr std::string_view kMastCentrePrompt = "Centre of plot, Site Name / Location     ";
inline constexpr std::string_view kMastPrompt = "Base mast height          [2]            ";
inline constexpr std::string_view kKFactorPrompt = "Tropo  K  value          [1.3]           ";
inline constexpr std::string_view kRadiusMask = "Radial Distance Out km    [###]          ";
inline constexpr std::string_view kMastCaptionMask = "   Mast height ###m";

// How the ground height at the centre is found.
enum class GroundHeightFrom {
    kTileFile,    // visplot: the nearest sample, read from the tile file (PointHeight)
    kTileBuffer,  // horizon: the sample at or below the centre in the loaded tile buffer
};

// Everything the dialogue settles.
struct MastView {
    console::ToolConfig config;
    console::ConsolePosition centre;  // text replaced by the site name when found by name
    int32_t ground_m = 0;             // H0
    double mast_m = console::kDefaultMastHeight_m;
    double kFactor = console::kDefaultKFactor;
    RadiusArea area;  // the accepted radius and its area
    // The tile store of the run (tile buffer and area grid), made once the height path is known.
    std::unique_ptr<console::HgtTileStore> store;
};

// Runs the dialogue of the tool with `profile` in the working folder `dir`; the tile store is
// made with the profile's area and tile decoding (kAreaCapacity and kTileDecoding for both
// visplot and horizon). The tile of the centre is left in the store's tile buffer. nullopt when the
// run must end: an empty path answer, an empty or unknown centre, or input that ran out before a
// usable radius was given.
std::optional<MastView> RunDialogue(const console::ToolProfile& profile, console::Console& console,
                                    std::string_view commandTail, GroundHeightFrom ground,
                                    const std::filesystem::path& dir);

// The sweep's inputs for the mast and plot area the dialogue settled on.
SweepSetup SweepSetupFor(const MastView& view);

}  // namespace mastview
