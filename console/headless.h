// Headless use of the drawing tools, for users' scripts and for tests:
//
//   --png FILE   draw the plot into FILE and end as if the user had left through "Exit"
//   --click X,Y  a single click at user coordinates (X, Y) after drawing (repeatable)
//   --dclick X,Y a double click (repeatable; all clicks apply in the order given)
//
// They are options of every drawing tool's command line (console/command_line.h); PrepareRun
// (console/prepared_run.h) makes the HeadlessOptions of a run from them. With --png no window is
// ever shown and the offscreen platform is used, so no display is needed.
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

}  // namespace console
