#include "console/prepared_run.h"

#include <iostream>

#include "console/exit_status.h"

namespace console {

PreparedRun PrepareRun(const std::vector<std::string>& arguments, const ToolDescription& tool,
                       Console& console) {
    PreparedRun run;
    run.line = ParseCommandLine(arguments, tool);
    auto usageError = [&](const std::string& reason) {
        std::cerr << tool.program << ": " << reason << '\n' << UsageText(tool);
        run.exitNow = kExitUsage;
        return run;
    };
    switch (run.line.request) {
        case CommandRequest::kHelp:
            console.Print(HelpText(tool));
            run.exitNow = kExitNormal;
            return run;
        case CommandRequest::kVersion:
            console.Print(VersionText(tool.program));
            run.exitNow = kExitNormal;
            return run;
        case CommandRequest::kUsageError:
            return usageError(run.line.error);
        case CommandRequest::kRun:
            break;
    }

    const std::vector<OptionSpec> options = AllOptions(tool);
    std::vector<std::string> headlessWords;
    for (const GivenOption& given : run.line.options) {
        if (given.name == "--png" || given.name == "--click" || given.name == "--dclick") {
            headlessWords.push_back(given.name);
            headlessWords.push_back(given.value);
            continue;
        }
        for (const OptionSpec& spec : options)
            if (spec.name == given.name && spec.answersQuestion)
                console.GiveAnswer(given.name, given.value);
    }
    if (tool.kind == ToolKind::kDrawing) {
        const HeadlessArgs headless = TakeHeadlessArgs(headlessWords);
        if (!headless.error.empty()) return usageError(headless.error);
        run.headless = headless.options;
    }
    run.commandTail = CommandTail(run.line.words);
    return run;
}

}  // namespace console
