// The controls round a plot (Exit box, colour legend) and the wait for the user at the end of a
// run, on a window on the screen and on a headless one.
#include "plot/plot_controls.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "console/testing/test_support.h"
#include "plot/testing/png_reading.h"
#include "plot/testing/text_layout.h"

namespace plot {
namespace {

using console::Console;
using console::kBlack;
using console::kPureBlue;
using console::kPureRed;
using console::kWhite;
using console::testing::TempDir;
using plot::testing::PngPixel;

Rgb PixelAt(PlotWindow& w, int px, int py) {
    w.Picture().FinishPainting();
    QRgb p = w.Picture().Image().pixel(px, py);
    return Rgb{static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)),
               static_cast<std::uint8_t>(qBlue(p))};
}

// A plot of 100 x 100 user units with the tools' margins on a 214 x 206 pixel window:
// two pixels per unit, x from 0 to 107, y from 100 down to -3.
struct Plot {
    explicit Plot(const console::HeadlessOptions& headless = {})
        : window("test plot", 0, 0, 214, 206, headless) {
        window.Picture().SetScale(0, 100, 107, -3);
    }
    PlotWindow window;
};

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

TEST(ColourLegend, KeyAgainstTheRightEdgeWithItsTitleAndEnds) {
    Plot plot;
    PlotWindow& w = plot.window;
    const console::Palette palette = console::DefaultPalette();
    DrawColourLegend(w.Picture(), palette, 100, 100, 1000);
    std::vector<std::string> texts;
    for (const Canvas::TextBox& box : w.Picture().TextBoxes()) {
        texts.push_back(box.text);
        EXPECT_LE(box.left_px + box.width_px, w.Picture().WidthPx()) << box.text;
        EXPECT_GE(box.left_px, 0) << box.text;
    }
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0], "Height m");  // whole, inside the window
    EXPECT_EQ(texts[1], "0");
    EXPECT_EQ(texts[2], "1000");
    EXPECT_EQ(plot::testing::TextLayoutFaults(w.Picture()), std::vector<std::string>{});
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

TEST(WaitForUser, ScriptedClicksThenPngThenExit) {
    TempDir dir;
    std::string png = (dir / "plot.png").string();
    Plot plot({png, {{ClickKind::kSingle, 10, 10}, {ClickKind::kDouble, 20, 20}}});
    PlotWindow& w = plot.window;
    DrawExitControl(w, 100, 100);
    std::istringstream in;
    std::ostringstream out;
    Console con(in, out, false);
    std::vector<ClickKind> kinds;
    auto end = WaitForUser(w, con, 100, 100, [&](const Click& c) {
        kinds.push_back(c.kind);
        w.Picture().SetPixel(c.x, c.y, kPureBlue);  // what the clicks draw is in the picture
    });
    EXPECT_EQ(end, WaitEnd::kExit);
    EXPECT_EQ(kinds, (std::vector<ClickKind>{ClickKind::kSingle, ClickKind::kDouble}));
    // The scripted run left through its Exit point, but its saved picture has no Exit box.
    auto exitBox = PngPixel(png, 207, 1);
    ASSERT_TRUE(exitBox.ok);
    EXPECT_EQ(exitBox.colour, console::kWhite);
    EXPECT_EQ(PngPixel(png, w.Picture().PixelColumn(20), w.Picture().PixelRow(20)).colour,
              kPureBlue);
}

}  // namespace
}  // namespace plot
