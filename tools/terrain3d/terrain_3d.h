// The terrain3d program: start-up, centre, size, heights, the oblique view drawn row by row from
// north to south, and the wait for Escape. It never writes the configuration file.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "console/console.h"

namespace terrain3d {

// Runs terrain3d with the command-line words `args` (without the program name; --png, --click
// and --dclick are taken out first) in the working folder `dir`. Returns 0 after the normal end
// (Escape), 1 when the run ended early (empty text, site not found, missing site file, an area
// too large), 2 for malformed options.
int RunTerrain3D(const std::vector<std::string>& args, console::Console& console,
                 const std::filesystem::path& dir);

inline constexpr char kSizePrompt[] = "Plot size  km        [30]                      ";
inline constexpr char kCaptionPrefix[] = "3D Plot, centred on ";

}  // namespace terrain3d
