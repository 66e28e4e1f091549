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

// Runs the whole dialogue. `commandTail` (possibly empty) is the base of the first
// search; later searches prompt for theirs. `folder` holds the archive and receives the
// result file (the working folder for the program). Returns the process exit status:
// console::kExitNormal, as the program only ends on an empty base answer.
int RunDialogue(console::Console& con, std::string_view commandTail,
                const std::filesystem::path& folder);

}  // namespace benchfind
