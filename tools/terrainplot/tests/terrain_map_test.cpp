// The map, the markers and the click read-out drawn into a plot (the map in an offscreen window).
#include "terrainplot/terrain_map.h"

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "console/console.h"
#include "console/hgt_tile_store.h"
#include "console/palette.h"
#include "console/position_entry.h"
#include "console/testing/test_support.h"
#include "plot/clipboard.h"
#include "plot/map_furniture.h"
#include "plot/plot_controls.h"
#include "plot/plot_window.h"
#include "plot/testing/text_layout.h"
#include "terrainmap/map_dialogue.h"
#include "terrainmap/map_rectangle.h"
#include "terrainplot/click_readout.h"
#include "terrainplot/run.h"

namespace terrainplot {
namespace {

using console::Rgb;
namespace ct = console::testing;

Rgb PixelAt(plot::Canvas& w, int px, int py) {
    w.FinishPainting();
    const QRgb v = w.Image().pixel(px, py);
    return Rgb{static_cast<std::uint8_t>(qRed(v)), static_cast<std::uint8_t>(qGreen(v)),
               static_cast<std::uint8_t>(qBlue(v))};
}

int PixelOf(double fractional) {
    return static_cast<int>(std::floor(fractional));
}

// A plot of nLat × nLon samples with its south-west corner at 54° N 3° W.
terrainmap::MapRectangle SmallArea(int nLat, int nLon) {
    terrainmap::MapRectangle a;
    a.nLat = nLat;
    a.nLon = nLon;
    a.south = 54.0;
    a.west = -3.0;
    a.north = 54.0 + nLat / 1200.0;
    a.east = -3.0 + nLon / 1200.0;
    return a;
}

TEST(SiteLines, PositionsAreGridReferencesOrLocatorsByCharactersFiveAndSix) {
    const auto grid = ParseSiteLine("Scafell Pike~NY2154 0722\r");
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->name, "Scafell Pike");
    EXPECT_NEAR(grid->position.lat_deg, 54.454, 0.002);
    EXPECT_NEAR(grid->position.lon_deg, -3.212, 0.002);

    const auto locator = ParseSiteLine("Lower Case~io84kp26gh~comment~more");
    ASSERT_TRUE(locator);
    EXPECT_EQ(locator->name, "Lower Case");
    const geodesy::LatLon corner = geodesy::ParseLocatorCorner("IO84KP26GH");
    EXPECT_DOUBLE_EQ(locator->position.lat_deg, corner.lat_deg);
    EXPECT_DOUBLE_EQ(locator->position.lon_deg, corner.lon_deg);

