#include "console/command_line.h"

#include <algorithm>

#include "tormark_version.h"

namespace console {

namespace {

constexpr std::string_view kHelpOption = "--help";
constexpr std::string_view kShortHelpOption = "-h";
constexpr std::string_view kVersionOption = "--version";
constexpr std::string_view kEndOfOptions = "--";

constexpr OptionSpec kConfigOptions[] = {
    {kHeightsOption, "DIR", "folder of the SRTM height tiles (N54W004.hgt, ...)", true},
    {kSitesOption, "DIR", "folder of the site file SITES.DAT", true},
    {kWindowOption, "PX", "plot window size in pixels (100 to 4000; 0 gives 600)", true},
};

constexpr OptionSpec kHeadlessOptions[] = {
    {"--png", "FILE", "draw the plot into FILE without a window and end as through \"Exit\""},
    {"--click", "X,Y", "with --png: click the plot at X,Y (plot coordinates) first", false, true},
    {"--dclick", "X,Y", "with --png: double-click the plot at X,Y first", false, true},
};

constexpr OptionSpec kCommonOptions[] = {
    {kHelpOption, "", "show this help and exit"},
    {kVersionOption, "", "show the program's name and version and exit"},
};

// The column where the option descriptions start in --help, and the width they wrap at.
constexpr std::size_t kHelpColumn = 24;
constexpr std::size_t kHelpWidth = 79;

bool LooksLikeNumber(std::string_view word) {
    return word.size() > 1 && word[0] == '-' &&
           ((word[1] >= '0' && word[1] <= '9') || word[1] == '.');
}

bool IsOptionWord(std::string_view word) {
    return word.size() > 1 && word[0] == '-' && !LooksLikeNumber(word);
}

const OptionSpec* FindOption(const std::vector<OptionSpec>& options, std::string_view name) {
    auto it = std::find_if(options.begin(), options.end(),
                           [name](const OptionSpec& o) { return o.name == name; });
    return it == options.end() ? nullptr : &*it;
}

std::string OptionColumn(const OptionSpec& option) {
    std::string text = option.name == kHelpOption ? "  -h, " : "      ";
    text += option.name;
    if (!option.valueName.empty()) text += " " + std::string(option.valueName);
    return text;
}

// `text` broken at blanks into lines that end before kHelpWidth, the later ones indented to
// kHelpColumn.
std::string WrappedDescription(std::string_view text) {
    std::string result, line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(start, end - start);
        if (!line.empty() && kHelpColumn + line.size() + 1 + word.size() > kHelpWidth) {
            result += line + "\n" + std::string(kHelpColumn, ' ');
            line.clear();
        }
        if (!line.empty()) line += ' ';
        line += word;
        start = end + 1;
    }
    return result + line;
}

// The lines of `text` (separated by line ends), each indented by two blanks.
std::string Indented(std::string_view text) {
    std::string result;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (!line.empty()) result += "  " + std::string(line);
        result += '\n';
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return result;
}

}  // namespace

std::optional<std::string> CommandLine::Value(std::string_view name) const {
    for (auto it = options.rbegin(); it != options.rend(); ++it)
        if (it->name == name) return it->value;
    return std::nullopt;
}

std::vector<std::string> CommandLine::Values(std::string_view name) const {
    std::vector<std::string> values;
    for (const GivenOption& o : options)
        if (o.name == name) values.push_back(o.value);
    return values;
}

std::vector<OptionSpec> AllOptions(const ToolDescription& tool) {
    std::vector<OptionSpec> all(tool.options.begin(), tool.options.end());
    if (tool.kind == ToolKind::kDrawing) {
        all.insert(all.end(), std::begin(kConfigOptions), std::end(kConfigOptions));
        all.insert(all.end(), std::begin(kHeadlessOptions), std::end(kHeadlessOptions));
    }
    all.insert(all.end(), std::begin(kCommonOptions), std::end(kCommonOptions));
    return all;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args, const ToolDescription& tool) {
    const std::vector<OptionSpec> options = AllOptions(tool);
    CommandLine line;
    auto fail = [&line](std::string error) {
        line.request = CommandRequest::kUsageError;
        line.error = std::move(error);
        return line;
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (optionsEnded || !IsOptionWord(word)) {
            line.words.push_back(word);
            continue;
        }
        if (word == kEndOfOptions) {
            optionsEnded = true;
            continue;
        }
        std::string name = word == kShortHelpOption ? std::string(kHelpOption) : word;
        std::optional<std::string> value;
        if (const std::size_t equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        const OptionSpec* spec = FindOption(options, name);
        if (!spec) return fail("unknown option " + word);
        if (spec->valueName.empty()) {
            if (value) return fail(name + " takes no value");
        } else if (!value) {
            if (i + 1 >= args.size())
                return fail(name + " needs a value " + std::string(spec->valueName));
            value = args[++i];
        }
        if (!spec->repeatable && line.Value(name)) return fail(name + " given twice");
        line.options.push_back({name, value.value_or("")});
    }
    // --help and --version win over everything else on the line, as users expect.
    if (line.Value(kHelpOption))
        line.request = CommandRequest::kHelp;
    else if (line.Value(kVersionOption))
        line.request = CommandRequest::kVersion;
    return line;
}

std::string UsageText(const ToolDescription& tool) {
    const std::string program(tool.program);
    return "Usage: " + program + " [OPTION]... " + std::string(tool.arguments) + "\n" + "Try '" +
           program + " --help' for more information.\n";
}

std::string HelpText(const ToolDescription& tool) {
    std::string text = "Usage: " + std::string(tool.program) + " [OPTION]... " +
                       std::string(tool.arguments) + "\n" + std::string(tool.summary) + "\n\n";
    text += "Options:\n";
    for (const OptionSpec& option : AllOptions(tool)) {
        std::string column = OptionColumn(option);
        column += column.size() + 2 <= kHelpColumn ? std::string(kHelpColumn - column.size(), ' ')
                                                   : "\n" + std::string(kHelpColumn, ' ');
        std::string description(option.help);
        if (option.repeatable) description += " (repeatable)";
        text += column + WrappedDescription(description) + '\n';
    }
    if (!tool.questions.empty()) {
        text +=
            "\nQuestions:\n  Asked in this order, each unless the option or word on its left "
            "gives its answer.\n\n";
        text += Indented(tool.questions);
    }
    text += "\nFiles:\n" + Indented(tool.files);
    text +=
        "\nExit status:\n"
        "  0  normal end (Exit, Escape, the end word or an empty answer that ends the run)\n"
        "  1  refused or failed run (no path, site not found, no height data, ...)\n"
        "  2  usage error (an unknown option or a malformed value)\n";
    text += "\nExamples:\n" + Indented(tool.examples);
    return text;
}

std::string VersionText(std::string_view program) {
    return std::string(program) + " (Tormark suite) " + TORMARK_VERSION + "\n";
}

}  // namespace console
