// Headless use of the drawing tools, for users' scripts and for tests:
//
//   --png FILE   draw the plot into FILE and end as if the user had left through "Exit"
//   --click X,Y  a single click at user coordinates (X, Y) after drawing (repeatable)
//   --dclick X,Y a double click (repeatable; all clicks apply in the order given)
//
// TakeHeadlessArgs removes these from the command line; the remaining words make the command
// tail with its usual meaning (site text, "/" palette). With --png no window is ever shown and
// the offscreen platform is used, so no display is needed. The options go to the plot window a
// tool makes (plot/plot_window.h), which then takes its clicks from them.
#pragma once

#include <string>
#include <vector>

namespace console {

// A click of the user's: a single or a double click (kNone: no click).
enum class ClickKind { kNone, kSingle, kDouble };

struct ScriptedClick {
    ClickKind kind = ClickKind::kSingle;
    double x = 0;
    double y = 0;
};

struct HeadlessOptions {
    std::string pngFile;                // empty: interactive
    std::vector<ScriptedClick> clicks;  // in the order given
    bool Active() const { return !pngFile.empty(); }
};

struct HeadlessArgs {
    HeadlessOptions options;
    std::vector<std::string> remaining;  // the other words, in order (program name not included)
    std::string error;                   // non-empty when a flag was malformed
};

// Splits the command line (argv[1] ...) into headless options and the remaining words.
// Clicks without --png are an error (there would be nobody to show them to). "X,Y" takes two
// numbers separated by a comma.
HeadlessArgs TakeHeadlessArgs(int argc, const char* const* argv);
HeadlessArgs TakeHeadlessArgs(const std::vector<std::string>& words);

}  // namespace console
