// Whether a program that opens windows has somewhere to show them.
//
// Without a display Qt's default platform aborts the program (status 134) and the offscreen one
// shows a window nobody can see or click, so a run would wait for ever. Both the drawing tools
// and Tormark ask first and refuse with a sentence instead.
#pragma once

#include <string_view>

namespace program {

// The start of the line a program prints when it would need a window and has no display; each
// program goes on with what it can do without one.
inline constexpr std::string_view kNoDisplayReason =
    "no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set)";

// True when windows can be shown: a display is named (DISPLAY, WAYLAND_DISPLAY), or
// QT_QPA_PLATFORM names a platform that needs none (offscreen, vnc, eglfs, ...). Off Linux and
// the BSDs the desktop is always there.
bool DisplayAvailable();

}  // namespace program
