// The plot on the screen: a window that shows a canvas's image and collects the user's clicks
// and keys until the tool polls them. Waiting blocks in Qt's event loop until the user acts.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "plot/canvas.h"
#include "plot/event_source.h"

namespace plot {

class ScreenWidget;  // the QWidget (internal)

class ScreenWindow : public EventSource {
  public:
    // A window titled like `canvas` whose client area is the canvas's size, its top-left corner
    // at screen position (left_px, top_px). Not shown yet. The canvas must outlive the window.
    ScreenWindow(const Canvas& canvas, int left_px, int top_px);
    ~ScreenWindow() override;
    ScreenWindow(const ScreenWindow&) = delete;
    ScreenWindow& operator=(const ScreenWindow&) = delete;

    void Show();
    // Shows what has been drawn at once and serves the window events that are waiting.
    void Repaint();
    void Hide();
    void DisableClose();  // the title-bar close does nothing

    Click PollClick() override;
    std::optional<int> PollKey() override;
    void WaitForClick() override;
    void WaitForInput() override;

    // Queues a click or key as if the user had made it (tests).
    void InjectClick(ClickKind kind, double x, double y);
    void InjectKey(int key);

  private:
    friend class ScreenWidget;
    // The window's client area: the canvas and its title strip above it.
    void FitToPicture();

    const Canvas& canvas_;
    std::unique_ptr<ScreenWidget> widget_;
    bool closeDisabled_ = false;
    std::deque<Click> clicks_;
    std::deque<int> keys_;
};

}  // namespace plot
