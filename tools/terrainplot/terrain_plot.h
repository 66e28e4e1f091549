// The terrainplot program: start-up, centre, width, heights, the colour map with its markers,
// legend and Exit control, click read-outs, and the configuration written back at the end.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "console/console.h"

namespace terrainplot {

// Runs terrainplot with the command-line words `args` (without the program name; --png, --click
// and --dclick are taken out first) in the working folder `dir`. Returns the exit status: 0 after
// the normal end (Escape or Exit, configuration written), 1 when the run ended early (empty
// answer, site not found, missing site file, an area too large), 2 for malformed options.
int RunTerrainPlot(const std::vector<std::string>& args, console::Console& console,
                   const std::filesystem::path& dir);

inline constexpr char kWidthPrompt[] = "Plot Width, km      [100]                      ";
inline constexpr char kCaptionPrefix[] = "Terrain Plot, centred on ";

}  // namespace terrainplot
