// The dialogue of pathprofile: the base site and its mast, then one distant site after another
// (mast height, K), each drawn as a profile, until the user types "endendend".
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/headless.h"
#include "radio_options.h"

namespace pathprofile {

// The prompts and texts of the dialogue.
inline constexpr std::string_view kBasePrompt = "Base Site Name / Location        ";
inline constexpr std::string_view kBaseMastPrompt = "Base mast height     [2]         ";
inline constexpr std::string_view kDistantMastPrompt = "Distant mast height  [2]         ";
inline constexpr std::string_view kKPromptMask = "K value         [#.##]           ";
inline constexpr std::string_view kEndWord = "endendend";
// Column of the answer to the distant-site prompt, and of the distance line.
inline constexpr int kDistantAnswerColumn = 34;
inline constexpr int kDistanceLineColumn = 30;
// Column of the line-of-sight line.
inline constexpr int kClearanceLineColumn = 10;
// Mast heights below this many metres become the default.
inline constexpr double kMinMastHeight_m = static_cast<double>(0.01f);
// Said when a typed mast height or K is out of its range; the question is asked again.
inline constexpr std::string_view kMastRefusal =
    "The mast height must be a number of metres from 0 to 10000";
inline constexpr std::string_view kKRefusal = "The K value must be a number from 0.1 to 1000";

// Runs the whole dialogue, returning console::kExitNormal or kExitRefused. `dir` is the working
// folder of the configuration file. With `headless` active, each profile is drawn into the PNG file
// named by NumberedPngName and left as through "Exit" after the scripted clicks. `radio` adds the
// Fresnel zone, the loss lines and the CSV files of every profile (nothing without it).
int RunDialogue(console::Console& console, std::string_view command_tail,
                const std::filesystem::path& dir, const console::HeadlessOptions& headless,
                const RadioOptions& radio = {});

// "out.png" for profile 2 gives "out2.png" (CSV files are numbered the same way); a name without an
// extension gets the number at its end ("out" gives "out2"). Only the last component's extension
// counts.
std::string NumberedPngName(const std::string& file, int profile_number);

// True when the answer holds "endendend" anywhere, in any mix of cases.
bool IsEndAnswer(std::string_view answer);

// A mast-height answer in metres: its leading number, or the default 2 m below 0.01 m (an empty
// answer reads 0); nullopt above 10000 m (tool_options.h), which is asked again.
std::optional<double> MastHeightAnswer(std::string_view answer);

// A K answer: `current` for an empty answer, else its leading number when that is from 0.1 to
// 1000; nullopt for anything else (0, -1, "inf", "nan", 2000), which is asked again.
std::optional<double> KFactorAnswer(std::string_view answer, double current);

}  // namespace pathprofile
