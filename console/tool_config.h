// Configuration and start-up of the drawing console tools.
//
// A tool's profile names its configuration file: "Brelland.ini" (four lines: HeightPath,
// SitesPath, WindowSize, PaletteName) or "Corvanne.ini" (the first three lines). The file sits in
// the working folder, is found whatever the case of its name, and is written back with CR LF line
// ends at the normal end of a run (unless the profile says the tool never writes it).
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/palette.h"
#include "console/tool_profile.h"

namespace console {

inline constexpr std::int32_t kDefaultWindowSize_px = 600;
// Window sizes outside this range are clamped with a console warning.
inline constexpr std::int32_t kMinWindowSize_px = 100;
inline constexpr std::int32_t kMaxWindowSize_px = 4000;

struct ToolConfig {
    std::string heightPath;  // folder of the SRTM tiles; ends in a separator when it was asked
    std::string sitesPath;   // folder of "SITES.DAT"; ends in a separator when it was asked
    std::int32_t windowSize = kDefaultWindowSize_px;  // plot window height, pixels
    std::string paletteName;                          // Brelland.ini only; may be empty
    // The warning for a window size outside its range (clamped), printed by StartUp once the
    // screen has been cleared; empty when the size was in range.
    std::string windowSizeNotice;
};

// "Brelland.ini" / "Corvanne.ini" (the name looked up) and "Brelland.INI" / "Corvanne.INI" (the
// name written when no spelling of it exists yet).
std::string_view ConfigLookupName(ConfigFile file);
std::string_view ConfigWriteName(ConfigFile file);

// The three prompts, 43 characters each so that the answers line up.
inline constexpr std::string_view kHeightPathPrompt = "Path and Location of Height database files ";
inline constexpr std::string_view kSitesPathPrompt = "path and location of SITES.DAT             ";
inline constexpr std::string_view kWindowSizePrompt = "Plot Window Size     [600]                 ";
inline constexpr std::string_view kSpecifyFullPath = "Specify a full path ";

// Reads a configuration file (CR, LF or CR LF line ends). Missing lines take the defaults (empty
// paths, WindowSize 600, empty PaletteName); a WindowSize outside 100 ... 4000 is clamped, its
// warning kept in windowSizeNotice. nullopt when the file cannot be read.
std::optional<ToolConfig> ReadConfigFile(const std::string& path, ConfigFile file);

// Asks for what `config` lacks: each empty path with its prompt (an empty answer prints
// "Specify a full path " and gives false: the tool ends without writing anything), and, when
// `askWindowSize`, the window size (0 or no number gives 600; clamped as ReadConfigFile does). A
// separator is appended to an asked path that does not end in one.
bool AskMissingConfig(ToolConfig& config, bool askWindowSize, Console& console);

// A typed window size: 0 or no number gives 600; sizes outside 100 ... 4000 are clamped with a
// warning on `console`.
std::int32_t WindowSizeAnswer(std::string_view answer, Console& console);

// The configuration answers given on the command line (--heights, --sites, --window) that were
// not used to answer a question: they replace the configuration's values as typed answers would
// (an empty path is ignored; a separator is appended to a path that does not end in one).
void ApplyGivenConfig(ToolConfig& config, Console& console);

// The configuration of the working folder `dir`: read from the file when it exists (asking only
// for paths it lacks), otherwise asked with the three prompts (the window size only when
// `askWindowSize`). nullopt after "Specify a full path".
std::optional<ToolConfig> ObtainConfig(ConfigFile file, const std::filesystem::path& dir,
                                       Console& console, bool askWindowSize = true);

// The configuration file's text: one value per line, CR LF line ends.
std::string ConfigFileText(const ToolConfig& config, ConfigFile file);

// Writes the configuration into `dir`, over the file ObtainConfig reads (the exact name
// "Brelland.ini" / "Corvanne.ini" when it exists, otherwise the first spelling of it in name
// order), else as "Brelland.INI" / "Corvanne.INI". False (with a console line) when it cannot
// be written.
bool WriteConfig(const ToolConfig& config, ConfigFile file, const std::filesystem::path& dir,
                 Console& console);

// The command tail split at its first "/": the text before it is the site text, the text after it
// the palette name. Without a "/" the whole tail is the site text and there is no palette part.
struct CommandTailParts {
    std::string siteText;
    std::optional<std::string> paletteName;
};
CommandTailParts SplitCommandTail(std::string_view tail);

// Appends ".PAL" when the upper-cased name does not contain ".PAL" (an empty name gives ".PAL").
std::string WithPaletteExtension(std::string name);

struct StartUpResult {
    ToolConfig config;
    std::string siteText;     // from the command tail; may be empty
    bool askPosition = true;  // whether the tool shows its position prompt (empty tail / site)
    Palette palette;          // loaded when the profile uses a palette; otherwise the default
    bool paletteFound = false;
};

// The start of a drawing tool: configuration (file or prompts), clear screen, banner and layout in
// the tool's colours, the command tail (with its "/" palette part when the profile uses a
// palette), the palette and the "Colour Palette  " line. nullopt when the tool must end at once
// (an empty path answer). `dir` is the working folder that holds the configuration and the
// palette files.
std::optional<StartUpResult> StartUp(
    const ToolProfile& profile, Console& console, std::string_view commandTail,
    const std::filesystem::path& dir = std::filesystem::current_path());

// The normal end of a run: writes the configuration back when the profile says so (true when
// nothing had to be written).
bool FinishRun(const ToolProfile& profile, const ToolConfig& config, Console& console,
               const std::filesystem::path& dir = std::filesystem::current_path());

}  // namespace console
