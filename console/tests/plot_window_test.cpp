#include "console/plot_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QTest>
#include <QWidget>

#include "console/headless.h"
#include "console/plot_controls.h"
#include "console/testing/test_support.h"

namespace console {
namespace {

using console::testing::PngPixel;
using console::testing::TempDir;

Rgb PixelAt(PlotWindow& w, int px, int py) {
    QRgb p = w.Image().pixel(px, py);
    return Rgb{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
               static_cast<std::uint8_t>(qBlue(p))};
}

// A plot of 100 x 100 user units with the tools' margins on a 214 x 206 pixel window:
// two pixels per unit, x from 0 to 107, y from 100 down to -3.
struct Plot {
    Plot() : window("test plot", 0, 0, 214, 206) { window.SetScale(0, 100, 107, -3); }
    PlotWindow window;
};

TEST(PlotWindow, UserCoordinatesRunUpwards) {
    Plot plot;
    PlotWindow& w = plot.window;
    EXPECT_DOUBLE_EQ(w.PixelX(0), 0);
    EXPECT_DOUBLE_EQ(w.PixelX(107), 214);
    EXPECT_DOUBLE_EQ(w.PixelY(100), 0);
    EXPECT_DOUBLE_EQ(w.PixelY(-3), 206);
    EXPECT_DOUBLE_EQ(w.UserX(w.PixelX(12.5)), 12.5);
    EXPECT_DOUBLE_EQ(w.UserY(w.PixelY(40.25)), 40.25);

    w.SetPixel(10.2, 50.2, kPureRed);  // pixel column 20, row (100 - 50.2) * 2 = 99.6 -> 99
    EXPECT_EQ(w.PixelColumn(10.2), 20);
    EXPECT_EQ(w.PixelRow(50.2), 99);
    EXPECT_EQ(w.PixelRow(-1e300), 100000000);
    EXPECT_EQ(PixelAt(w, 20, 99), kPureRed);
    EXPECT_EQ(PixelAt(w, 20, 100), kWhite);
    EXPECT_DOUBLE_EQ(w.CurrentX(), 10.2);  // the pixel moves the current position
    w.SetPixel(-1, 50, kPureRed);          // clipped, no crash
    w.SetPixel(1e30, -1e30, kPureRed);
}

TEST(PlotWindow, RectanglesIncludeBothCorners) {
    Plot plot;
    PlotWindow& w = plot.window;
    w.Rectangle(10, 60, 20, 50, kBlack, kPureBlue);  // pixels x 20..40, y 80..100
    EXPECT_EQ(PixelAt(w, 20, 80), kBlack);
    EXPECT_EQ(PixelAt(w, 40, 100), kBlack);
    EXPECT_EQ(PixelAt(w, 30, 90), kPureBlue);
    EXPECT_EQ(PixelAt(w, 41, 90), kWhite);
    w.Rectangle(50, 60, 60, 50, kPureRed);  // hollow
    EXPECT_EQ(PixelAt(w, 100, 80), kPureRed);
    EXPECT_EQ(PixelAt(w, 110, 90), kWhite);
}

TEST(PlotWindow, LinesWithPenStyles) {
    Plot plot;
    PlotWindow& w = plot.window;
    w.SetPen(PenStyle::kSolid, 1);
    w.Line(0, 90, 100, 90, kPureRed);  // row 20
    int solid = 0;
    for (int x = 0; x < 200; ++x) solid += PixelAt(w, x, 20) == kPureRed;
    EXPECT_GE(solid, 199);
    w.SetPen(2, 1);  // dotted
    w.SetPosition(0, 80);
    w.LineTo(100, 80, kPureBlue);  // row 40
    int dotted = 0;
    for (int x = 0; x < 200; ++x) dotted += PixelAt(w, x, 40) == kPureBlue;
    EXPECT_GT(dotted, 40);
    EXPECT_LT(dotted, 160);
    EXPECT_DOUBLE_EQ(w.CurrentX(), 100);
}

TEST(PlotWindow, TextMovesAlongTheLineAndUsesItsBackground) {
    EXPECT_EQ(QFontInfo(QFont("DejaVu Sans", 12)).family(), "DejaVu Sans");
    Plot plot;
    PlotWindow& w = plot.window;
    w.SetPosition(10, 90);
    w.SetTextColour(kBlack);
    w.SetTextBackground(kPureBlue);
    w.Print("Exit");
    EXPECT_GT(w.CurrentX(), 10);
    double afterFirst = w.CurrentX();
    w.Print("more");
    EXPECT_GT(w.CurrentX(), afterFirst);
    EXPECT_EQ(PixelAt(w, 20, 20), kPureBlue);  // background at the top-left corner
    w.PrintLine("");
    EXPECT_DOUBLE_EQ(w.CurrentX(), 0);
    EXPECT_NEAR(w.CurrentY(), 90 - w.TextHeightUser(), 0.5);
    int black = 0;
    for (int y = 20; y < 35; ++y)
        for (int x = 20; x < 60; ++x) black += PixelAt(w, x, y) == kBlack;
    EXPECT_GT(black, 10);  // glyphs were drawn
}

TEST(ExitControl, RedBoxAndItsClickArea) {
    Plot plot;
    PlotWindow& w = plot.window;
    DrawExitControl(w, 100, 100);
    // The box runs 1.03 ... 1.05 x 0.97 ... 1 of the plot; with 1.03 as 1.0299999713897705 its
    // left edge falls just short of pixel 206, so it covers pixels 205 ... 209 x 0 ... 6. The
    // diagonals cross it at pixel (206, 3).
    EXPECT_EQ(PixelAt(w, 205, 3), kPureRed);
    EXPECT_EQ(PixelAt(w, 207, 1), kPureRed);
    EXPECT_EQ(PixelAt(w, 206, 3), kBlack);
    EXPECT_EQ(PixelAt(w, 211, 3), kWhite);
    EXPECT_TRUE(IsExitClick(104, 98, 100, 100));
    EXPECT_TRUE(IsExitClick(106.5, 99.9, 100, 100));  // beyond the box, still Exit
    EXPECT_FALSE(IsExitClick(104, 96.9, 100, 100));   // below the box
    EXPECT_FALSE(IsExitClick(102.9, 98, 100, 100));
    // The edges are the tools' single-precision fractions: 1.03 acts as 1.0299999713897705 and
    // 0.97 as 0.9700000286102295, so these clicks just inside the double-precision edges differ.
    EXPECT_TRUE(IsExitClick(102.999999, 98, 100, 100));
    EXPECT_FALSE(IsExitClick(104, 97.000001, 100, 100));
}

TEST(ColourLegend, BarFrameAndLabels) {
    Plot plot;
    PlotWindow& w = plot.window;
    Palette palette = DefaultPalette();
    DrawColourLegend(w, palette, 100, 100, 1000);
    // Entry 128 lies at y = 100 * (128/1024 + 0.3) with 0.3 in single precision: 42.50000012,
    // just above the edge of pixel row 115, so row 115 ends with entry 127 (y 42.40) and entry
    // 128 starts row 114 (where the next entries then cover it).
    EXPECT_EQ(PixelAt(w, 203, 115), palette[127]);
    // The black frame's left edge at 100.7.
    EXPECT_EQ(PixelAt(w, static_cast<int>(w.PixelX(100.7)), static_cast<int>(w.PixelY(40))),
              kBlack);
}

TEST(WaitForUser, ClicksGoToTheToolUntilExit) {
    Plot plot;
    PlotWindow& w = plot.window;
    std::istringstream in;
    std::ostringstream out;
    Console con(in, out, false);
    w.InjectClick(ClickKind::kSingle, 10, 20);
    w.InjectClick(ClickKind::kDouble, 30, 40);
    w.InjectClick(ClickKind::kSingle, 104, 99);  // Exit
    w.InjectClick(ClickKind::kSingle, 50, 50);   // never reached
    std::vector<Click> seen;
    EXPECT_EQ(WaitForUser(w, con, 100, 100, [&](const Click& c) { seen.push_back(c); }),
              WaitEnd::kExit);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].kind, ClickKind::kSingle);
    EXPECT_DOUBLE_EQ(seen[0].x, 10);
    EXPECT_EQ(seen[1].kind, ClickKind::kDouble);
    EXPECT_DOUBLE_EQ(seen[1].y, 40);
    EXPECT_TRUE(w.IsClosed());

