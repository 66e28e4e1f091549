// terrain3d run as a whole program on generated tiles, with scripted answers, headless.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "console/palette.h"
#include "console/position_entry.h"
#include "console/testing/test_support.h"
#include "plot/canvas.h"
#include "plot/map_furniture.h"
#include "plot/no_data.h"
#include "plot/testing/png_reading.h"
#include "plot/testing/text_layout.h"
#include "terrain3d/oblique_drawing.h"
#include "terrain3d/oblique_view.h"
#include "terrainmap/map_dialogue.h"
#include "terrainmap/map_rectangle.h"
#include "testing/real_data.h"

namespace terrain3d {
namespace {

namespace ct = console::testing;
namespace pt = plot::testing;
namespace fs = std::filesystem;
using console::Rgb;

// Terrain in steps of 200 m every 150 samples eastwards (200 … 1800 m), the same on every row.
int StepHeight(long absColumn) {
    return static_cast<int>(200 * (1 + (absColumn / 150) % 9));
}

constexpr char kCentre[] = "IO84VK";  // 54.4352° N 2.2128° W

class Terrain3DRun : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(tiles_);
        fs::create_directories(work_);
        for (int lon : {-3, -2}) {
            const std::string name = "N54W00" + std::to_string(-lon) + ".hgt";
            ct::WriteHgtTile(tiles_, name, [lon](int, int column) {
                return StepHeight((lon + 180) * 1200L + column);
            });
        }
        ct::WriteSitesFile(tiles_, {"Test Centre~" + std::string(kCentre), "ENDENDEND"});
    }
    std::string Folder() const { return tiles_.string() + "/"; }
    ct::RunResult Run(const std::vector<std::string>& args, const std::string& input) {
        return ct::RunProgram(TOOL_PROGRAM, args, input, work_);
    }
    std::string Png() const { return (dir_.Path() / "view.png").string(); }
    // The title strip's rows above the view in the PNG.
    int Strip() const { return pt::PngSize(Png()).second - 600; }
    // Row 0 is drawn last, so its line lies on top: at each sample well inside a step the
    // pixel has the step's colour on the linear scale, at the height the step lifts it to.
    void CheckNearestRow(const terrainmap::MapRectangle& area, double lat0_deg, int maxPlot_m) {
        const ObliqueView view(area.nLat, area.nLon, lat0_deg, maxPlot_m);
        const console::Palette palette = console::DefaultPalette();
        plot::Canvas probe("probe", 840, 600);
        terrainmap::SetPlotScale(probe, area);
        int checked = 0;
        for (int x = 3; x < area.nLon; x += 11) {
            const double lon = area.west + x / double(area.samplesPerDegree);
            const long absColumn = static_cast<long>(std::floor((lon + 180) * 1200));
            if (absColumn % 150 < 3 || absColumn % 150 > 146) continue;
            const int h = StepHeight(absColumn);
            const ViewPoint p = view.SamplePoint(x, 0, h);
            const int px = static_cast<int>(std::floor(probe.PixelX(p.x)));
            const int py = static_cast<int>(std::floor(probe.PixelY(p.y)));
            SCOPED_TRACE(testing::Message() << "column " << x << " height " << h);
            EXPECT_EQ(pt::PngPixel(Png(), px, py + Strip()).colour, palette[view.ColourEntry(h)]);
            ++checked;
        }
        EXPECT_GT(checked, 30);
        // Below the nearest row the ground rectangle stays black.
        const int below = static_cast<int>(std::floor(probe.PixelY(0.05 * area.nLat)));
        EXPECT_EQ(pt::PngPixel(Png(), 100, below + Strip()).colour, console::kBlack);
    }
    ct::TempDir dir_;
    fs::path tiles_ = dir_ / "tiles";
    fs::path work_ = dir_ / "work";
};

