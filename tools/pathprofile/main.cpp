// pathprofile: the terrain profile of radio paths from a base site to distant sites.
#include <filesystem>

#include "console/console.h"
#include "program/guarded_main.h"
#include "run.h"

int main(int argc, char** argv) {
    return program::RunGuarded("pathprofile", [&] {
        return pathprofile::Run(console::Arguments(argc, argv), console::Console::Standard(),
                                std::filesystem::current_path());
    });
}
