#include "plot/scripted_events.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "console/command_line.h"

namespace plot {

namespace {

// A tool that keeps polling after it was led out through Exit and Escape is stuck: after this
// many Escapes it is ended rather than left spinning.
constexpr long kEscapesBeforeGivingUp = 99999;
// The exit status of such a stuck run: none of the tools' own (0, 1, 2).
constexpr int kExitStuck = 3;

// A coordinate as the user would type it: two decimals at most (the plots' scales are single
// precision, 396.97 rather than 396.9700195), no trailing zeros.
std::string Coordinate(double value) {
    char text[400];  // room for the largest double in fixed notation
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string result = text;
    while (result.back() == '0') result.pop_back();
    if (result.back() == '.') result.pop_back();
    return result == "-0" ? "0" : result;
}

}  // namespace

ScriptedEvents::ScriptedEvents(console::HeadlessOptions options, SavePicture save, Report report,
                               PlotExtent extent)
    : options_(std::move(options)),
      save_(std::move(save)),
      report_(std::move(report)),
      extent_(std::move(extent)) {}

void ScriptedEvents::SetExitPoint(double x, double y) {
    exitPoint_ = Click{ClickKind::kSingle, x, y};
}

Click ScriptedEvents::PollClick() {
    clicksPolled_ = true;
    Step(Poll::kClick);
    if (clicks_.empty()) return Click{};
    const Click click = clicks_.front();
    clicks_.pop_front();
    return click;
}

std::optional<int> ScriptedEvents::PollKey() {
    Step(Poll::kKey);
    if (keys_.empty()) return std::nullopt;
    const int key = keys_.front();
    keys_.pop_front();
    return key;
}

void ScriptedEvents::Step(Poll poll) {
    // Clicks drive the script; a tool that polls clicks reads its keys after them, so its key
    // polls move nothing on.
    if (poll == Poll::kKey && clicksPolled_) return;
    if (!clicks_.empty() || !keys_.empty()) return;
    if (stage_ == Stage::kClicks) {
        if (nextClick_ == 0 && !ClicksInsidePlot()) {
            outcome_ = Outcome::kClickOutside;
            LeadOut(poll);
            return;
        }
        if (poll == Poll::kClick && nextClick_ < options_.clicks.size()) {
            const console::ScriptedClick& next = options_.clicks[nextClick_++];
            clicks_.push_back(Click{next.kind, next.x, next.y});
            return;
        }
        SaveAndReport();
        LeadOut(poll);
        return;
    }
    GiveEscape();
}

void ScriptedEvents::LeadOut(Poll poll) {
    stage_ = Stage::kLeading;
    if (exitPoint_ && poll == Poll::kClick)
        clicks_.push_back(*exitPoint_);
    else
        GiveEscape();
}

void ScriptedEvents::GiveEscape() {
    if (++escapesGiven_ > kEscapesBeforeGivingUp) {
        report_("Headless run did not end after Exit and Escape");
        std::exit(kExitStuck);
    }
    keys_.push_back(kEscapeKey);
}

bool ScriptedEvents::ClicksInsidePlot() {
    if (!extent_) return true;
    const console::UserScale corners = extent_();
    const double left = std::min(corners.x1, corners.x2), right = std::max(corners.x1, corners.x2);
    const double low = std::min(corners.y1, corners.y2), high = std::max(corners.y1, corners.y2);
    for (const console::ScriptedClick& click : options_.clicks) {
        if (click.x >= left && click.x <= right && click.y >= low && click.y <= high) continue;
        const std::string_view option =
            click.kind == ClickKind::kDouble ? console::kDoubleClickOption : console::kClickOption;
        report_(std::string(option) + " " + Coordinate(click.x) + "," + Coordinate(click.y) +
                " is outside the plot: X runs from " + Coordinate(left) + " to " +
                Coordinate(right) + ", Y from " + Coordinate(low) + " to " + Coordinate(high));
        return false;
    }
    return true;
}

void ScriptedEvents::SaveAndReport() {
    const std::string unwritten = save_(options_.pngFile);
    outcome_ = unwritten.empty() ? Outcome::kSaved : Outcome::kNotSaved;
    if (unwritten.empty()) return;
    report_("Cannot write " + unwritten);
    // A georeference file that failed leaves the picture incomplete: its PNG is named too.
    if (unwritten != options_.pngFile) report_("Cannot write " + options_.pngFile);
}

}  // namespace plot
