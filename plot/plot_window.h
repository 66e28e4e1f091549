// A drawing tool's plot window: the canvas it draws on and the events it answers.
//
// An interactive run shows the canvas in a window on the screen (plot/screen_window.h); a
// headless run (--png, console/headless.h) never shows it and takes its clicks from the script
// (plot/scripted_events.h), which ends by saving the PNG and leading the tool out through its
// Exit point or Escape. The tool draws and polls the same way in both.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "console/headless.h"
#include "plot/canvas.h"
#include "plot/event_source.h"

namespace plot {

class ScreenWindow;
class ScriptedEvents;

class PlotWindow {
  public:
    // A window with `caption` whose client area is width x height pixels, placed with its top-left
    // corner at screen position (left, top), background filled with `background`. Not shown yet.
    // With `headless` active there is no window: the script drives it instead.
    PlotWindow(std::string caption, int left_px, int top_px, int width_px, int height_px,
               const console::HeadlessOptions& headless = {}, Rgb background = console::kWhite);
    ~PlotWindow();
    PlotWindow(const PlotWindow&) = delete;
    PlotWindow& operator=(const PlotWindow&) = delete;

    // What the window shows: all drawing goes here.
    Canvas& Picture() { return canvas_; }
    const Canvas& Picture() const { return canvas_; }

    void Show();          // shows the window (nothing in a headless run)
    void Repaint();       // ends the pending drawing and shows it; serves waiting window events
    void DisableClose();  // the title-bar close does nothing
    void Close();
    bool IsClosed() const { return closed_; }
    const std::string& Caption() const { return canvas_.Title(); }
    // True for a headless run: its picture is saved, never shown, so controls the user would
    // click (the Exit box) are not drawn into it.
    bool IsHeadless() const { return script_ != nullptr; }

    Click PollClick() { return events_->PollClick(); }
    std::optional<int> PollKey() { return events_->PollKey(); }
    // Returns once a click is waiting (keys stay queued) / once a click or a key is waiting.
    void WaitForClick() { events_->WaitForClick(); }
    void WaitForInput() { events_->WaitForInput(); }

    // Where the tool's "Exit" control is, in user coordinates: a headless run leaves through a
    // click there after its scripted clicks. DrawExitControl sets it; tools with their own Exit
    // box set it themselves. Without one, a headless run leaves with the Escape key.
    void SetExitPoint(double x, double y);

    // The exit status a headless run must end with when its script failed: 1 when the picture
    // or a file beside it could not be written, 2 when a scripted click lies outside the plot
    // (both reported on standard error). nullopt for a window on the screen or a script that
    // went through.
    std::optional<int> FailedStatus() const;

    // Queues a click or key as if the user had made it (tests; interactive windows only).
    void InjectClick(ClickKind kind, double x, double y);
    void InjectKey(int key);

  private:
    Canvas canvas_;
    std::unique_ptr<ScreenWindow> screen_;    // interactive runs
    std::unique_ptr<ScriptedEvents> script_;  // headless runs
    EventSource* events_;                     // whichever of the two there is
    bool closed_ = false;
};

// The exit status of a drawing tool's run that ended with `window`: the script's failure when it
// had one, else 0 when the run's end (`finished`: the configuration written) went well, 1 when
// not.
int RunExitStatus(const PlotWindow& window, bool finished);

}  // namespace plot
