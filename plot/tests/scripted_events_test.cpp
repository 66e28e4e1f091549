// The events of a headless run on their own: no window, no Qt, no process-wide state. Each test
// makes its own script and watches when the picture is saved and how the tool is led out.
#include "plot/scripted_events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace plot {
namespace {

using console::HeadlessOptions;

// A script with a recorder of what it saved and reported; `unwritten` is what the save says it
// could not write.
struct Recorded {
    explicit Recorded(HeadlessOptions options, std::string unwritten = {},
                      ScriptedEvents::PlotExtent extent = {})
        : events(
              std::move(options),
              [this, unwritten](const std::string& png) {
                  saved.push_back(png);
                  return unwritten;
              },
              [this](std::string_view line) { reports.emplace_back(line); }, std::move(extent)) {}
    std::vector<std::string> saved;
    std::vector<std::string> reports;
    ScriptedEvents events;
};

HeadlessOptions TwoClicks() {
    return {"plot.png", {{ClickKind::kSingle, 10, 20}, {ClickKind::kDouble, -3, 4.5}}};
}

TEST(ScriptedEvents, ClicksInOrderThenSaveThenExit) {
    Recorded r(TwoClicks());
    r.events.SetExitPoint(104, 98.5);

    const Click first = r.events.PollClick();
    EXPECT_EQ(first.kind, ClickKind::kSingle);
    EXPECT_DOUBLE_EQ(first.x, 10);
    EXPECT_DOUBLE_EQ(first.y, 20);
    EXPECT_EQ(r.events.PollKey(), std::nullopt);  // a clicking tool's keys move nothing on
    const Click second = r.events.PollClick();
    EXPECT_EQ(second.kind, ClickKind::kDouble);
    EXPECT_DOUBLE_EQ(second.x, -3);
    EXPECT_DOUBLE_EQ(second.y, 4.5);
    EXPECT_TRUE(r.saved.empty()) << "saved before the last click was handled";

    // The script is used up: the picture is saved, then the Exit point is clicked.
    const Click exit = r.events.PollClick();
    EXPECT_EQ(r.saved, std::vector<std::string>{"plot.png"});
    EXPECT_EQ(exit.kind, ClickKind::kSingle);
    EXPECT_DOUBLE_EQ(exit.x, 104);
    EXPECT_DOUBLE_EQ(exit.y, 98.5);
    EXPECT_TRUE(r.reports.empty());

    // A tool that did not leave on Exit gets Escape, and the picture is not saved again.
    EXPECT_EQ(r.events.PollClick().kind, ClickKind::kNone);
    EXPECT_EQ(r.events.PollKey(), kEscapeKey);
    EXPECT_EQ(r.saved.size(), 1u);
}

TEST(ScriptedEvents, WithoutAnExitPointTheToolLeavesByEscape) {
    Recorded r(HeadlessOptions{"plain.png", {{ClickKind::kSingle, 1, 2}}});
    EXPECT_EQ(r.events.PollClick().kind, ClickKind::kSingle);
    EXPECT_EQ(r.events.PollClick().kind, ClickKind::kNone);
    EXPECT_EQ(r.saved, std::vector<std::string>{"plain.png"});
    EXPECT_EQ(r.events.PollKey(), kEscapeKey);
    EXPECT_EQ(r.events.PollKey(), std::nullopt);  // one Escape at a time, as polled
}

TEST(ScriptedEvents, AKeyOnlyToolGetsNoClicksOnlyTheSaveAndEscape) {
    // terrain3d answers no clicks: its first key poll saves, whatever the script holds, and
    // Escape follows at once; an Exit point does not hold it up.
    Recorded r(TwoClicks());
    r.events.SetExitPoint(104, 98.5);
    EXPECT_EQ(r.events.PollKey(), kEscapeKey);
    EXPECT_EQ(r.saved, std::vector<std::string>{"plot.png"});
    EXPECT_EQ(r.events.PollKey(), kEscapeKey);  // and again, should it keep polling
    EXPECT_EQ(r.saved.size(), 1u);
}

TEST(ScriptedEvents, AnEmptyScriptSavesAtTheFirstPoll) {
    Recorded r(HeadlessOptions{"now.png", {}});
    r.events.SetExitPoint(5, 5);
    const Click exit = r.events.PollClick();
    EXPECT_EQ(r.saved, std::vector<std::string>{"now.png"});
    EXPECT_EQ(exit.kind, ClickKind::kSingle);
    EXPECT_DOUBLE_EQ(exit.x, 5);
}

TEST(ScriptedEvents, WaitingNeverBlocks) {
    Recorded r(TwoClicks());
    r.events.WaitForClick();
    r.events.WaitForInput();
    EXPECT_EQ(r.events.PollClick().kind, ClickKind::kSingle);  // nothing was used up by waiting
    EXPECT_TRUE(r.saved.empty());
}

TEST(ScriptedEvents, FilesThatCannotBeWrittenAreReported) {
    Recorded png(HeadlessOptions{"out/plot.png", {}}, "out/plot.png");
    EXPECT_EQ(png.events.ScriptOutcome(), ScriptedEvents::Outcome::kRunning);
    png.events.PollKey();
    EXPECT_EQ(png.reports, std::vector<std::string>{"Cannot write out/plot.png"});
    EXPECT_EQ(png.events.ScriptOutcome(), ScriptedEvents::Outcome::kNotSaved)
        << "the run ends with status 1, not 0";

    // A georeference file that failed is named, then its picture.
    Recorded world(HeadlessOptions{"map.png", {}}, "map.pgw");
    world.events.PollKey();
    EXPECT_EQ(world.reports,
              (std::vector<std::string>{"Cannot write map.pgw", "Cannot write map.png"}));
}

TEST(ScriptedEvents, TwoScriptsDoNotShareState) {
    Recorded a(TwoClicks());
    Recorded b(HeadlessOptions{"b.png", {{ClickKind::kDouble, 7, 8}}});
    EXPECT_DOUBLE_EQ(a.events.PollClick().x, 10);
    const Click fromB = b.events.PollClick();
    EXPECT_EQ(fromB.kind, ClickKind::kDouble);
    EXPECT_DOUBLE_EQ(fromB.x, 7);
    EXPECT_DOUBLE_EQ(a.events.PollClick().x, -3);
    b.events.PollClick();
    EXPECT_EQ(b.saved, std::vector<std::string>{"b.png"});
    EXPECT_TRUE(a.saved.empty());
}

TEST(ScriptedEvents, ASavedScriptSaysSo) {
    Recorded r(HeadlessOptions{"ok.png", {}});
    r.events.PollKey();
    EXPECT_EQ(r.events.ScriptOutcome(), ScriptedEvents::Outcome::kSaved);
}

// A plot 400 wide and 154 high whose y runs up from -4.62, as terrainplot's 20 km map.
console::UserScale MapCorners() {
    return {0, 154, 396.97, -4.62};
}

// "--click 1000,1000" once landed in the Exit area: no PNG, exit status 0.
TEST(ScriptedEvents, AClickOutsideThePlotIsRefusedBeforeAnyClickOrSave) {
    Recorded r(HeadlessOptions{"map.png",
                               {{ClickKind::kSingle, 10, 20}, {ClickKind::kDouble, 1000, 1000}}},
               {}, MapCorners);
    r.events.SetExitPoint(390, 150);
    const Click first = r.events.PollClick();
    EXPECT_DOUBLE_EQ(first.x, 390) << "led out through Exit at once, the inside click not given";
    EXPECT_TRUE(r.saved.empty());
    EXPECT_EQ(r.events.ScriptOutcome(), ScriptedEvents::Outcome::kClickOutside);
    EXPECT_EQ(r.reports,
              std::vector<std::string>{"--dclick 1000,1000 is outside the plot: X runs from 0 to "
                                       "396.97, Y from -4.62 to 154"});
    EXPECT_EQ(r.events.PollKey(), std::nullopt);
    EXPECT_EQ(r.events.PollClick().kind, ClickKind::kNone);
    EXPECT_EQ(r.events.PollKey(), kEscapeKey) << "and Escape, should the tool not leave";
    EXPECT_TRUE(r.saved.empty());
}

TEST(ScriptedEvents, ClicksOnThePlotsEdgesAreInside) {
    Recorded r(HeadlessOptions{"map.png",
                               {{ClickKind::kSingle, 0, -4.62}, {ClickKind::kSingle, 396.97, 154}}},
               {}, MapCorners);
    EXPECT_DOUBLE_EQ(r.events.PollClick().x, 0);
    EXPECT_DOUBLE_EQ(r.events.PollClick().x, 396.97);
    r.events.PollClick();
    EXPECT_EQ(r.saved, std::vector<std::string>{"map.png"});
    EXPECT_TRUE(r.reports.empty());
    SCOPED_TRACE("just beyond an edge, on the left");
    Recorded left(HeadlessOptions{"map.png", {{ClickKind::kSingle, -0.5, 3}}}, {}, MapCorners);
    left.events.PollKey();
    EXPECT_EQ(left.events.ScriptOutcome(), ScriptedEvents::Outcome::kClickOutside);
    EXPECT_EQ(left.reports.front().rfind("--click -0.5,3 is outside the plot", 0), 0u);
}

}  // namespace
}  // namespace plot
