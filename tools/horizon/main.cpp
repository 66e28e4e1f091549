// horizon: the elevation angle of the horizon seen from a mast, bearing by bearing, coloured by
// the distance of the terrain that forms it.
#include <filesystem>

#include "console/console.h"
#include "program/guarded_main.h"
#include "run.h"

int main(int argc, char** argv) {
    return program::RunGuarded("horizon", [&] {
        return horizon::Run(console::Arguments(argc, argv), console::Console::Standard(),
                            std::filesystem::current_path());
    });
}
