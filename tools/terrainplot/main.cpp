// terrainplot: a colour-coded height map of the terrain round a site.
#include <filesystem>
#include <string>
#include <vector>

#include "console/console.h"
#include "terrain_plot.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return terrainplot::RunTerrainPlot(args, console::Console::Standard(),
                                       std::filesystem::current_path());
}
