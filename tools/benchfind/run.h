// The benchfind program: the command line is the base of the first search; the dialogue
// (dialogue.h) does the rest.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "console/console.h"

namespace benchfind {

// Runs the tool with the command-line words `arguments` (without the program name) in the
// working folder `workingFolder`, which holds the archive and receives the result file, talking
// on `console`. Returns console::kExitNormal (the dialogue only ends on an empty base answer),
// or for --help/--version, and console::kExitUsage for a malformed command line.
int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder);

}  // namespace benchfind
