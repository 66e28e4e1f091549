// What the user does to a plot: a click in the plot's own user coordinates, or a key.
#pragma once

#include "console/headless.h"

namespace plot {

// The kinds are console's, because the scripted clicks of --click / --dclick are read there.
using console::ClickKind;

struct Click {
    ClickKind kind = ClickKind::kNone;
    double x = 0;  // user coordinates
    double y = 0;
};

// The key code a window hands out for Escape (and for closing it from its title bar).
inline constexpr int kEscapeKey = 27;

}  // namespace plot
