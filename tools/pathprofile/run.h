// The pathprofile program: the headless options taken from the command line, then the dialogue of
// base and distant sites (pathprofile_app.h).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/tool_profile.h"
#include "tool_options.h"

namespace pathprofile {

// pathprofile's profile: "Corvanne.ini", no palette, a window of its own size (as its --help
// says). Its heights come from its own one-tile store, so the area grid and tile decoding of the
// frame's store are left at their defaults.
inline constexpr console::ToolProfile kToolProfile{
    .banner = "Path Profile from SRTM Data   Orvel July 2018",
    .configFile = console::ConfigFile::kCorvanne,
    .usesWindowSize = kDescription.usesWindowSize,
};

// Runs the tool with the command-line words `arguments` (without the program name; --png, --click
// and --dclick are taken out first) in the working folder `workingFolder`, talking on `console`.
// Returns console::kExitNormal, kExitRefused or kExitUsage (console/exit_status.h).
int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder);

}  // namespace pathprofile
