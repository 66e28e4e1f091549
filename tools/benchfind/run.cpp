#include "run.h"

#include "console/prepared_run.h"
#include "dialogue.h"
#include "tool_options.h"

namespace benchfind {

int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder) {
    const console::PreparedRun prepared = console::PrepareRun(arguments, kDescription, console);
    if (prepared.exitNow) return *prepared.exitNow;
    // A base and every setting on the command line make a whole run: one search, then the end,
    // without asking for the next base.
    const bool everySetting = prepared.line.Value(kMaxDistanceOption) &&
                              prepared.line.Value(kExcludeDestroyedOption) &&
                              prepared.line.Value(kPillarsOnlyOption);
    const Searches searches =
        everySetting && !prepared.commandTail.empty() ? Searches::kOne : Searches::kUntilEmptyBase;
    return RunDialogue(console, prepared.commandTail, workingFolder, searches);
}

}  // namespace benchfind
