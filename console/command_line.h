// The command line of the console tools: named options, --help, --version and the words that
// make the command tail.
//
// Each tool describes itself and its options in one `ToolDescription`; its --help text and its
// usage line are made from that, so the option table is the only list of options there is. The
// options every tool shares (--help, --version) and those every drawing tool shares (the
// configuration answers and the headless flags) are added by the frame.
//
// Rules: "--name VALUE" and "--name=VALUE" are the same; "-h" is "--help"; "--" ends the options
// (a site name beginning with "-" can follow it); a word beginning with "-" and a digit or "."
// is a negative number, not an option; any other word beginning with "-" that the table does not
// know is a usage error, never a site name.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace console {

struct OptionSpec {
    std::string_view name;       // "--width"
    std::string_view valueName;  // "KM"; empty for an option without a value
    std::string_view help;       // what it does, for --help
    // The option answers the dialogue question of the same name: its value is handed to the
    // console (Console::GiveAnswer) and the question is not asked.
    bool answersQuestion = false;
    bool repeatable = false;
};

// What kind of tool the frame adds options for.
enum class ToolKind {
    kDrawing,  // configuration answers (--heights, --sites, --window) and headless flags
    kPlain,    // --help and --version only
};

struct ToolDescription {
    std::string_view program;    // "terrainplot"
    std::string_view arguments;  // what follows the options in the usage line: "[SITE][/PALETTE]"
    std::string_view summary;    // what the tool does, a sentence or two
    std::span<const OptionSpec> options;  // the tool's own options, in the order --help lists them
    ToolKind kind = ToolKind::kDrawing;
    std::string_view questions;  // the dialogue, one question per line
    std::string_view files;      // the files read and written, one per line
    std::string_view examples;   // command lines, one per line
};

// The configuration answers of the drawing tools: used for the run and written back to the
// configuration file as typed answers would be.
inline constexpr std::string_view kHeightsOption = "--heights";
inline constexpr std::string_view kSitesOption = "--sites";
inline constexpr std::string_view kWindowOption = "--window";

struct GivenOption {
    std::string name;  // as in the table ("--width"), "--help" for "-h"
    std::string value;
};

enum class CommandRequest { kRun, kHelp, kVersion, kUsageError };

struct CommandLine {
    CommandRequest request = CommandRequest::kRun;
    std::vector<GivenOption> options;  // in the order given
    std::vector<std::string> words;    // the other words, in order: the command tail
    std::string error;                 // for kUsageError

    std::optional<std::string> Value(std::string_view name) const;  // the last one given
    std::vector<std::string> Values(std::string_view name) const;   // every one, in order
};

// Every option `tool` accepts: its own, then the frame's, in the order --help lists them.
std::vector<OptionSpec> AllOptions(const ToolDescription& tool);

CommandLine ParseCommandLine(const std::vector<std::string>& args, const ToolDescription& tool);

// "usage: terrainplot [OPTION]... [SITE][/PALETTE]" and the line that points to --help.
std::string UsageText(const ToolDescription& tool);
// The whole --help text: usage, summary, options, questions, files, exit status, examples.
std::string HelpText(const ToolDescription& tool);
// "terrainplot (Tormark suite) 0.1"
std::string VersionText(std::string_view program);

}  // namespace console
