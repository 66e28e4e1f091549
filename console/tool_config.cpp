#include "console/tool_config.h"

#include <cctype>
#include <vector>

#include "console/command_line.h"
#include "console/file_names.h"
#include "console/numbers.h"
#include "console/visible_text.h"
#include "geodesy/upper_case.h"
#include "sitefile/site_file_lines.h"

namespace console {

namespace fs = std::filesystem;

namespace {

std::string Upper(std::string_view text) {
    return geodesy::UpperCase(text, geodesy::Letters::kAscii);
}

// A palette named in the configuration or after "/" whose file is missing is said, not passed
// over: the picture would otherwise come out in other colours without a word.
void WarnPaletteMissing(const std::string& paletteFile, const fs::path& dir, Console& console) {
    console.SetColour(Colour::kLightMagenta);
    console.PrintLine("Colour palette " + VisibleText(paletteFile) + " not found in " +
                      VisibleText(dir.string()) + ": using the built-in colours");
    console.SetColour(Colour::kLightGrey);
}

// Sets the window size, clamped to its range; a clamped size leaves its warning in the
// configuration, to be printed once the screen has been cleared.
void SetWindowSize(ToolConfig& config, std::int32_t size) {
    config.windowSizeNotice.clear();
    if (size >= kMinWindowSize_px && size <= kMaxWindowSize_px) {
        config.windowSize = size;
        return;
    }
    config.windowSize = size < kMinWindowSize_px ? kMinWindowSize_px : kMaxWindowSize_px;
    config.windowSizeNotice = "Plot window size " + std::to_string(size) + " is outside " +
                              std::to_string(kMinWindowSize_px) + " to " +
                              std::to_string(kMaxWindowSize_px) + " pixels; using " +
                              std::to_string(config.windowSize);
}

// The configuration file of `dir` the tool reads and writes: the same file both ways, whatever
// spellings of its name the folder holds.
std::optional<std::string> ExistingConfigFile(ConfigFile file, const fs::path& dir) {
    return FindFileIgnoringCase((dir / std::string(ConfigLookupName(file))).string());
}

bool EndsInSeparator(const std::string& path) {
    return !path.empty() && IsSeparator(path.back());
}

}  // namespace

std::string_view ConfigLookupName(ConfigFile file) {
    return file == ConfigFile::kBrelland ? "Brelland.ini" : "Corvanne.ini";
}

std::string_view ConfigWriteName(ConfigFile file) {
    return file == ConfigFile::kBrelland ? "Brelland.INI" : "Corvanne.INI";
}

std::optional<ToolConfig> ReadConfigFile(const std::string& path, ConfigFile file) {
    // Only a regular file: opening a FIFO of that name would wait for a writer forever.
    std::error_code ec;
    if (!fs::is_regular_file(NativePath(path), ec)) return std::nullopt;
    constexpr std::size_t kMostLines = 4;
    std::vector<std::string> lines;
    const bool read = sitefile::ForEachLine(NativePath(path), sitefile::LineEnds::kAny,
                                            [&](std::string_view line) {
                                                lines.emplace_back(line);
                                                return lines.size() < kMostLines;
                                            });
    if (!read) return std::nullopt;
    ToolConfig config;
    if (lines.size() > 0) config.heightPath = lines[0];
    if (lines.size() > 1) config.sitesPath = lines[1];
    if (lines.size() > 2) SetWindowSize(config, RoundToInt(LeadingNumber(lines[2])));
    if (file == ConfigFile::kBrelland && lines.size() > 3) config.paletteName = lines[3];
    return config;
}

bool AskMissingConfig(ToolConfig& config, bool askWindowSize, Console& console) {
    auto askPath = [&](std::string& path, std::string_view prompt, std::string_view question) {
        if (!path.empty()) return true;
        path = console.Ask(prompt, question);
        if (path.empty()) {
            console.PrintLine(kSpecifyFullPath);
            return false;
        }
        if (!EndsInSeparator(path)) path += PathSeparator();
        return true;
    };
    if (!askPath(config.heightPath, kHeightPathPrompt, kHeightsOption)) return false;
    if (!askPath(config.sitesPath, kSitesPathPrompt, kSitesOption)) return false;
    if (askWindowSize) {
        std::int32_t size =
            RoundToInt(LeadingNumber(console.Ask(kWindowSizePrompt, kWindowOption)));
        if (size == 0) size = kDefaultWindowSize_px;
        SetWindowSize(config, size);
    }
    return true;
}

std::int32_t WindowSizeAnswer(std::string_view answer, Console& console) {
    std::int32_t size = RoundToInt(LeadingNumber(answer));
    if (size == 0) size = kDefaultWindowSize_px;
    ToolConfig sized;
    SetWindowSize(sized, size);
    if (!sized.windowSizeNotice.empty()) {
        console.SetColour(Colour::kLightMagenta);
        console.PrintLine(sized.windowSizeNotice);
        console.SetColour(Colour::kLightGrey);
    }
    return sized.windowSize;
}

void ApplyGivenConfig(ToolConfig& config, Console& console) {
    auto usePath = [](std::optional<std::string> answer, std::string& path) {
        if (!answer || answer->empty()) return;
        path = *answer;
        if (!EndsInSeparator(path)) path += PathSeparator();
    };
    usePath(console.TakeGivenAnswer(kHeightsOption), config.heightPath);
    usePath(console.TakeGivenAnswer(kSitesOption), config.sitesPath);
    if (auto size = console.TakeGivenAnswer(kWindowOption))
        config.windowSize = WindowSizeAnswer(*size, console);
}

std::optional<ToolConfig> ObtainConfig(ConfigFile file, const fs::path& dir, Console& console,
                                       bool askWindowSize) {
    if (auto existing = ExistingConfigFile(file, dir)) {
        if (auto config = ReadConfigFile(*existing, file)) {
            // A file with missing path lines asks only for those.
            if (!AskMissingConfig(*config, false, console)) return std::nullopt;
            return config;
        }
    }
    ToolConfig config;
    if (!AskMissingConfig(config, askWindowSize, console)) return std::nullopt;
    return config;
}

std::string ConfigFileText(const ToolConfig& config, ConfigFile file) {
    std::string text = config.heightPath + "\r\n" + config.sitesPath + "\r\n" +
                       std::to_string(config.windowSize) + "\r\n";
    if (file == ConfigFile::kBrelland) text += config.paletteName + "\r\n";
    return text;
}

bool WriteConfig(const ToolConfig& config, ConfigFile file, const fs::path& dir, Console& console) {
    std::string path =
        ExistingConfigFile(file, dir).value_or((dir / std::string(ConfigWriteName(file))).string());
    if (WriteFileAtomically(path, ConfigFileText(config, file))) return true;
    console.PrintLine("Cannot write " + path);
    return false;
}

CommandTailParts SplitCommandTail(std::string_view tail) {
    CommandTailParts parts;
    auto slash = tail.find('/');
    if (slash == std::string_view::npos) {
        parts.siteText = std::string(tail);
    } else {
        parts.siteText = std::string(tail.substr(0, slash));
        parts.paletteName = std::string(tail.substr(slash + 1));
    }
    return parts;
}

std::string WithPaletteExtension(std::string name) {
    if (Upper(name).find(".PAL") == std::string::npos) name += ".PAL";
    return name;
}

std::optional<StartUpResult> StartUp(const ToolProfile& profile, Console& console,
                                     std::string_view commandTail, const fs::path& dir) {
    auto config = ObtainConfig(profile.configFile, dir, console, profile.usesWindowSize);
    if (!config) return std::nullopt;
    // Options the configuration file made unnecessary to ask still count for this run.
    ApplyGivenConfig(*config, console);

    StartUpResult result;
    result.config = *config;
    result.palette = DefaultPalette();

    console.ClearScreen();
    if (!result.config.windowSizeNotice.empty()) {
        console.SetColour(Colour::kLightMagenta);
        console.PrintLine(result.config.windowSizeNotice);
    }
    console.SetColour(Colour::kYellow);
    console.PrintLine(profile.banner);

    // Leading blanks of the tail were taken by the shell; strip any that remain.
    std::size_t first = commandTail.find_first_not_of(' ');
    std::string_view tail =
        first == std::string_view::npos ? std::string_view{} : commandTail.substr(first);

    if (profile.palette == PaletteUse::kNone) {
        console.SetColour(Colour::kLightGrey);
        console.PrintLine();
        console.PrintLine();
        result.siteText = std::string(tail);
        result.askPosition = result.siteText.empty();
        return result;
    }

    const bool colourMap = profile.palette == PaletteUse::kColourMap;
    if (colourMap) {
        console.PrintLine();  // an empty line, still in the banner colour
    } else {
        console.SetColour(Colour::kLightGrey);
    }

    CommandTailParts parts = SplitCommandTail(tail);
    result.siteText = parts.siteText;
    if (parts.paletteName) result.config.paletteName = *parts.paletteName;
    const bool paletteNamed = !result.config.paletteName.empty();
    result.config.paletteName = WithPaletteExtension(result.config.paletteName);
    const std::string paletteFile = result.config.paletteName;
    result.paletteFound =
        LoadPalette(result.config.paletteName, result.palette, colourMap, dir.string());

    if (colourMap) {
        console.PrintLine();
        console.SetColour(Colour::kDarkGrey);
        if (!result.config.paletteName.empty()) {
            console.PrintLine("Colour Palette  " + result.config.paletteName);
        }
        console.PrintLine();
        console.PrintLine();
        console.SetColour(Colour::kLightGrey);
        result.askPosition = result.siteText.empty();
    } else {
        console.PrintLine();
        console.PrintLine();
        if (!result.config.paletteName.empty()) {
            console.PrintLine("Colour Palette  " + result.config.paletteName);
        }
        console.PrintLine();
        // A shaded view skips its prompt whenever the tail is not empty, even when the site part
        // is.
        result.askPosition = tail.empty();
    }
    if (paletteNamed && !result.paletteFound) WarnPaletteMissing(paletteFile, dir, console);
    return result;
}

bool FinishRun(const ToolProfile& profile, const ToolConfig& config, Console& console,
               const fs::path& dir) {
    if (!profile.writesConfig) return true;
    return WriteConfig(config, profile.configFile, dir, console);
}

}  // namespace console
