#include "plot/plot_window.h"

#include <cstdio>
#include <string_view>

#include "console/exit_status.h"
#include "console/visible_text.h"
#include "plot/gui_application.h"
#include "plot/screen_window.h"
#include "plot/scripted_events.h"

namespace plot {

namespace {

// A headless run has no console of its own for its failures: they go where the tools' usage
// errors go.
void ReportOnStandardError(std::string_view line) {
    const std::string shown = console::VisibleText(line);  // a corrupt file name's bytes escaped
    std::fprintf(stderr, "%s\n", shown.c_str());
}

}  // namespace

PlotWindow::PlotWindow(std::string caption, int left_px, int top_px, int width_px, int height_px,
                       const console::HeadlessOptions& headless, Rgb background)
    : canvas_(std::move(caption), width_px, height_px, background) {
    // The application comes after the first picture: a QImage made before there is a screen
    // records Qt's default 100 dpi, one made later the screen's. The PNGs have always carried
    // the first tool window's 100 dpi, and keep it.
    EnsureGuiApplication(headless.Active() ? GuiPlatform::kOffscreen : GuiPlatform::kScreen);
    if (headless.Active()) {
        script_ = std::make_unique<ScriptedEvents>(
            headless, [this](const std::string& png) { return canvas_.SavePng(png); },
            ReportOnStandardError, [this] { return canvas_.Transform().Corners(); });
        events_ = script_.get();
    } else {
        screen_ = std::make_unique<ScreenWindow>(canvas_, left_px, top_px);
        events_ = screen_.get();
    }
}

PlotWindow::~PlotWindow() = default;

void PlotWindow::Show() {
    if (screen_ && !closed_) screen_->Show();
}

void PlotWindow::Repaint() {
    canvas_.FinishPainting();
    if (screen_ && !closed_) screen_->Repaint();
}

void PlotWindow::DisableClose() {
    if (screen_) screen_->DisableClose();
}

void PlotWindow::Close() {
    canvas_.FinishPainting();
    closed_ = true;
    if (screen_) screen_->Hide();
}

void PlotWindow::SetExitPoint(double x, double y) {
    if (script_) script_->SetExitPoint(x, y);
}

std::optional<int> PlotWindow::FailedStatus() const {
    if (!script_) return std::nullopt;
    switch (script_->ScriptOutcome()) {
        case ScriptedEvents::Outcome::kNotSaved:
            return console::kExitRefused;
        case ScriptedEvents::Outcome::kClickOutside:
            return console::kExitUsage;
        case ScriptedEvents::Outcome::kRunning:
        case ScriptedEvents::Outcome::kSaved:
            break;
    }
    return std::nullopt;
}

int RunExitStatus(const PlotWindow& window, bool finished) {
    if (const std::optional<int> failed = window.FailedStatus()) return *failed;
    return finished ? console::kExitNormal : console::kExitRefused;
}

void PlotWindow::InjectClick(ClickKind kind, double x, double y) {
    if (screen_) screen_->InjectClick(kind, x, y);
}

void PlotWindow::InjectKey(int key) {
    if (screen_) screen_->InjectKey(key);
}

}  // namespace plot
