// terrain3d: an oblique three-dimensional view of the terrain round a site.
#include <filesystem>
#include <string>
#include <vector>

#include "console/console.h"
#include "terrain_3d.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return terrain3d::RunTerrain3D(args, console::Console::Standard(),
                                   std::filesystem::current_path());
}
