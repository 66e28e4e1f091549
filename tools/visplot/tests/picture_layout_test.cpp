// visplot's picture as a map: its key, rings, sites and title laid out at the smallest, the
// default and the largest window, the seen ground never black, and the palettes.
#include <gtest/gtest.h>

#include <QColor>
#include <sstream>
#include <string>

#include "console/console.h"
#include "console/testing/test_support.h"
#include "mastview/area_loader.h"
#include "mastview/dialogue.h"
#include "mastview/elevation_colour.h"
#include "plot/colour_legend.h"
#include "plot/testing/text_layout.h"
#include "visplot/angle_palette.h"
#include "visplot/run.h"
#include "visplot/visibility_plot.h"

namespace visplot {
namespace {

namespace ct = console::testing;

class VisplotPicture : public ::testing::Test {
  protected:
    void SetUp() override {
        // A plain at 50 m with a 300 m ridge every 400 columns, which hides the plain behind it.
        const auto hills = [](int, int column) { return column % 400 < 20 ? 350 : 50; };
        ct::WriteHgtTile(work_.Path(), "N54W004.hgt", hills);
        ct::WriteHgtTile(work_.Path(), "N54W003.hgt", hills);
        // Sites crowded round the centre (their names cannot all fit) and a few farther out.
        ct::WriteSitesFile(
            work_.Path(),
            {"Scafell Pike~NY2154 0722", "Scafell~NY2064 0648", "Great End~NY2268 0838",
             "Lingmell~NY2090 0820", "Great Gable~NY2112 1032", "Bowfell~NY2448 0643",
             "Far Away Fell~NY3500 0700", "Western Top~NY1000 0800", "Cairn A~NY2154 0722",
             "Cairn B~NY2154 0722", "Cairn C~NY2154 0722", "Cairn D~NY2154 0722"});
    }
    // The dialogue for a window of size_px, a 10 m mast, a 15 km radius.
    mastview::MastView View(int size_px, console::Console& con) {
        ct::WriteTextFile(work_.Path(), "Corvanne.ini",
                          {work_.Folder(), work_.Folder(), std::to_string(size_px)});
        std::optional<mastview::MastView> view = mastview::RunDialogue(
            kToolProfile, con, "", mastview::GroundHeightFrom::kTileFile, work_.Path());
        EXPECT_TRUE(view);
        return std::move(*view);
    }
    std::string Sites() const { return (work_.Path() / "SITES.DAT").string(); }
    ct::TempDir work_;
};

TEST_F(VisplotPicture, LabelsStayOnThePictureAndApartAtEveryWindowSize) {
    for (const int size : {300, 600, 1100}) {
        SCOPED_TRACE(size);
        std::istringstream in("NY2154 0722\n10\n1.3\n15\n");
        std::ostringstream out;
        console::Console con(in, out, false);
        const mastview::MastView view = View(size, con);
        ASSERT_EQ(view.config.windowSize, size);
        const mastview::RadiusHeights loaded =
            mastview::LoadRadiusArea(view.area, *view.store, con);
        const int strip = AngleKeyStripPx(AnglePalette::kClassic, size);
        plot::PlotWindow window("layout", kWindowLeft_px, kWindowTop_px, size + strip, size);
        VisibilityPlot plot(view, window, con, strip);
        plot.DrawFrame();
        plot.Sweep(loaded.heights);
        plot.DrawFurniture(Sites(), true);
        const plot::Canvas& canvas = window.Picture();
        EXPECT_EQ(plot::testing::TextLayoutFaults(canvas), std::vector<std::string>{});
        // The key, the rings' distances and some of the names are there.
        const auto has = [&](const std::string& text) {
            for (const plot::Canvas::TextBox& box : canvas.TextBoxes())
                if (box.text == text) return true;
            return false;
        };
        EXPECT_TRUE(has("angle °"));
        EXPECT_TRUE(has("+2"));
        EXPECT_TRUE(has("-4"));
        EXPECT_TRUE(has("15 km"));  // the outer ring at the radius (5 km steps)
        if (size >= 600) {
            EXPECT_TRUE(has("Far Away Fell"));
        }
        // Five sites on one spot: four places round it at most, so a name is left out rather
        // than overprinted.
        int cairns = has("Scafell Pike") ? 1 : 0;
        for (const char* c : {"Cairn A", "Cairn B", "Cairn C", "Cairn D"}) cairns += has(c);
        EXPECT_LT(cairns, 5);
    }
}

TEST_F(VisplotPicture, SeenGroundIsNeverBlackInEitherPalette) {
    for (const AnglePalette palette : {AnglePalette::kClassic, AnglePalette::kViridis}) {
        std::istringstream in("NY2154 0722\n30\n1.3\n15\n");
        std::ostringstream out;
        console::Console con(in, out, false);
        const mastview::MastView view = View(600, con);
        const mastview::RadiusHeights loaded =
            mastview::LoadRadiusArea(view.area, *view.store, con);
        plot::PlotWindow window("seen", kWindowLeft_px, kWindowTop_px, 600, 600);
        VisibilityPlot plot(view, window, con, 0, palette);
        plot.DrawFrame();
        plot.Sweep(loaded.heights);
        plot::Canvas& canvas = window.Picture();
        canvas.FinishPainting();
        int seen = 0, black = 0, hidden = 0;
        for (int y = 0; y <= view.area.nLat; y += 3)
            for (int x = 0; x <= view.area.nLon; x += 3) {
                if (!mastview::InsideRadius(view.area, x, y)) continue;
                const QRgb pixel = canvas.Image().pixel(canvas.PixelColumn(x), canvas.PixelRow(y));
                if (!plot.Seen(x, y)) {
                    ++hidden;
                    continue;
                }
                ++seen;
                if ((pixel & 0xFFFFFF) == 0) ++black;
            }
        EXPECT_GT(seen, 1000);
        EXPECT_GT(hidden, 100);  // the ridge hides some ground, which is black
        EXPECT_EQ(black, 0) << "of " << seen;
        const double share = plot.SeenShare(loaded.noData);
        EXPECT_GT(share, 0.1);
        EXPECT_LT(share, 0.99);
        // Ground without heights is left out of the share, as it is drawn grey: with the
        // western half marked, the share is that of the eastern half's verdicts.
        terrain::NoDataMask west(view.area.nLon + 1, view.area.nLat + 1);
        west.MarkBlock(0, 0, view.area.nLon / 2, view.area.nLat);
        long inside = 0, seenEast = 0;
        for (int y = 0; y <= view.area.nLat; ++y)
            for (int x = view.area.nLon / 2 + 1; x <= view.area.nLon; ++x)
                if (mastview::InsideRadius(view.area, x, y)) {
                    ++inside;
                    seenEast += plot.Seen(x, y);
                }
        EXPECT_DOUBLE_EQ(plot.SeenShare(west), static_cast<double>(seenEast) / inside);
    }
}

TEST(AnglePalettes, NamesViridisLighterWithAngleAndClassicUnchanged) {
    EXPECT_EQ(AnglePaletteNamed("Viridis"), AnglePalette::kViridis);
    EXPECT_EQ(AnglePaletteNamed("classic"), AnglePalette::kClassic);
    EXPECT_FALSE(AnglePaletteNamed("rainbow"));
    EXPECT_FALSE(AnglePaletteNamed(""));
    // The classic palette is the ramp the sweep has always used.
    for (int n : {0, 1, 40, 128, 255})
        EXPECT_EQ(AngleColour(AnglePalette::kClassic, n), mastview::RampColour(n));
    // Viridis: a steeper angle (a smaller index) is never darker, and no entry is black.
    const auto light = [](console::Rgb c) { return 0.3 * c.red + 0.59 * c.green + 0.11 * c.blue; };
    for (int n = 1; n < 256; ++n) {
        EXPECT_GE(light(AngleColour(AnglePalette::kViridis, n - 1)) + 0.5,
                  light(AngleColour(AnglePalette::kViridis, n)))
            << n;
        EXPECT_NE(AngleColour(AnglePalette::kViridis, n), console::kBlack);
    }
    EXPECT_EQ(AngleColour(AnglePalette::kViridis, 255), (console::Rgb{0x44, 0x01, 0x54}));
    EXPECT_EQ(AngleColour(AnglePalette::kViridis, 0), (console::Rgb{0xfd, 0xe7, 0x25}));
}

TEST(AngleKey, LabelsSitOnTheirAnglesColours) {
    const plot::ColourScale scale = AngleScale(AnglePalette::kClassic);
    ASSERT_EQ(scale.entries, 256);
    // The bar runs from the lowest angle at the bottom: "0" is the colour of a level sight line.
    for (const plot::ColourScale::Label& label : scale.labels) {
        const double degrees = std::stod(label.text);
        EXPECT_EQ(scale.colour(label.entry),
                  mastview::RampColour(mastview::AngleColourIndex(degrees * M_PI / 180)))
            << label.text;
    }
    EXPECT_EQ(scale.labels.front().text, "+2");
}

TEST(RangeRings, ThreeToSixRingsOfARoundStep) {
    EXPECT_DOUBLE_EQ(RingStep_km(40), 10);
    EXPECT_DOUBLE_EQ(RingStep_km(15), 5);
    EXPECT_DOUBLE_EQ(RingStep_km(25), 5);
    EXPECT_DOUBLE_EQ(RingStep_km(3), 1);
    EXPECT_DOUBLE_EQ(RingStep_km(100), 20);
    for (double r : {2.5, 7.0, 33.0, 61.0, 140.0}) {
        const double rings = std::floor(r / RingStep_km(r) + 1e-9);
        EXPECT_GE(rings, 3) << r;
        EXPECT_LE(rings, 7) << r;
    }
}

}  // namespace
}  // namespace visplot
