// The benchfind dialogue: ask for a base, the radius and the two filters, search the
// archive, write the result file, and ask for the next base until the answer is empty.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace console {
class Console;
}

namespace benchfind {

// How many searches the dialogue makes.
enum class Searches {
    kUntilEmptyBase,  // ask for the next base after each search until the answer is empty
    kOne,             // the command tail's base only (every setting was given): then end
};

// Runs the whole dialogue. `commandTail` (possibly empty) is the base of the first
// search; later searches prompt for theirs. `folder` holds the archive and receives the
// result file (the working folder for the program). Returns the process exit status:
// console::kExitNormal when every search was made and stored, console::kExitRefused when a
// base was not a grid reference, the archive was missing or the result file could not be
// written (the dialogue goes on after each, so that a typing slip can be mended).
int RunDialogue(console::Console& con, std::string_view commandTail,
                const std::filesystem::path& folder, Searches searches = Searches::kUntilEmptyBase);

}  // namespace benchfind
