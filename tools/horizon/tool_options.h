// horizon's command line: what --help says about it (the options are mastview's).
#pragma once

#include "console/command_line.h"
#include "mastview/mastview_options.h"

namespace horizon {

inline constexpr console::ToolDescription kDescription{
    .program = "horizon",
    .arguments = "[SITE]",
    .summary =
        "Draw the elevation angle of the horizon seen from the top of a mast, bearing by\n"
        "bearing, out to a radius. Exit or Escape ends the run.",
    .options = mastview::kOptions,
    .questions = mastview::kQuestions,
    .files = mastview::kFiles,
    .examples =
        "horizon \"Scafell Pike\"\n"
        "horizon --mast 10 --k 1.3 --radius 40 --png horizon.png \"Scafell Pike\"",
};

}  // namespace horizon
