// The dialogue of pathprofile: the base site and its mast, then one distant site after another
// (mast height, K), each drawn as a profile, until the user types "endendend".
#pragma once

#include <filesystem>
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
// Mast heights below this many metres become the default; K values below kMinKFactor keep the
// current K.
inline constexpr double kMinMastHeight_m = static_cast<double>(0.01f);
inline constexpr double kMinKFactor = static_cast<double>(0.1f);

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

// A mast-height answer in metres: its leading number, or the default 2 m below 0.01 m.
double MastHeightAnswer(std::string_view answer);

// A K answer: its leading number, or `current` when that is below 0.1.
double KFactorAnswer(std::string_view answer, double current);

}  // namespace pathprofile
