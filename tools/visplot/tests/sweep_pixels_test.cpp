// The painted plot, pixel by pixel, against the sweep itself: where the sweep paints a pixel the
// plot shows the colour of the sweep's last mark in it, however many samples share the pixel and
// whatever the samples between the rays were given.
#include <gtest/gtest.h>

#include <QColor>
#include <map>
#include <sstream>
#include <utility>

#include "console/console.h"
#include "console/headless.h"
#include "console/testing/test_support.h"
#include "mastview/area_loader.h"
#include "mastview/dialogue.h"
#include "mastview/elevation_colour.h"
#include "mastview/sweep.h"
#include "visplot/run.h"
#include "visplot/visibility_plot.h"

namespace visplot {
namespace {

namespace ct = console::testing;

TEST(SweepPixels, EveryPixelTheSweepPaintsKeepsItsColour) {
    ct::TempDir work;
    // Rough low ground: a different height of 0 ... 60 m at nearly every sample, so that some
    // samples are hidden and neighbouring samples in one pixel get different colours.
    const auto hills = [](int row, int column) { return (row * 37 + column * 91) % 61; };
    ct::WriteHgtTile(work.Path(), "N54W004.hgt", hills);
    ct::WriteHgtTile(work.Path(), "N54W003.hgt", hills);
    ct::WriteSitesFile(work.Path(), {"Scafell Pike~NY2154 0722"});
    ct::WriteTextFile(work.Path(), "Corvanne.ini", {work.Folder(), work.Folder(), "600"});

    // A 100 m mast and a 20 km plot: 1.3 samples to a pixel across.
    std::istringstream in("NY2154 0722\n100\n1.3\n20\n");
    std::ostringstream out;
    console::Console con(in, out, false);
    std::optional<mastview::MastView> view = mastview::RunDialogue(
        kToolProfile, con, "", mastview::GroundHeightFrom::kTileFile, work.Path());
    ASSERT_TRUE(view) << out.str();
    const mastview::RadiusHeights loaded = mastview::LoadRadiusArea(view->area, *view->store, con);
    plot::PlotWindow window("sweep", kWindowLeft_px, kWindowTop_px, 600, 600);
    VisibilityPlot plot(*view, window, con);
    plot.DrawFrame();
    plot.Sweep(loaded.heights);
    const plot::Canvas& canvas = window.Picture();
    window.Picture().FinishPainting();
    const QImage& image = canvas.Image();
    ASSERT_GT(view->area.nLon, 600);

    // The sweep again, each mark's colour on the pixel that holds its sample's centre.
    std::map<std::pair<int, int>, QRgb> last;
    mastview::SweepRays(
        mastview::SweepSetupFor(*view), loaded.heights, mastview::NewHighest::kStrictlyAbove,
        [&](const mastview::RaySample& s) {
            const console::Rgb c = mastview::RampColour(mastview::AngleColourIndex(s.angle_rad));
            last[{canvas.PixelColumn(s.x), canvas.PixelRow(s.y)}] = qRgb(c.red, c.green, c.blue);
        },
        [](int) {});
    ASSERT_GT(last.size(), 10000u);
    int differ = 0;
    for (const auto& [pixel, colour] : last)
        if ((image.pixel(pixel.first, pixel.second) & 0xFFFFFF) != (colour & 0xFFFFFF)) ++differ;
    EXPECT_EQ(differ, 0) << "of " << last.size() << " pixels";

    // And the samples between the rays did fill pixels of their own.
    int painted = 0;
    for (int y = canvas.PixelRow(view->area.nLat) + 1; y < canvas.PixelRow(0); ++y)
        for (int x = 0; x < canvas.PixelColumn(view->area.nLon); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0 && !last.count({x, y})) ++painted;
    EXPECT_GT(painted, 0);
}

}  // namespace
}  // namespace visplot
