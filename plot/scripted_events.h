// The events of a headless run (--png, --click, --dclick): no window, no waiting.
//
// Each click poll that finds nothing pending hands out the next scripted click, so the tool has
// handled (and drawn) every earlier one by then. When the script is used up, the picture is
// saved as the user would see it now, and the tool is led out as if the user had left: by a
// click at its Exit point, or by the Escape key when it has none. A tool that only ever polls
// keys (it answers no clicks) gets no clicks at all: the picture is saved at its first key poll
// and Escape follows.
//
// A scripted click outside the plot's user coordinates would land nowhere (or pass for Exit), so
// the script is refused before any click is handed out: nothing is saved and the tool is led
// out at once. Outcome() tells the tool's end how its script went.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "console/georeference.h"
#include "console/headless.h"
#include "plot/event_source.h"

namespace plot {

class ScriptedEvents : public EventSource {
  public:
    // Saves the picture into the file given; returns the name of the first file that could not
    // be written ("" when all were).
    using SavePicture = std::function<std::string(const std::string& pngFile)>;
    // Tells the user of a failure (one line, without its line end).
    using Report = std::function<void(std::string_view line)>;

    // The plot's user coordinates at the time of the first click (its corners); none: every
    // click is taken.
    using PlotExtent = std::function<console::UserScale()>;

    enum class Outcome {
        kRunning,       // the script has not reached its end
        kSaved,         // every file was written
        kNotSaved,      // a file could not be written (reported)
        kClickOutside,  // a scripted click lies outside the plot (reported); nothing saved
    };

    ScriptedEvents(console::HeadlessOptions options, SavePicture save, Report report,
                   PlotExtent extent = {});

    Outcome ScriptOutcome() const { return outcome_; }

    // Where the tool's "Exit" control is, in user coordinates (see the head of this file).
    void SetExitPoint(double x, double y);

    Click PollClick() override;
    std::optional<int> PollKey() override;
    // The next poll always has something to hand out: neither wait waits.
    void WaitForClick() override {}
    void WaitForInput() override {}

  private:
    enum class Stage {
        kClicks,   // handing out the scripted clicks
        kLeading,  // picture saved; Exit clicked or Escape given, and more Escapes as polled
    };
    enum class Poll { kClick, kKey };

    void Step(Poll poll);
    void LeadOut(Poll poll);  // the Exit click when there is one and clicks are polled
    void GiveEscape();
    void SaveAndReport();
    bool ClicksInsidePlot();  // reports the first click outside

    console::HeadlessOptions options_;
    SavePicture save_;
    Report report_;
    PlotExtent extent_;
    Outcome outcome_ = Outcome::kRunning;
    Stage stage_ = Stage::kClicks;
    std::size_t nextClick_ = 0;
    bool clicksPolled_ = false;  // the tool polls clicks (else it only answers keys)
    long escapesGiven_ = 0;
    std::optional<Click> exitPoint_;
    std::deque<Click> clicks_;
    std::deque<int> keys_;
};

}  // namespace plot
