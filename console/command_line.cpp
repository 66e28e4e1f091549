#include "console/command_line.h"

#include <algorithm>

#include "geodesy/leading_number.h"
#include "tormark_version.h"

namespace console {

namespace {

constexpr std::string_view kHelpOption = "--help";
constexpr std::string_view kShortHelpOption = "-h";
constexpr std::string_view kVersionOption = "--version";
constexpr std::string_view kEndOfOptions = "--";

constexpr OptionSpec kConfigOptions[] = {
    {kHeightsOption, "DIR", ValueType::kText,
     "folder of the height tiles (N54W004.hgt, N54W004.hgt.zip, Copernicus GeoTIFF), or one "
     "raster file (GeoTIFF, VRT, OS Terrain 50 ASCII grid)",
     true},
    {kSitesOption, "DIR", ValueType::kText, "folder of the site file SITES.DAT", true},
    {kWindowOption, "PX", ValueType::kNumber,
     "plot window size in pixels (100 to 4000; 0 gives 600)", true, false, "a number of pixels"},
};

// The configuration questions, asked on a drawing tool's first run before its own; the window
// size only of a tool whose window takes it.
constexpr std::string_view kPathQuestions =
    "--heights             Path and Location of Height database files (first run)\n"
    "--sites               path and location of SITES.DAT (first run)\n";
constexpr std::string_view kWindowSizeQuestion =
    "--window              Plot Window Size [600] (first run)\n";

// The files every drawing tool reads after its configuration: the height tiles in their forms
// and the site file.
constexpr std::string_view kHeightFiles =
    "N54W004.hgt ...     SRTM height tiles (3 or 1 arc-second) in the tile folder; a tile\n"
    "                    may also be N54W004.hgt.zip (read in place) or a Copernicus GLO-30\n"
    "                    GeoTIFF Copernicus_DSM_COG_10_N54_00_W004_00_DEM.tif, any mix; one\n"
    "                    held in several forms is read from .hgt, else .hgt.zip, else .tif\n"
    "FILE.tif .vrt .asc  --heights may name one raster instead of the folder (GeoTIFF, VRT,\n"
    "                    OS Terrain 50 ASCII grid): resampled onto the tiles' grid\n"
    "SITES.DAT           the site file in the site folder";

// An empty --png names no file: a usage error, as an empty --csv is, never a window that a
// script would wait on.
constexpr OptionSpec kHeadlessOptions[] = {
    {kPngOption, "FILE", ValueType::kFileName,
     "draw the plot into FILE without a window and end as through \"Exit\""},
    {kClickOption, "X,Y", ValueType::kPoint,
     "with --png: click the plot at X,Y (plot coordinates) first", false, true,
     "X,Y in plot coordinates"},
    {kDoubleClickOption, "X,Y", ValueType::kPoint, "with --png: double-click the plot at X,Y first",
     false, true, "X,Y in plot coordinates"},
};

constexpr OptionSpec kCommonOptions[] = {
    {kHelpOption, "", ValueType::kFlag, "show this help and exit"},
    {kVersionOption, "", ValueType::kFlag, "show the program's name and version and exit"},
};

// The indent of the second and later lines of a usage form too long for one line.
constexpr std::size_t kUsageIndent = 15;
// The width the usage forms of a usage error wrap at.
constexpr std::size_t kUsageWidth = 79;

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

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// Whether the whole of `text` is a number as ValueType::kNumber describes it.
bool IsNumber(std::string_view text) {
    if (text.size() > 2 && text[0] == '&' && (text[1] == 'h' || text[1] == 'H'))
        return std::all_of(text.begin() + 2, text.end(), IsHexDigit);
    std::size_t i = 0;
    auto skipSign = [&] {
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    };
    auto skipDigits = [&] {
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        return i - start;
    };
    skipSign();
    std::size_t digits = skipDigits();
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += skipDigits();
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        skipSign();
        if (skipDigits() == 0) return false;
    }
    return i == text.size();
}

std::optional<double> ReadNumber(std::string_view text) {
    if (!IsNumber(text)) return std::nullopt;
    // Read as the dialogue reads a typed answer, so that the option and the answer agree.
    return geodesy::LeadingNumber(text, geodesy::kConsoleNumbers);
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

std::optional<Point> ReadPoint(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    const std::optional<double> x = ReadNumber(Trimmed(text.substr(0, comma)));
    const std::optional<double> y = ReadNumber(Trimmed(text.substr(comma + 1)));
    if (!x || !y) return std::nullopt;
    return Point{*x, *y};
}

std::string_view TypeWords(ValueType type) {
    switch (type) {
        case ValueType::kNumber:
            return "a number";
        case ValueType::kYesNo:
            return "Y or N";
        case ValueType::kPoint:
            return "X,Y";
        case ValueType::kFlag:
        case ValueType::kText:
        case ValueType::kFileName:
            break;
    }
    return "a value";
}

struct ValueReading {
    TypedValue typed;
    std::string error;  // not empty: the value does not fit the option
};

// `value` read as `spec`'s type says.
ValueReading ReadOptionValue(const OptionSpec& spec, const std::string& value) {
    auto malformed = [&spec, &value] {
        const std::string_view expected =
            spec.expected.empty() ? TypeWords(spec.type) : spec.expected;
        return ValueReading{
            {}, std::string(spec.name) + " " + value + ": expected " + std::string(expected)};
    };
    // An empty number or Y/N is the empty answer, which takes the default as Enter does; a
    // number the parse checks against a range has no default to take.
    const bool answerLike = spec.type == ValueType::kNumber || spec.type == ValueType::kYesNo;
    if (value.empty() && answerLike && !spec.range.Limited()) return {};
    switch (spec.type) {
        case ValueType::kFlag:
        case ValueType::kText:
            return {};
        case ValueType::kFileName:
            if (value.empty()) return {{}, std::string(spec.name) + " needs a file name"};
            return {};
        case ValueType::kNumber: {
            const std::optional<double> number = ReadNumber(value);
            if (!number || !spec.range.Contains(*number)) return malformed();
            return {*number, ""};
        }
        case ValueType::kYesNo:
            if (value != "Y" && value != "y" && value != "N" && value != "n") return malformed();
            return {value == "Y" || value == "y", ""};
        case ValueType::kPoint: {
            const std::optional<Point> point = ReadPoint(value);
            if (!point) return malformed();
            return {*point, ""};
        }
    }
    return {};
}

// One word of the command line that begins an option, with its value when it needs one (taken
// from after "=" or from the next word, `next` then moving past it). Empty `error` when it fits.
std::string ReadOption(const std::vector<OptionSpec>& options, const std::vector<std::string>& args,
                       std::size_t& next, CommandLine& line) {
    const std::string& word = args[next++];
    std::string name = word == kShortHelpOption ? std::string(kHelpOption) : word;
    std::optional<std::string> value;
    if (const std::size_t equals = name.find('='); equals != std::string::npos) {
        value = name.substr(equals + 1);
        name.resize(equals);
    }
    const OptionSpec* spec = FindOption(options, name);
    if (!spec) return "unknown option " + word;
    if (spec->type == ValueType::kFlag) {
        if (value) return name + " takes no value";
    } else if (!value) {
        if (next >= args.size()) return name + " needs a value " + std::string(spec->valueName);
        value = args[next++];
    }
    if (!spec->repeatable && line.Given(name)) return name + " given twice";
    ValueReading read = ReadOptionValue(*spec, value.value_or(""));
    if (!read.error.empty()) return read.error;
    line.options.push_back({name, value.value_or(""), read.typed, *spec});
    return "";
}

// `text` broken at blanks into lines that end before `layout.width`, the later ones indented to
// `layout.column`; the first line starts at that column too.
std::string Wrapped(std::string_view text, const HelpLayout& layout) {
    std::string result, line;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view word = text.substr(start, end - start);
        if (!line.empty() && layout.column + line.size() + 1 + word.size() > layout.width) {
            result += line + "\n" + std::string(layout.column, ' ');
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

std::string OptionLine(const OptionSpec& option, const HelpLayout& layout) {
    std::string column = option.name == kHelpOption ? "  -h, " : "      ";
    column += option.name;
    if (!option.valueName.empty()) column += " " + std::string(option.valueName);
    column += column.size() + 2 <= layout.column ? std::string(layout.column - column.size(), ' ')
                                                 : "\n" + std::string(layout.column, ' ');
    std::string description(option.help);
    if (option.repeatable) description += " (repeatable)";
    return column + Wrapped(description, layout) + '\n';
}

// The usage forms of `tool` after its name.
std::vector<std::string> UsageForms(const ToolDescription& tool) {
    if (tool.forms.empty()) return {"[OPTION]... " + std::string(tool.arguments)};
    return {tool.forms.begin(), tool.forms.end()};
}

}  // namespace

std::optional<double> ReadWholeNumber(std::string_view text) {
    return ReadNumber(text);
}

bool CommandLine::Given(std::string_view name) const {
    return std::any_of(options.begin(), options.end(),
                       [name](const GivenOption& o) { return o.name == name; });
}

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

std::optional<double> CommandLine::Number(std::string_view name) const {
    for (auto it = options.rbegin(); it != options.rend(); ++it) {
        if (it->name != name) continue;
        if (const double* number = std::get_if<double>(&it->typed)) return *number;
        return std::nullopt;
    }
    return std::nullopt;
}

std::vector<OptionSpec> AllOptions(const ToolDescription& tool) {
    std::vector<OptionSpec> all(tool.options.begin(), tool.options.end());
    if (tool.kind == ToolKind::kDrawing) {
        for (const OptionSpec& option : kConfigOptions)
            if (option.name != kWindowOption || tool.usesWindowSize) all.push_back(option);
        all.insert(all.end(), std::begin(kHeadlessOptions), std::end(kHeadlessOptions));
    }
    all.insert(all.end(), std::begin(kCommonOptions), std::end(kCommonOptions));
    return all;
}

CommandLine ParseCommandLine(const std::vector<std::string>& args, const ToolDescription& tool) {
    const std::vector<OptionSpec> options = AllOptions(tool);
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t next = 0; next < args.size();) {
        const std::string& word = args[next];
        if (optionsEnded || !IsOptionWord(word)) {
            line.words.push_back(word);
            ++next;
        } else if (word == kEndOfOptions) {
            optionsEnded = true;
            ++next;
        } else if (std::string error = ReadOption(options, args, next, line); !error.empty()) {
            line.request = CommandRequest::kUsageError;
            line.error = std::move(error);
            return line;
        }
    }
    // --help and --version win over everything else on the line, as users expect.
    if (line.Given(kHelpOption))
        line.request = CommandRequest::kHelp;
    else if (line.Given(kVersionOption))
        line.request = CommandRequest::kVersion;
    return line;
}

std::string UsageText(const ToolDescription& tool) {
    const std::string program(tool.program);
    const std::vector<std::string> forms = UsageForms(tool);
    if (forms.size() == 1)
        return "Usage: " + program + " " + forms.front() + "\n" + "Try '" + program +
               " --help' for more information.\n";
    // A program of several ways of running lists them all, each under the one before.
    std::string text;
    for (const std::string& form : forms) {
        text += (text.empty() ? "usage: " : "       ") + program + " ";
        text += Wrapped(form, {kUsageIndent, kUsageWidth}) + "\n";
    }
    return text;
}

std::string HelpText(const ToolDescription& tool) {
    const std::string program(tool.program);
    std::string text;
    for (const std::string& form : UsageForms(tool))
        text += (text.empty() ? "Usage: " : "  or:  ") + program + " " + form + "\n";
    text += std::string(tool.summary) + "\n\n";
    text += "Options:\n";
    for (const OptionSpec& option : AllOptions(tool))
        if (!option.help.empty()) text += OptionLine(option, tool.layout);
    if (!tool.questions.empty()) {
        text +=
            "\nQuestions:\n  Asked in this order, each unless the option or word on its left "
            "gives its answer.\n\n";
        if (tool.kind == ToolKind::kDrawing) {
            text += Indented(kPathQuestions);
            if (tool.usesWindowSize) text += Indented(kWindowSizeQuestion);
        }
        text += Indented(tool.questions);
    }
    text += "\nFiles:\n";
    if (tool.kind == ToolKind::kDrawing) text += Indented(tool.configFile) + Indented(kHeightFiles);
    text += Indented(tool.files);
    text += "\nExit status:\n" + Indented(tool.exitStatus);
    text += "\nExamples:\n" + Indented(tool.examples);
    return text;
}

std::string VersionText(std::string_view program) {
    return std::string(program) + " (Tormark suite) " + TORMARK_VERSION + "\n";
}

}  // namespace console
