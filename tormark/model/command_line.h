#pragma once

// Tormark's command lines for scripts and checks. They share the window's resolve and listing
// code and need no display:
//   Tormark [--db FILE]                       the window, with the database box preset
//   Tormark --resolve [--db FILE] [--home TEXT] [TEXT ...]
//   Tormark --listing FILE --home TEXT [--db FILE] [--min KM] [--max KM] [--from DEG]
//           [--to DEG] [--search TEXT]
//   Tormark --screenshot FILE [--db FILE] [--home TEXT] [TEXT ...]
//                                             the window (and the Pointing window once a home
//                                             is set) after typing the texts, as a PNG
//   Tormark --help | -h | --version
// The options are read by the suite's one parser (console/command_line.h): "--name=VALUE" works
// as "--name VALUE" does, and a malformed number is a usage error.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "console/command_line.h"
#include "listing.h"

namespace tormark {

enum class RunMode { kWindow, kResolve, kListing, kScreenshot };

struct CommandLine {
    RunMode mode = RunMode::kWindow;
    std::optional<std::string> database;  // --db
    std::optional<std::string> home;      // --home
    std::vector<std::string> texts;       // --resolve, --screenshot: the texts to resolve
    std::string screenshotFile;           // --screenshot: the PNG to write
    ListingBoxes listing;                 // --listing: the panel's boxes
    bool help = false;                    // --help or -h: print HelpText, nothing else
    bool version = false;                 // --version: print VersionText, nothing else
    std::string error;                    // not empty: the command line is wrong
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

// Tormark's options and what --help says about it.
const console::ToolDescription& Description();

// Usage text for a wrong command line.
std::string UsageText();
// The --help text: usage, what the program does, options, files, exit status, examples.
std::string HelpText();
// "Tormark (Tormark suite) 0.1"
std::string VersionText();

// Resolves each text (or each line of `in` when there is none) as "&Use This" would, one output
// row per input reporting only that input's outcome: a row that names no position has empty
// position and distance columns and always a message. `defaultDatabase` is used when --db is
// not given. Returns the exit status: 0 when every input resolved, 1 when any did not (or the
// home did not, or the output failed).
int RunResolve(const CommandLine& command, const std::string& defaultDatabase, std::istream& in,
               std::ostream& out, std::ostream& err);

// Writes the listing file as "Generate the File" would, with `dateText` as its date line.
// Returns the exit status: 0 when the file was written, non-zero with the message on `err`
// otherwise.
int RunListing(const CommandLine& command, const std::string& defaultDatabase,
               const std::string& dateText, std::ostream& err);

}  // namespace tormark