TEST_F(Terrain3DRun, NearestRowShowsTheLinearColoursAtItsLiftedPoints) {
    // No configuration file: terrain3d asks for the paths and never writes the file.
    const std::string input = Folder() + "\n" + Folder() + "\n\n" + kCentre + "\n30\n2000\n";
    const ct::RunResult r = Run({"--png", Png()}, input);
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("3D Terrain Plot   Orvel Aug 2018"), std::string::npos);
    EXPECT_NE(r.output.find("Colour Palette  .PAL"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Plot size  km        [30]                      "), std::string::npos);
    EXPECT_NE(r.output.find("Max height 1800m found at"), std::string::npos) << r.output;
    for (const auto& entry : fs::directory_iterator(work_))
        ADD_FAILURE() << "terrain3d wrote " << entry.path();

    const geodesy::LatLon c = geodesy::ParseLocatorCorner(kCentre);
    const terrainmap::MapRectangle area = terrainmap::MapRectangleAround(c.lat_deg, c.lon_deg, 30);
    ASSERT_EQ(area.nLat, 324);
    CheckNearestRow(area, c.lat_deg, 2000);
    // An oblique view is no latitude/longitude grid: no world file beside it.
    EXPECT_FALSE(fs::exists(fs::path(Png()).replace_extension(".pgw")));
}

// Tiles that are all 1 arc-second are drawn at 1 arc-second: three times the rows and columns,
// the same view (it is drawn in sample units) and the same steps along the nearest row. A 1900 m
// spike between the 3 arc-second lattice points is found: taken at 3 arc-seconds it would not be.
TEST_F(Terrain3DRun, OneArcSecondTilesAreDrawnAtOneArcSecond) {
    for (int lon : {-3, -2}) {
        const std::string name = "N54W00" + std::to_string(-lon) + ".hgt";
        ct::WriteHgtTile(
            tiles_, name,
            [lon](int row, int column) {
                if (lon == -3 && row == 1801 && column == 1801) return 1900;
                return StepHeight((lon + 180) * 1200L + column / 3);
            },
            terrain::kOneArcSecondTile);
    }
    ct::WriteTextFile(work_, "Brelland.ini", {Folder(), Folder(), "600", ""});
    const ct::RunResult r = Run({"--png", Png(), kCentre}, "30\n2000\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("1 arc-second tile N54W002.hgt\n"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Max height 1900m found at"), std::string::npos) << r.output;
    const geodesy::LatLon c = geodesy::ParseLocatorCorner(kCentre);
    const terrainmap::MapRectangle area =
        terrainmap::MapRectangleAround(c.lat_deg, c.lon_deg, 30, 3600);
    ASSERT_EQ(area.nLat, 971);  // 30 km / (111.2 km / 3600), rounded
    CheckNearestRow(area, c.lat_deg, 2000);
}

TEST_F(Terrain3DRun, ExistingConfigurationIsLeftUntouchedAndHeightsAboveTheMaximumAreTopColour) {
    ct::WriteTextFile(work_, "Brelland.ini", {Folder(), Folder(), "600", "Missing"});
    const std::string before = ct::ReadFile(work_ / "Brelland.ini");
    const ct::RunResult r = Run({"--png", Png(), kCentre}, "12\n400\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("Colour Palette  Missing.PAL"), std::string::npos) << r.output;
    EXPECT_EQ(ct::ReadFile(work_ / "Brelland.ini"), before);
    // Every step from 400 m up is drawn in entry 255: pale yellow dominates the view.
    EXPECT_GT(pt::CountPngPixels(Png(), console::DefaultPalette()[255]), 2000);
}

TEST_F(Terrain3DRun, TailStartingWithSlashEndsWithoutAPrompt) {
    ct::WriteTextFile(work_, "Brelland.ini", {Folder(), Folder(), "600", ""});
    const ct::RunResult r = Run({"--png", Png(), "/Hills"}, std::string(kCentre) + "\n30\n0\n");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.output.find("Centre  of plot"), std::string::npos) << r.output;
    EXPECT_FALSE(fs::exists(Png()));
}

