#include "plot/scripted_events.h"

#include <cstdlib>
#include <utility>

namespace plot {

namespace {

// A tool that keeps polling after it was led out through Exit and Escape is stuck: after this
// many Escapes it is ended rather than left spinning.
constexpr long kEscapesBeforeGivingUp = 99999;
// The exit status of such a stuck run: none of the tools' own (0, 1, 2).
constexpr int kExitStuck = 3;

}  // namespace

ScriptedEvents::ScriptedEvents(console::HeadlessOptions options, SavePicture save, Report report)
    : options_(std::move(options)), save_(std::move(save)), report_(std::move(report)) {}

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
    if (poll == Poll::kClick && nextClick_ < options_.clicks.size()) {
        const console::ScriptedClick& next = options_.clicks[nextClick_++];
        clicks_.push_back(Click{next.kind, next.x, next.y});
        return;
    }
    if (stage_ == Stage::kClicks) {
        SaveAndReport();
        stage_ = Stage::kLeading;
        if (exitPoint_ && poll == Poll::kClick) {
            clicks_.push_back(*exitPoint_);
            return;
        }
    }
    if (++escapesGiven_ > kEscapesBeforeGivingUp) {
        report_("Headless run did not end after Exit and Escape");
        std::exit(kExitStuck);
    }
    keys_.push_back(kEscapeKey);
}

void ScriptedEvents::SaveAndReport() {
    const std::string unwritten = save_(options_.pngFile);
    if (unwritten.empty()) return;
    report_("Cannot write " + unwritten);
    // A georeference file that failed leaves the picture incomplete: its PNG is named too.
    if (unwritten != options_.pngFile) report_("Cannot write " + options_.pngFile);
}

}  // namespace plot
