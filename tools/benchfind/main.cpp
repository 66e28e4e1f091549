// benchfind: lists the Ordnance Survey benchmarks and trig points near a grid reference
// from "CompleteTrigArchive.csv" in the current folder into "LocalTrigs.txt".
#include "console/console.h"
#include "dialogue.h"

int main(int argc, char** argv) {
    return benchfind::runBenchfind(console::Console::Standard(), console::CommandTail(argc, argv),
                                   ".");
}