    // The third field is not part of the position: "NY12~34" must not read as NY1234.
    EXPECT_FALSE(ParseSiteLine("Cut At Tilde~NY12~3456"));
    EXPECT_FALSE(ParseSiteLine("Lat Long Site~54.6N 3.1W"));
    EXPECT_FALSE(ParseSiteLine("This line has no separator at all"));
    EXPECT_FALSE(ParseSiteLine("ENDENDEND"));
    EXPECT_FALSE(ParseSiteLine("Short~NY21"));
    EXPECT_FALSE(ParseSiteLine(""));
}

TEST(TerrainMap, SmallerThanAPixelTheLastSampleDrawnWins) {
    // 1200 rows in a 300-pixel window: four rows and about three columns share a pixel.
    const terrainmap::MapRectangle area = SmallArea(1200, 2000);
    terrain::AreaGrid grid(kToolProfile.area);
    const int x0 = 7, y0 = 11;
    auto height = [](int x, int y) { return (x * 7 + y * 13) % 997; };
    for (int y = 0; y <= area.nLat; ++y)
        for (int x = 0; x <= area.nLon; ++x) grid.Set(x + x0, y + y0, height(x, y));
    const console::Palette palette = console::DefaultPalette();
    MapSource source{&grid, x0, y0, &palette, 996};

    const terrainmap::WindowLayout layout = terrainmap::PlotWindowLayout(300);
    plot::PlotWindow window("map", 0, 0, layout.width_px, layout.height_px);
    plot::Canvas& canvas = window.Picture();
    terrainmap::SetPlotScale(canvas, area);
    DrawTerrainMap(window, area, source, 300);

    // Drawing runs north to south and west to east, so a pixel keeps the southernmost row and
    // the easternmost column that fall into it.
    int checked = 0;
    for (int py = 3; py < 280; py += 37) {
        for (int px = 2; px < 700; px += 53) {
            int lastX = -1, lastY = -1;
            for (int x = 0; x <= area.nLon; ++x)
                if (PixelOf(canvas.PixelX(x + 0.00001)) == px) lastX = x;
            for (int y = area.nLat; y >= 0; --y)
                if (PixelOf(canvas.PixelY(y + 0.00001)) == py) lastY = y;
            if (lastX < 0 || lastY < 0) continue;
            SCOPED_TRACE(testing::Message() << "pixel " << px << "," << py);
            EXPECT_EQ(PixelAt(canvas, px, py),
                      palette[console::HeightToColour(height(lastX, lastY), 996)]);
            ++checked;
        }
    }
    EXPECT_GT(checked, 60);
}

TEST(TerrainMap, LargerThanAPixelEachSampleIsAFilledSquare) {
    // 15 rows in a 600-pixel window: a sample is 40 pixels high.
    const terrainmap::MapRectangle area = SmallArea(15, 34);
    terrain::AreaGrid grid(kToolProfile.area);
    for (int y = 0; y <= area.nLat; ++y)
        for (int x = 0; x <= area.nLon; ++x) grid.Set(x, y, 100 * (x % 5) + 20 * y);
    const console::Palette palette = console::DefaultPalette();
    MapSource source{&grid, 0, 0, &palette, 800};

    plot::PlotWindow window("squares", 0, 0, 840, 600);
    plot::Canvas& canvas = window.Picture();
    terrainmap::SetPlotScale(canvas, area);
    DrawTerrainMap(window, area, source, 600);

    for (int y : {0, 7, 14}) {
        for (int x : {0, 3, 17, 33}) {
            SCOPED_TRACE(testing::Message() << "sample " << x << "," << y);
            const Rgb want = palette[console::HeightToColour(100 * (x % 5) + 20 * y, 800)];
            // The whole inside of the square, not just its corner pixel.
            for (double fx : {0.2, 0.5, 0.9})
                for (double fy : {0.2, 0.5, 0.9})
                    EXPECT_EQ(PixelAt(canvas, PixelOf(canvas.PixelX(x + fx)),
                                      PixelOf(canvas.PixelY(y + fy))),
                              want);
        }
    }
    // Nothing is drawn in the legend strip right of the plot, although the last column's squares
    // (34 … 35.005) would reach past the legend's left edge (1.007 × 34 = 34.24).
    const int legendLeft = PixelOf(canvas.PixelX(1.007 * area.nLon));
    for (int y : {0, 7, 14}) {
        const int py = PixelOf(canvas.PixelY(y + 0.5));
        EXPECT_EQ(PixelAt(canvas, legendLeft, py), console::kWhite);
        EXPECT_EQ(PixelAt(canvas, legendLeft - 1, py),
                  palette[console::HeightToColour(100 * (34 % 5) + 20 * y, 800)]);
    }
}

TEST(TerrainMap, AbsurdMaximumStillColoursEverySample) {
    // A typed maximum of a thousand million metres: the colour scale follows it (everything
    // dark) without a table as long as the maximum.
    const terrainmap::MapRectangle area = SmallArea(15, 34);
    terrain::AreaGrid grid(kToolProfile.area);
    for (int x = 0; x <= area.nLon; ++x) grid.Set(x, 5, 900 * x);
    const console::Palette palette = console::DefaultPalette();
    MapSource source{&grid, 0, 0, &palette, 1000000000};
    plot::PlotWindow window("huge", 0, 0, 840, 600);
    plot::Canvas& canvas = window.Picture();
    terrainmap::SetPlotScale(canvas, area);
    DrawTerrainMap(window, area, source, 600);
    for (int x : {1, 20, 33}) {
        EXPECT_EQ(PixelAt(canvas, PixelOf(canvas.PixelX(x + 0.5)), PixelOf(canvas.PixelY(5.5))),
                  palette[console::HeightToColour(900 * x, 1e9)]);
    }
}

TEST(TerrainMap, SiteMarkersAndCentreMarker) {
    ct::TempDir dir;
    const terrainmap::MapRectangle area = SmallArea(600, 1000);
    // Inside; south of the plot (in the bottom strip, not on the map); east of the plot (not
    // drawn); a line that is not a site.
    const std::string inside = geodesy::FormatLocatorRounded({54.25, -2.6});
    ct::WriteSitesFile(
        dir.Path(), {"Inside~" + inside, "South~" + geodesy::FormatLocatorRounded({53.9995, -2.8}),
                     "East~" + geodesy::FormatLocatorRounded({54.2, -2.0}),
                     "Lat Long Site~54.1N 2.9W", "ENDENDEND"});
    plot::Canvas canvas("markers", 840, 600);
    terrainmap::SetPlotScale(canvas, area);
    EXPECT_EQ(DrawSiteMarkers(canvas, area, (dir.Path() / "SITES.DAT").string()), 1);
    EXPECT_EQ(DrawSiteMarkers(canvas, area, (dir.Path() / "missing.dat").string()), 0);
    ASSERT_EQ(canvas.TextBoxes().size(), 1u);
    EXPECT_EQ(canvas.TextBoxes()[0].text, "Inside");

    const geodesy::LatLon at = geodesy::ParseLocatorCorner(inside);
    const PlotPoint p = ToPlot(area, at.lat_deg, at.lon_deg);
    const int px = PixelOf(canvas.PixelX(p.x));
    const int py = PixelOf(canvas.PixelY(p.y));
    EXPECT_EQ(PixelAt(canvas, px, py), console::kWhite);
    // The square's black outline a few pixels above, and its name beside it.
    int black = 0;
    for (int y = py - 6; y < py; ++y) black += PixelAt(canvas, px, y) == plot::kMapInk;
    EXPECT_EQ(black, 1);
    EXPECT_GT(canvas.TextBoxes()[0].left_px, px);
    // Round trip of the plot coordinates.
    const geodesy::LatLon back = FromPlot(area, p.x, p.y);
    EXPECT_NEAR(back.lat_deg, at.lat_deg, 1e-12);
    EXPECT_NEAR(back.lon_deg, at.lon_deg, 1e-12);

    // The centre marker is hollow: the map shows through at the centre.
    canvas.FillPixels(0, 0, 839, 599, console::kBlack);
    DrawCentreMarker(canvas, area);
    const int cx = canvas.PixelColumn(area.nLon / 2.0), cy = canvas.PixelRow(area.nLat / 2.0);
    EXPECT_EQ(PixelAt(canvas, cx, cy), console::kBlack);
    EXPECT_EQ(PixelAt(canvas, cx - plot::CentreMarkerHalfPx(canvas) + 1, cy), console::kWhite);
}

// The map's labels (legend, scale bar, north arrow, crowded site names) at the smallest, the
// default and the largest window: none off the picture, none over another, the legend's bar
// without gaps and its title whole.
TEST(TerrainMap, LabelsStayOnThePictureAndApartAtEveryWindowSize) {
    ct::TempDir dir;
    ct::WriteSitesFile(dir.Path(),
                       {"Scafell Pike~NY2154 0722", "Scafell~NY2064 0648", "Great End~NY2268 0838",
                        "Lingmell~NY2090 0820", "Great Gable~NY2112 1032", "Grasmoor~NY1750 2030",
                        "Black Combe~SD1354 8549", "East Edge~NY4700 0700"});
    const geodesy::LatLon centre{54.4543, -3.2117};
    const terrainmap::MapRectangle area =
        terrainmap::MapRectangleAround(centre.lat_deg, centre.lon_deg, 40 / 1.4);
    for (const int size : {300, 600, 1100}) {
        SCOPED_TRACE(size);
        const terrainmap::WindowLayout layout = terrainmap::PlotWindowLayout(size);
        plot::Canvas canvas("layout", layout.width_px, layout.height_px);
        terrainmap::SetPlotScale(canvas, area);
        const console::Palette palette = console::DefaultPalette();
        std::vector<plot::PixelBox> plates = DrawScaleAndNorth(canvas, area);
        plates.push_back(plot::DrawColourLegend(canvas, palette, area.nLon, area.nLat, 978));
        DrawSiteMarkers(canvas, area, (dir.Path() / "SITES.DAT").string(), plates);
        DrawCentreMarker(canvas, area);
        EXPECT_EQ(plot::testing::TextLayoutFaults(canvas), std::vector<std::string>{});
        std::vector<std::string> texts;
        for (const auto& box : canvas.TextBoxes()) texts.push_back(box.text);
        const auto has = [&](const std::string& t) {
            return std::find(texts.begin(), texts.end(), t) != texts.end();
        };
        EXPECT_TRUE(has("Height m"));
        EXPECT_TRUE(has("0"));
        EXPECT_TRUE(has("978"));
        EXPECT_TRUE(has("10 km"));  // a quarter of the 40 km width at most
        EXPECT_TRUE(has("N"));
        EXPECT_TRUE(has("Grasmoor"));
        EXPECT_FALSE(has("Black Combe"));  // south of the map
        // The bar: palette colours from its bottom to its top in the column left of the labels,
        // no row of it white.
        const auto zero = std::find_if(canvas.TextBoxes().begin(), canvas.TextBoxes().end(),
                                       [](const auto& b) { return b.text == "0"; });
        const int column = zero->left_px - std::max(3, canvas.TextHeightPx() / 3) - 3;
        // Up from the bottom entry's row (the "0" label's middle) to the frame at the bar's top.
        const int bottom = zero->top_px + zero->height_px / 2;
        ASSERT_EQ(PixelAt(canvas, column, bottom), palette[0]);
        int y = bottom, white = 0;
        while (PixelAt(canvas, column, y) == console::kBlack) --y;  // entry 0 is black too
        for (; y > 0 && PixelAt(canvas, column, y) != console::kBlack; --y)
            white += PixelAt(canvas, column, y) == console::kWhite;
        EXPECT_GT(bottom - y, canvas.HeightPx() / 4);
        EXPECT_EQ(white, 0);
    }
}

TEST(ClickReadout, TextsPutEachValueInItsField) {
    const ReadoutTexts t = MakeReadoutTexts("IO84VK44LL", "NY1234 5678",
                                            geodesy::DistanceBearing{12.345, 45.6, 225.4}, 987);
    EXPECT_EQ(t.position, "IO84VK44LL = NY1234 5678");
    EXPECT_EQ(t.bearings, "    12.3km   46° (°225)     ");
    EXPECT_EQ(t.height, " 987 m     ");
}

// A tile N54W003 whose heights rise 1 m per sample eastwards, and a plot inside it.
class ClickTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ct::WriteHgtTile(dir_.Path(), "N54W003.hgt", [](int, int column) { return column; });
        area_ = SmallArea(300, 500);
        area_.south = 54.2;
        area_.north = 54.2 + 300 / 1200.0;
        area_.west = -2.8;
        area_.east = -2.8 + 500 / 1200.0;
        centre_.text = "centre";
        centre_.latitude_deg = (area_.south + area_.north) / 2;
        centre_.longitude_deg = (area_.west + area_.east) / 2;
        centre_.found = true;
        terrainmap::SetPlotScale(canvas_, area_);
    }
    ct::TempDir dir_;
    std::istringstream in_;
    std::ostringstream out_;
    console::Console console_{in_, out_, false};
    terrainmap::MapRectangle area_;
    console::ConsolePosition centre_;
    plot::Canvas canvas_{"clicks", 840, 600};
};

