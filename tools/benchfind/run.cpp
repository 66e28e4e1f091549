#include "run.h"

#include "dialogue.h"

namespace benchfind {

int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder) {
    return RunDialogue(console, console::CommandTail(arguments), workingFolder);
}

}  // namespace benchfind
