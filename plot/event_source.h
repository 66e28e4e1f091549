// Where a plot's clicks and keys come from: a window on the screen (plot/screen_window.h) or the
// script of a headless run (plot/scripted_events.h). The tools poll and wait through this and
// need not know which one they talk to.
#pragma once

#include <optional>

#include "plot/click.h"

namespace plot {

class EventSource {
  public:
    virtual ~EventSource() = default;

    // The next click, or one of kind kNone when there is none.
    virtual Click PollClick() = 0;
    // The next key code (kEscapeKey for Escape), or nullopt.
    virtual std::optional<int> PollKey() = 0;

    // Returns once a click is waiting (keys typed meanwhile stay queued). Never returns early
    // through a timer: a window blocks in its event loop, a script returns at once.
    virtual void WaitForClick() = 0;
    // Returns once a click or a key is waiting.
    virtual void WaitForInput() = 0;
};

}  // namespace plot