TEST_F(ClickTest, SingleClickCopiesTheLocatorAndReadsTheHeight) {
    console::HgtTileStore store(dir_.Folder(), console_);
    ClickReadout readout(canvas_, console_, store, area_, centre_, dir_.Folder(), 1000);
    const double x = 240, y = 100;  // plot samples
    readout.OnClick({plot::ClickKind::kSingle, x, y});
    const geodesy::LatLon p = FromPlot(area_, x, y);
    EXPECT_EQ(plot::ClipboardText(), geodesy::FormatLocatorRounded({p.lat_deg, p.lon_deg}));
    // The sample nearest to the point: column 1200 × 0.2 + 240 = 480 from the tile's west edge.
    EXPECT_EQ(readout.LastHeight(), 480);
    // The read-out line is drawn in the bottom strip: pure blue text among white.
    canvas_.FinishPainting();
    const QImage& img = canvas_.Image();
    int blue = 0;
    const int stripTop = PixelOf(canvas_.PixelY(0));
    for (int py = stripTop; py < img.height(); ++py)
        for (int px = 0; px < img.width(); ++px)
            if (img.pixel(px, py) == qRgb(0, 0, 255)) ++blue;
    EXPECT_GT(blue, 20);

    // A click where no tile exists keeps the previous height.
    readout.OnClick({plot::ClickKind::kSingle, x, 2000});
    EXPECT_EQ(readout.LastHeight(), 480);
}

