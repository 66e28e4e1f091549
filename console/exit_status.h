// The exit statuses of every console tool, so that scripts can tell the three endings apart.
#pragma once

namespace console {

// The run reached its normal end (Exit or Escape in the window, the end word, an empty answer
// to the question that ends the dialogue).
inline constexpr int kExitNormal = 0;
// The run was refused or failed before its end: an empty path or position answer, a site not
// found or no site file, no height data, an area too large, a file that could not be written.
inline constexpr int kExitRefused = 1;
// The command line was malformed (an unknown option, a missing or malformed value).
inline constexpr int kExitUsage = 2;

}  // namespace console
