// The plot window: clicks and keys from the screen in user coordinates, the clipboard, and a
// headless window that takes its events from its own script.
#include "plot/plot_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <filesystem>

#include "console/exit_status.h"
#include "console/testing/test_support.h"
#include "plot/clipboard.h"
#include "plot/testing/png_reading.h"

namespace plot {
namespace {

using console::kBlack;
using console::kExitNormal;
using console::kExitRefused;
using console::kPureBlue;
using console::kPureRed;
using console::kWhite;
using console::testing::TempDir;
using plot::testing::PngPixel;

// A plot of 100 x 100 user units with the tools' margins on a 214 x 206 pixel window:
// two pixels per unit, x from 0 to 107, y from 100 down to -3.
struct Plot {
    explicit Plot(const console::HeadlessOptions& headless = {})
        : window("test plot", 0, 0, 214, 206, headless) {
        window.Picture().SetScale(0, 100, 107, -3);
    }
    PlotWindow window;
};

QWidget* ShownWindow(const std::string& title) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowTitle() == QString::fromStdString(title) && top->isVisible()) return top;
    }
    return nullptr;
}

TEST(PlotWindow, MouseClicksArriveInUserCoordinates) {
    Plot plot;
    PlotWindow& w = plot.window;
    w.Show();
    QWidget* canvas = ShownWindow("test plot");
    ASSERT_NE(canvas, nullptr);
    EXPECT_EQ(canvas->size(), QSize(214, 206));
    QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(20, 100));
    Click c = w.PollClick();
    EXPECT_EQ(c.kind, ClickKind::kSingle);
    EXPECT_NEAR(c.x, 10, 0.5);
    EXPECT_NEAR(c.y, 50, 0.5);
    EXPECT_EQ(w.PollClick().kind, ClickKind::kNone);
    QTest::mouseDClick(canvas, Qt::LeftButton, {}, QPoint(40, 20));
    bool sawDouble = false;
    for (Click k = w.PollClick(); k.kind != ClickKind::kNone; k = w.PollClick()) {
        if (k.kind == ClickKind::kDouble) {
            sawDouble = true;
            EXPECT_NEAR(k.x, 20, 0.5);
            EXPECT_NEAR(k.y, 90, 0.5);
        }
    }
    EXPECT_TRUE(sawDouble);
    QTest::keyClick(canvas, Qt::Key_Escape);
    EXPECT_EQ(w.PollKey(), kEscapeKey);
    w.Close();
}

TEST(PlotWindow, WaitingBlocksUntilTheUserActs) {
    Plot plot;
    PlotWindow& w = plot.window;
    w.Show();
    QWidget* canvas = ShownWindow("test plot");
    ASSERT_NE(canvas, nullptr);
    // The click comes from the event loop while the window waits in it.
    QTimer::singleShot(
        20, [canvas] { QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(20, 100)); });
    w.WaitForClick();
    const Click c = w.PollClick();
    EXPECT_EQ(c.kind, ClickKind::kSingle);
    EXPECT_NEAR(c.x, 10, 0.5);

    // A key typed meanwhile does not end a wait for a click; a click or a key ends a wait for
    // either.
    QTimer::singleShot(10, [canvas] { QTest::keyClick(canvas, Qt::Key_A); });
    QTimer::singleShot(40,
                       [canvas] { QTest::mouseClick(canvas, Qt::LeftButton, {}, QPoint(40, 20)); });
    w.WaitForClick();
    EXPECT_EQ(w.PollKey(), 'a');
    EXPECT_EQ(w.PollClick().kind, ClickKind::kSingle);
    QTimer::singleShot(10, [canvas] { QTest::keyClick(canvas, Qt::Key_Escape); });
    w.WaitForInput();
    EXPECT_EQ(w.PollKey(), kEscapeKey);
    w.Close();
    EXPECT_TRUE(w.IsClosed());
}

