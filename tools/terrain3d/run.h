// The terrain3d program: start-up, centre, size, heights, the oblique view drawn row by row from
// north to south, and the wait for Escape. It never writes the configuration file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/tool_profile.h"

namespace terrain3d {

// terrain3d's profile: "Brelland.ini" read but never written, a shaded view, an area grid of
// 10001 x 6001 samples.
inline constexpr console::ToolProfile kToolProfile{
    .banner = "3D Terrain Plot   Orvel Aug 2018",
    .configFile = console::ConfigFile::kBrelland,
    .palette = console::PaletteUse::kShadedView,
    .writesConfig = false,
    .area = terrain::AreaCapacity{10001, 6001},
};

// Runs the tool with the command-line words `arguments` (without the program name; --png, --click
// and --dclick are taken out first) in the working folder `workingFolder`, talking on `console`.
// Returns console::kExitNormal, kExitRefused or kExitUsage (console/exit_status.h).
int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder);

inline constexpr char kSizePrompt[] = "Plot size  km        [30]                      ";
inline constexpr char kCaptionPrefix[] = "3D Plot, centred on ";

}  // namespace terrain3d
