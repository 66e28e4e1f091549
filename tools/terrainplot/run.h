// The terrainplot program: start-up, centre, width, heights, the colour map with its markers,
// legend and Exit control, click read-outs, and the configuration written back at the end.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/tool_profile.h"

namespace terrainplot {

// terrainplot's profile: "Brelland.ini", a colour map with its legend, an area grid of 8 x 5 tiles.
inline constexpr console::ToolProfile kToolProfile{
    .banner = "Terrain Plot   Orvel July 2018",
    .configFile = console::ConfigFile::kBrelland,
    .palette = console::PaletteUse::kColourMap,
    .area = terrain::kDefaultAreaCapacity,
};

// Runs the tool with the command-line words `arguments` (without the program name; --png, --click
// and --dclick are taken out first) in the working folder `workingFolder`, talking on `console`.
// Returns console::kExitNormal, kExitRefused or kExitUsage (console/exit_status.h).
int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder);

inline constexpr char kWidthPrompt[] = "Plot Width, km      [100]                      ";
inline constexpr char kCaptionPrefix[] = "Terrain Plot, centred on ";

}  // namespace terrainplot