// A 12 km view round 54.43° N 2.02° W reaches over 2° W into N54W002, missing here: its rows
// are drawn grey and the share is told. Without any tile the run is refused.
TEST_F(Terrain3DRun, MissingTileIsGreyAndNoTileIsARefusal) {
    fs::remove(tiles_ / "N54W002.hgt");
    ct::WriteTextFile(work_, "Brelland.ini", {Folder(), Folder(), "600", ""});
    const ct::RunResult r = Run({"--png", Png(), "54.43 -2.02"}, "12\n2000\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("% of the plot has no height data"), std::string::npos) << r.output;
    EXPECT_GT(pt::CountPngPixels(Png(), plot::kNoDataColour), 500);

    fs::remove(tiles_ / "N54W003.hgt");
    fs::remove(Png());
    const ct::RunResult none = Run({"--png", Png(), "54.43 -2.02"}, "12\n2000\n");
    EXPECT_EQ(none.exitCode, 1) << none.output;
    EXPECT_NE(none.output.find("No height data for this area: none of N54W003.hgt, N54W002.hgt"),
              std::string::npos)
        << none.output;
    EXPECT_FALSE(fs::exists(Png()));
}

TEST(Terrain3DRealData, ScafellPikeView) {
    TORMARK_SKIP_WITHOUT_REAL_DATA("srtm3/N54W004.hgt", "sites/Sites.dat");
    const fs::path data = realdata::Folder();
    ct::TempDir work;
    ct::WriteTextFile(
        work.Path(), "Brelland.ini",
        {(data / "srtm3").string() + "/", (data / "sites").string() + "/", "600", ""});
    const std::string png = (work.Path() / "scafell3d.png").string();
    const ct::RunResult r =
        ct::RunProgram(TOOL_PROGRAM, {"--png", png, "Scafell Pike"}, "30\n0\n", work.Path());
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    // The area reaches into N54W003, so the maximum is the summit (971 m) of N54W004.
    EXPECT_NE(r.output.find("Max height  971m found at"), std::string::npos) << r.output;
    const auto [width, height] = pt::PngSize(png);
    EXPECT_EQ(width, 840);
    const int strip = height - 600;
    EXPECT_GT(strip, 20);  // the title strip above the view
    // The centre marker sits on the summit, lifted by its 971 m: its black and white rings.
    const geodesy::LatLon c = geodesy::ParseGridRefCorner("NY2154 0722");
    const terrainmap::MapRectangle area = terrainmap::MapRectangleAround(c.lat_deg, c.lon_deg, 30);
    const ObliqueView view(area.nLat, area.nLon, c.lat_deg, 971);
    plot::Canvas probe("probe", 840, 600);
    terrainmap::SetPlotScale(probe, area);
    const ViewPoint m = view.CentrePoint(971);
    const int mx = probe.PixelColumn(m.x), my = probe.PixelRow(m.y) + strip;
    const int s = plot::CentreMarkerHalfPx(probe);
    EXPECT_EQ(pt::PngPixel(png, mx - s, my).colour, plot::kMapInk);
    EXPECT_EQ(pt::PngPixel(png, mx - s + 1, my).colour, console::kWhite);
    EXPECT_EQ(pt::PngPixel(png, mx + s - 3, my).colour, plot::kMapInk);
    // The sea of the Solway and the Irish Sea is blue against the black ground.
    EXPECT_GT(pt::CountPngPixels(png, kSeaColour), 1000);
}

// Sea level drawn apart from the black ground round the view, so that the coast shows.
TEST_F(Terrain3DRun, SeaIsBlueNotTheBlackOfTheGround) {
    for (int lon : {-3, -2})
        ct::WriteHgtTile(tiles_, "N54W00" + std::to_string(-lon) + ".hgt", [lon](int, int column) {
            return lon == -3 && column < 900 ? 0 : 400;  // sea to the west
        });
    ct::WriteTextFile(work_, "Brelland.ini", {Folder(), Folder(), "600", ""});
    const ct::RunResult r = Run({"--png", Png(), kCentre}, "30\n500\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(kSeaColour, console::kBlack);
    EXPECT_NE(kSeaColour, console::DefaultPalette()[0]);
    EXPECT_GT(pt::CountPngPixels(Png(), kSeaColour), 5000);
    // Without sea, nothing is drawn in the sea's colour.
    ct::WriteHgtTile(tiles_, "N54W003.hgt", [](int, int) { return 400; });
    ASSERT_EQ(Run({"--png", Png(), kCentre}, "30\n500\n").exitCode, 0);
    EXPECT_EQ(pt::CountPngPixels(Png(), kSeaColour), 0);
}

// The legend and the north arrow at the smallest, the default and the largest window.
TEST(Terrain3DLayout, LabelsStayOnThePictureAndApart) {
    const terrainmap::MapRectangle area = terrainmap::MapRectangleAround(54.45, -3.21, 30);
    const ObliqueView view(area.nLat, area.nLon, 54.45, 978);
    for (const int size : {300, 600, 1100}) {
        SCOPED_TRACE(size);
        const terrainmap::WindowLayout layout = terrainmap::PlotWindowLayout(size);
        plot::Canvas canvas("layout", layout.width_px, layout.height_px);
        terrainmap::SetPlotScale(canvas, area);
        canvas.Rectangle(0, 0, area.nLon, area.nLat, console::kBlack, console::kBlack);
        DrawLinearLegend(canvas, console::DefaultPalette(), area, view);
        const plot::PixelBox arrow = DrawNorthArrow(canvas, area, view);
        EXPECT_GT(arrow.Width(), 10);
        EXPECT_EQ(plot::testing::TextLayoutFaults(canvas), std::vector<std::string>{});
        std::vector<std::string> texts;
        for (const auto& box : canvas.TextBoxes()) texts.push_back(box.text);
        for (const char* t : {"Height m", "0", "978", "N"})
            EXPECT_NE(std::find(texts.begin(), texts.end(), t), texts.end()) << t;
    }
}

}  // namespace
}  // namespace terrain3d
