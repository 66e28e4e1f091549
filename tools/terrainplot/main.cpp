// terrainplot: a colour-coded height map of the terrain round a site.
#include <filesystem>

#include "console/console.h"
#include "program/guarded_main.h"
#include "run.h"

int main(int argc, char** argv) {
    return program::RunGuarded("terrainplot", [&] {
        return terrainplot::Run(console::Arguments(argc, argv), console::Console::Standard(),
                                std::filesystem::current_path());
    });
}
