#include "console/prepared_run.h"

#include "console/exit_status.h"
#include "console/georeference_files.h"
#include "program/display.h"

namespace console {

int ReportUsageError(const ToolDescription& tool, std::string_view reason, Console& console) {
    console.PrintError(std::string(tool.program) + ": " + std::string(reason) + "\n" +
                       UsageText(tool));
    return kExitUsage;
}

HeadlessReading HeadlessFrom(const CommandLine& line) {
    HeadlessReading result;
    for (const GivenOption& given : line.options) {
        if (given.name == kPngOption) {
            result.options.pngFile = given.value;
        } else if (const Point* at = std::get_if<Point>(&given.typed)) {
            const ClickKind kind =
                given.name == kDoubleClickOption ? ClickKind::kDouble : ClickKind::kSingle;
            result.options.clicks.push_back({kind, at->x, at->y});
        }
    }
    if (!result.options.clicks.empty() && result.options.pngFile.empty())
        result.error = "--click and --dclick need --png FILE";
    else if (IsGeoreferenceFileName(result.options.pngFile))
        result.error = "--png " + result.options.pngFile +
                       " names a file written beside the picture; give the PNG another name";
    return result;
}

PreparedRun PrepareRun(const std::vector<std::string>& arguments, const ToolDescription& tool,
                       Console& console) {
    PreparedRun run;
    run.line = ParseCommandLine(arguments, tool);
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
            run.exitNow = ReportUsageError(tool, run.line.error, console);
            return run;
        case CommandRequest::kRun:
            break;
    }
    if (tool.kind == ToolKind::kDrawing) {
        const HeadlessReading headless = HeadlessFrom(run.line);
        if (!headless.error.empty()) {
            run.exitNow = ReportUsageError(tool, headless.error, console);
            return run;
        }
        run.headless = headless.options;
        if (!run.headless.Active() && !program::DisplayAvailable()) {
            console.PrintError(std::string(tool.program) + ": " +
                               std::string(program::kNoDisplayReason) +
                               "; --png FILE draws without one\n");
            run.exitNow = kExitRefused;
            return run;
        }
    }
    for (const GivenOption& given : run.line.options)
        if (given.spec.answersQuestion) console.GiveAnswer(given.name, given.value);
    run.commandTail = CommandTail(run.line.words);
    return run;
}

}  // namespace console
