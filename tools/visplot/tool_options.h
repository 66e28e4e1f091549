// visplot's command line: what --help says about it (the options are mastview's).
#pragma once

#include "console/command_line.h"
#include "mastview/mastview_options.h"

namespace visplot {

inline constexpr console::ToolDescription kDescription{
    .program = "visplot",
    .arguments = "[SITE]",
    .summary =
        "Draw the terrain visible from the top of a mast at a site, a locator or a grid\n"
        "reference, out to a radius. A click reads out a point; Exit or Escape ends the run.",
    .options = mastview::kOptions,
    .questions = mastview::kQuestions,
    .files = mastview::kFiles,
    .examples =
        "visplot \"Scafell Pike\"\n"
        "visplot --mast 10 --k 1.3 --radius 40 --png visible.png \"Scafell Pike\"",
};

}  // namespace visplot
