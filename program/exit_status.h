// The exit statuses of every program of the suite, so that scripts can tell the three endings
// apart.
#pragma once

namespace program {

// The run reached its normal end (Exit or Escape in the window, the end word, an empty answer
// to the question that ends the dialogue, the window program closed).
inline constexpr int kExitNormal = 0;
// The run was refused or failed before its end: an empty path or position answer, a site not
// found or no site file, no height data, an area too large, a file that could not be written,
// or an error that escaped the run.
inline constexpr int kExitRefused = 1;
// The command line was malformed (an unknown option, a bad --png, --click or --dclick).
inline constexpr int kExitUsage = 2;

}  // namespace program
