#include "run.h"

#include "console/prepared_run.h"
#include "pathprofile_app.h"
#include "radio_options.h"
#include "tool_options.h"

namespace pathprofile {

int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder) {
    const console::PreparedRun prepared = console::PrepareRun(arguments, kDescription, console);
    if (prepared.exitNow) return *prepared.exitNow;
    // What the option table alone cannot check: the masts inside --to and the options that only
    // mean something with others.
    for (const std::string& reason :
         {DistantAnswersError(prepared.line), MissingRadioOption(prepared.line)}) {
        if (!reason.empty()) return console::ReportUsageError(kDescription, reason, console);
    }
    GiveDistantAnswers(prepared.line, console);
    return RunDialogue(console, prepared.commandTail, workingFolder, prepared.headless,
                       RadioOptionsFrom(prepared.line));
}

}  // namespace pathprofile
