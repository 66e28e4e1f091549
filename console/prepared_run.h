// The first step of every console tool's Run: reads the command line against the tool's option
// table, answers --help, --version and usage errors, hands the options that answer questions to
// the console, and sets up the headless flags of the drawing tools.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "console/command_line.h"
#include "console/console.h"
#include "console/headless.h"

namespace console {

struct PreparedRun {
    std::optional<int> exitNow;  // the run ends here with this status (help, version, usage)
    CommandLine line;            // for the options a tool reads itself
    std::string commandTail;     // the words that are not options, joined by one blank
    HeadlessOptions headless;    // for the plot window of a drawing tool
};

// --help and --version print on the console's output; a usage error prints its reason and the
// usage on the console's error channel.
PreparedRun PrepareRun(const std::vector<std::string>& arguments, const ToolDescription& tool,
                       Console& console);

// Prints "program: reason" and the usage on the console's error channel; the exit status of a
// usage error.
int ReportUsageError(const ToolDescription& tool, std::string_view reason, Console& console);

struct HeadlessReading {
    HeadlessOptions options;
    std::string error;  // not empty: the flags do not make a run
};

// The headless options of a parsed command line: --png, and every --click and --dclick in the
// order given. Clicks without --png are an error (there would be nobody to show them to).
HeadlessReading HeadlessFrom(const CommandLine& line);

}  // namespace console