    Plot second;
    second.window.InjectKey(kEscapeKey);
    EXPECT_EQ(WaitForUser(second.window, con, 100, 100, nullptr), WaitEnd::kEscape);
    EXPECT_FALSE(second.window.IsClosed());
}

TEST(PlotWindow, MouseClicksArriveInUserCoordinates) {
    Plot plot;
    PlotWindow& w = plot.window;
    w.Show();
    QWidget* canvas = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->windowTitle() == "test plot" && top->isVisible()) canvas = top;
    }
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

TEST(Clipboard, HoldsTheLastText) {
    SetClipboardText("IO84JL12AB");
    EXPECT_EQ(ClipboardText(), "IO84JL12AB");
    ClearClipboard();
    EXPECT_EQ(ClipboardText(), "");
}

// Restores interactive mode whatever the test does.
struct HeadlessScope {
    explicit HeadlessScope(const HeadlessOptions& options) { SetHeadless(options); }
    ~HeadlessScope() { SetHeadless({}); }
};

TEST(Headless, ScriptedClicksThenPngThenExit) {
    TempDir dir;
    std::string png = (dir / "plot.png").string();
    HeadlessScope scope({png, {{ClickKind::kSingle, 10, 10}, {ClickKind::kDouble, 20, 20}}});
    Plot plot;
    PlotWindow& w = plot.window;
    DrawExitControl(w, 100, 100);
    std::istringstream in;
    std::ostringstream out;
    Console con(in, out, false);
    std::vector<ClickKind> kinds;
    auto end = WaitForUser(w, con, 100, 100, [&](const Click& c) {
        kinds.push_back(c.kind);
        w.SetPixel(c.x, c.y, kPureBlue);  // what the clicks draw is in the picture
    });
    EXPECT_EQ(end, WaitEnd::kExit);
    EXPECT_EQ(kinds, (std::vector<ClickKind>{ClickKind::kSingle, ClickKind::kDouble}));
    auto exitBox = PngPixel(png, 207, 1);
    ASSERT_TRUE(exitBox.ok);
    EXPECT_EQ(exitBox.colour, kPureRed);
    EXPECT_EQ(PngPixel(png, static_cast<int>(w.PixelX(20)), static_cast<int>(w.PixelY(20))).colour,
              kPureBlue);
}

TEST(Headless, WithoutAnExitControlTheRunEndsWithEscape) {
    TempDir dir;
    std::string png = (dir / "plain.png").string();
    // A tool that only polls keys (terrain3d) is led out by Escape; scripted clicks cannot hold
    // it up.
    HeadlessScope scope({png, {{ClickKind::kSingle, 1, 1}}});
    Plot plot;
    int polls = 0;
    while (polls < 5 && plot.window.PollKey() != kEscapeKey) ++polls;
    EXPECT_EQ(polls, 0);
    EXPECT_TRUE(std::filesystem::exists(png));
}

}  // namespace
}  // namespace console