TEST_F(ClickTest, DoubleClickLabelsTheFirstSiteContainingTheNearestName) {
    // "Tarn" is nearest to the click, but "Tarn Crag" comes first in the file and contains it,
    // so the label goes to Tarn Crag's position (the name search finds the first match).
    const std::string crag = geodesy::FormatLocatorRounded({54.33, -2.45});
    const std::string tarn = geodesy::FormatLocatorRounded({54.25, -2.7});
    ct::WriteSitesFile(dir_.Path(), {"Tarn Crag~" + crag, "Tarn~" + tarn, "ENDENDEND"});
    console::HgtTileStore store(dir_.Folder(), console_);
    ClickReadout readout(canvas_, console_, store, area_, centre_, dir_.Folder(), 1000);

    const geodesy::LatLon craged = geodesy::ParseLocatorCorner(crag);
    const PlotPoint label = ToPlot(area_, craged.lat_deg, craged.lon_deg);
    canvas_.FinishPainting();
    const QImage before = canvas_.Image().copy();
    const PlotPoint click = ToPlot(area_, 54.2505, -2.7005);
    // The clicked ground (about 360 m) is above maxPlot / 4: the label is black.
    readout.OnClick({plot::ClickKind::kDouble, click.x, click.y});
    EXPECT_EQ(readout.SiteText(), "Tarn");
    EXPECT_EQ(plot::ClipboardText(), "Tarn");
    canvas_.FinishPainting();
    const QImage& after = canvas_.Image();
    int changed = 0;
    const int lx = PixelOf(canvas_.PixelX(label.x)), ly = PixelOf(canvas_.PixelY(label.y));
    for (int py = std::max(0, ly - 20); py < std::min(after.height(), ly + 20); ++py)
        for (int px = lx; px < std::min(after.width(), lx + 60); ++px)
            if (after.pixel(px, py) != before.pixel(px, py)) ++changed;
    EXPECT_GT(changed, 5);
}

TEST_F(ClickTest, DoubleClickWithoutASiteFileSaysSoInTheReadoutLine) {
    console::HgtTileStore store(dir_.Folder(), console_);
    ClickReadout readout(canvas_, console_, store, area_, centre_, dir_.Folder() + "nowhere/",
                         1000);
    readout.OnClick({plot::ClickKind::kDouble, 100, 100});
    EXPECT_EQ(readout.SiteText(), "centre");
    canvas_.FinishPainting();
    const QImage& img = canvas_.Image();
    int red = 0;
    for (int py = PixelOf(canvas_.PixelY(0)); py < img.height(); ++py)
        for (int px = 0; px < img.width() / 2; ++px)
            if (img.pixel(px, py) == qRgb(255, 0, 0)) ++red;
    EXPECT_GT(red, 20);  // "No site database available" in pure red
}

}  // namespace
}  // namespace terrainplot
