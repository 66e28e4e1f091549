// The horizon program: the mast-view dialogue, the area loaded round the centre, the plot with its
// sweep, the clicks, and the configuration written back at the end.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/tool_profile.h"
#include "mastview/area_loader.h"
#include "mastview/radius_area.h"

namespace horizon {

// horizon's profile: "Corvanne.ini", no palette, the mast-view area grid and tile decoding.
inline constexpr console::ToolProfile kToolProfile{
    .banner = "Visible Terrain Plot   Orvel July 2018",
    .configFile = console::ConfigFile::kCorvanne,
    .palette = console::PaletteUse::kNone,
    .area = mastview::kAreaCapacity,
    .tileDecoding = mastview::kTileDecoding,
};

// Runs the tool with the command-line words `arguments` (without the program name; --png, --click
// and --dclick are taken out first) in the working folder `workingFolder`, talking on `console`.
// Returns console::kExitNormal, kExitRefused or kExitUsage (console/exit_status.h).
int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder);

}  // namespace horizon
