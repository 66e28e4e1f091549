// benchfind: lists the Ordnance Survey benchmarks and trig points near a grid reference
// from "CompleteTrigArchive.csv" in the working folder into "LocalTrigs.txt".
#include <filesystem>

#include "console/console.h"
#include "program/guarded_main.h"
#include "run.h"

int main(int argc, char** argv) {
    return program::RunGuarded("benchfind", [&] {
        return benchfind::Run(console::Arguments(argc, argv), console::Console::Standard(),
                              std::filesystem::current_path());
    });
}