TEST(PlotWindow, TitleBarCloseLeavesLikeEscapeUnlessDisabled) {
    Plot open;
    open.window.Show();
    QWidget* canvas = ShownWindow("test plot");
    ASSERT_NE(canvas, nullptr);
    canvas->close();
    EXPECT_EQ(open.window.PollKey(), kEscapeKey);
    open.window.Close();

    PlotWindow kept("kept plot", 0, 0, 50, 40);
    kept.DisableClose();
    kept.Show();
    QWidget* keptCanvas = ShownWindow("kept plot");
    ASSERT_NE(keptCanvas, nullptr);
    keptCanvas->close();
    EXPECT_TRUE(keptCanvas->isVisible());
    EXPECT_EQ(kept.PollKey(), std::nullopt);
    kept.Close();
}

TEST(Clipboard, HoldsTheLastText) {
    SetClipboardText("IO84JL12AB");
    EXPECT_EQ(ClipboardText(), "IO84JL12AB");
    ClearClipboard();
    EXPECT_EQ(ClipboardText(), "");
}

TEST(Headless, NoWindowIsShown) {
    TempDir dir;
    Plot plot({(dir / "hidden.png").string(), {}});
    plot.window.Show();
    plot.window.Repaint();
    EXPECT_EQ(ShownWindow("test plot"), nullptr);
}

TEST(Headless, WithoutAnExitControlTheRunEndsWithEscape) {
    TempDir dir;
    std::string png = (dir / "plain.png").string();
    // A tool that only polls keys (terrain3d) is led out by Escape; scripted clicks cannot hold
    // it up.
    Plot plot({png, {{ClickKind::kSingle, 1, 1}}});
    int polls = 0;
    while (polls < 5 && plot.window.PollKey() != kEscapeKey) ++polls;
    EXPECT_EQ(polls, 0);
    EXPECT_TRUE(std::filesystem::exists(png));
}

TEST(Headless, EachWindowKeepsItsOwnScript) {
    // pathprofile draws one window per path, each saved under its own name.
    TempDir dir;
    const std::string first = (dir / "path1.png").string(), second = (dir / "path2.png").string();
    Plot one({first, {{ClickKind::kDouble, 30, 40}}});
    Plot two({second, {}});
    two.window.SetExitPoint(104, 99);
    const Click exit = two.window.PollClick();
    EXPECT_DOUBLE_EQ(exit.x, 104);
    EXPECT_TRUE(std::filesystem::exists(second));
    EXPECT_FALSE(std::filesystem::exists(first));
    const Click scripted = one.window.PollClick();
    EXPECT_EQ(scripted.kind, ClickKind::kDouble);
    EXPECT_DOUBLE_EQ(scripted.y, 40);
    one.window.Picture().SetPixel(30, 40, kPureBlue);
    EXPECT_EQ(one.window.PollClick().kind, ClickKind::kNone);  // saved; no Exit point: Escape
    EXPECT_EQ(one.window.PollKey(), kEscapeKey);
    EXPECT_EQ(
        PngPixel(first, one.window.Picture().PixelColumn(30), one.window.Picture().PixelRow(40))
            .colour,
        kPureBlue);
}

TEST(Headless, ThePngIsWrittenWholeOrNotAtAll) {
    TempDir dir;
    const std::string png = (dir / "missing-folder" / "plot.png").string();
    Plot plot({png, {}});
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(plot.window.PollKey(), kEscapeKey);
    const std::string errors = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors, "Cannot write " + png + "\n");
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
    EXPECT_EQ(plot.window.FailedStatus(), kExitRefused) << "once a run with status 0";
    EXPECT_EQ(RunExitStatus(plot.window, true), kExitRefused);
}

TEST(Headless, AWrittenPictureAndAWindowOnTheScreenEndNormally) {
    TempDir dir;
    Plot plot({(dir / "plot.png").string(), {}});
    EXPECT_EQ(plot.window.PollKey(), kEscapeKey);
    EXPECT_EQ(plot.window.FailedStatus(), std::nullopt);
    EXPECT_EQ(RunExitStatus(plot.window, true), kExitNormal);
    EXPECT_EQ(RunExitStatus(plot.window, false), kExitRefused) << "the configuration not written";
    Plot screen;
    EXPECT_EQ(screen.window.FailedStatus(), std::nullopt);
}

}  // namespace
}  // namespace plot
