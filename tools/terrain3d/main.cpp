// terrain3d: an oblique three-dimensional view of the terrain round a site.
#include <filesystem>

#include "console/console.h"
#include "program/guarded_main.h"
#include "run.h"

int main(int argc, char** argv) {
    return program::RunGuarded("terrain3d", [&] {
        return terrain3d::Run(console::Arguments(argc, argv), console::Console::Standard(),
                              std::filesystem::current_path());
    });
}
