// The command line of every program of the suite: named options, --help, --version and the words
// that make the command tail. Standard C++ only, so that Tormark's model shares it.
//
// Each program describes itself and its options in one `ToolDescription`; its --help text, its
// usage lines and the parse all come from that, so the option table is the only list of options
// there is. Each option is declared once with the type of its value: the parse checks the value
// against the type and hands it on typed, so nothing reads the words a second time. The options
// every program shares (--help, --version) and those every drawing tool shares (the configuration
// answers and the headless flags) are added by the frame.
//
// Rules: "--name VALUE" and "--name=VALUE" are the same; "-h" is "--help"; "--" ends the options
// (a site name beginning with "-" can follow it); a word beginning with "-" and a digit or "."
// is a negative number, not an option; any other word beginning with "-" that the table does not
// know is a usage error, never a site name. A value that does not fit its option's type is a
// usage error that names the option and what it expects.
#pragma once

#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace console {

// What an option's value is, and so what the parse accepts for it.
enum class ValueType {
    kFlag,      // no value
    kText,      // any text, the empty one too
    kFileName,  // a text that is not empty
    // A number as the console tools read one, the whole value: an optional sign, digits with "."
    // as the decimal point and an optional exponent ("-0.5", "1.5e3"), or "&h" and hexadecimal
    // digits ("&h1F").
    kNumber,
    kYesNo,  // "Y" or "N", either case
    kPoint,  // "X,Y": two numbers separated by a comma, blanks round them allowed
};

// The numbers an option takes where the parse is the one to check them. An option that answers
// a dialogue question leaves its limits to the dialogue (which clamps or asks again, as it does
// for a typed answer), so it keeps the whole range.
struct NumberRange {
    double low = -std::numeric_limits<double>::infinity();
    double high = std::numeric_limits<double>::infinity();
    bool excludesLow = false;  // "above low" rather than "at least low"

    bool Limited() const {
        return low > -std::numeric_limits<double>::infinity() ||
               high < std::numeric_limits<double>::infinity();
    }
    bool Contains(double value) const {
        return (excludesLow ? value > low : value >= low) && value <= high;
    }
};

struct OptionSpec {
    std::string_view name = {};       // "--width"
    std::string_view valueName = {};  // "KM"; empty for a flag
    ValueType type = ValueType::kFlag;
    // What it does, for --help; empty for an option that only the usage lines show.
    std::string_view help = {};
    // The option answers the dialogue question of the same name: its value is handed to the
    // console (Console::GiveAnswer) as typed and the question is not asked.
    bool answersQuestion = false;
    bool repeatable = false;
    // What a malformed value should have been, for its usage error ("a number in km"); empty:
    // the words of the type.
    std::string_view expected = {};
    NumberRange range = {};
};

// What kind of tool the frame adds options for.
enum class ToolKind {
    kDrawing,  // configuration answers (--heights, --sites, --window) and headless flags
    kPlain,    // --help and --version only
};

// Where --help puts the descriptions of the options and how wide it lets them run.
struct HelpLayout {
    std::size_t column = 24;
    std::size_t width = 79;
};

inline constexpr std::string_view kConsoleExitStatus =
    "0  normal end (Exit, Escape, the end word or an empty answer that ends the run)\n"
    "1  refused or failed run (no path, site not found, no height data, ...)\n"
    "2  usage error (an unknown option or a malformed value)";

struct ToolDescription {
    std::string_view program = {};  // "terrainplot"
    std::string_view arguments =
        {};  // what follows the options in the usage line: "[SITE][/PALETTE]"
    std::string_view summary = {};  // what the tool does, a sentence or two
    std::span<const OptionSpec> options =
        {};  // the tool's own options, in the order --help lists them
    ToolKind kind = ToolKind::kDrawing;
    // The dialogue, one question per line; a drawing tool's configuration questions come first
    // and are added by the frame.
    std::string_view questions = {};
    // A drawing tool's configuration file and what it does with it, the first lines of its
    // Files; the frame adds the height tiles and the site file after them.
    std::string_view configFile = {};
    // The tool's other files read and written, one per line.
    std::string_view files = {};
    std::string_view examples = {};                    // command lines, one per line
    std::string_view exitStatus = kConsoleExitStatus;  // one status per line
    // A program that runs in several ways lists the usage of each here (what follows the
    // program's name); empty: the one usage "[OPTION]... ARGUMENTS".
    std::span<const std::string_view> forms = {};
    HelpLayout layout = {};
    // Whether a drawing tool's plot window takes the stored window size. A tool whose window has a
    // size of its own has no --window and no window-size question (its profile says the same).
    bool usesWindowSize = true;
};

// The configuration answers of the drawing tools: used for the run and written back to the
// configuration file as typed answers would be.
inline constexpr std::string_view kHeightsOption = "--heights";
inline constexpr std::string_view kSitesOption = "--sites";
inline constexpr std::string_view kWindowOption = "--window";
// The headless flags of the drawing tools (see headless.h).
inline constexpr std::string_view kPngOption = "--png";
inline constexpr std::string_view kClickOption = "--click";
inline constexpr std::string_view kDoubleClickOption = "--dclick";

struct Point {
    double x = 0;
    double y = 0;
};

// An option's value as its type reads it: nothing for a flag, a text and an empty answer; the
// number, Y as true, or the point.
using TypedValue = std::variant<std::monostate, double, bool, Point>;

struct GivenOption {
    std::string name;  // as in the table ("--width"), "--help" for "-h"
    std::string value;
    TypedValue typed;
    OptionSpec spec;  // its line of the table
};

enum class CommandRequest { kRun, kHelp, kVersion, kUsageError };

struct CommandLine {
    CommandRequest request = CommandRequest::kRun;
    std::vector<GivenOption> options;  // in the order given
    std::vector<std::string> words;    // the other words, in order: the command tail
    std::string error;                 // for kUsageError

    bool Given(std::string_view name) const;
    std::optional<std::string> Value(std::string_view name) const;  // the last one given
    std::vector<std::string> Values(std::string_view name) const;   // every one, in order
    std::optional<double> Number(std::string_view name) const;      // the last one, typed
};

// The whole of `text` read as a number of ValueType::kNumber ("-0.5", "1.5e3", "&h1F"), as an
// option's value is read; nullopt when it is anything else (blanks, units, "inf", "nan").
std::optional<double> ReadWholeNumber(std::string_view text);

// Every option `tool` accepts: its own, then the frame's, in the order --help lists them.
std::vector<OptionSpec> AllOptions(const ToolDescription& tool);

CommandLine ParseCommandLine(const std::vector<std::string>& args, const ToolDescription& tool);

// The usage shown with a usage error: "Usage: terrainplot [OPTION]... [SITE][/PALETTE]" and the
// line that points to --help; for a program of several forms, every form.
std::string UsageText(const ToolDescription& tool);
// The whole --help text: usage, summary, options, questions, files, exit status, examples.
std::string HelpText(const ToolDescription& tool);
// "terrainplot (Tormark suite) 0.1"
std::string VersionText(std::string_view program);

}  // namespace console
