// visplot: the terrain that can be seen from the top of a mast at a site.
#include <filesystem>

#include "console/console.h"
#include "program/guarded_main.h"
#include "run.h"

int main(int argc, char** argv) {
    return program::RunGuarded("visplot", [&] {
        return visplot::Run(console::Arguments(argc, argv), console::Console::Standard(),
                            std::filesystem::current_path());
    });
}
