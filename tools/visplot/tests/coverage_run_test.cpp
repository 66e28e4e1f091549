// visplot's coverage mode run whole on generated tiles: the options and every refusal, the
// covered-area line, the legend inside the picture, and the best server picture of two masts.
#include "visplot/coverage_run.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "area_raster_checks.h"
#include "console/console_constants.h"
#include "console/testing/test_support.h"
#include "geodesy/national_grid.h"
#include "mastview/coverage.h"
#include "mastview/plot_heights.h"
#include "mastview/radius_area.h"
#include "mastview/sweep.h"
#include "testing/gdal_raster.h"
#include "visplot/coverage_options.h"

namespace {

namespace ct = console::testing;

constexpr const char* kCentre = "NY2154 0722";  // Scafell Pike: tiles N54W004 and N54W003

class CoverageRun : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(work.Path() / "tiles");
        std::filesystem::create_directory(work.Path() / "sites");
        // West Mast and East Mast 4 km either side of the centre; Far Mast 60 km north.
        ct::WriteSitesFile(work.Path() / "sites", {"West Mast~NY1754 0722", "East Mast~NY2554 0722",
                                                   "Far Mast~NY2154 6722"});
        ct::WriteTextFile(work.Path(), "Corvanne.ini",
                          {(work.Path() / "tiles").string() + "/",
                           (work.Path() / "sites").string() + "/", "600"});
    }
    void WriteTiles(const ct::HeightFunction& height) const {
        ct::WriteHgtTile(work.Path() / "tiles", "N54W004.hgt", height);
        ct::WriteHgtTile(work.Path() / "tiles", "N54W003.hgt", height);
    }
    // A 10 m mast, K 1.3, radius 10 km, with `options` before the centre.
    ct::RunResult Run(std::vector<std::string> options) const {
        options.insert(options.begin(), {"--png", png.string(), "--mast", "10", "--radius", "10"});
        options.push_back(kCentre);
        return ct::RunProgram(TOOL_PROGRAM, options, "", work.Path());
    }
    ct::TempDir work;
    std::filesystem::path png = work.Path() / "cover.png";
};

const auto kSeaLevel = [](int, int) { return 0; };

TEST_F(CoverageRun, BadOptionsAreUsageErrorsAndNothingIsDrawn) {
    WriteTiles(kSeaLevel);
    const std::vector<std::vector<std::string>> refused{
        {"--erp", "25"},  // without --freq
        {"--mast-at", "West Mast"},
        {"--sensitivity", "-100"},
        {"--freq", "0.5"},
        {"--freq", "100001"},
        {"--freq", "nan"},
        {"--freq", "144", "--erp", "0"},
        {"--freq", "144", "--erp", "-3"},
        {"--freq", "144", "--rx-height", "-1"},
        {"--freq", "144", "--rx-height", "10001"},
        {"--freq", "144", "--rx-gain", "1e300"},
        {"--freq", "144", "--sensitivity", "-1e9"},
        {"--freq", "144", "--mast-at", "West Mast:-5"},
        {"--freq", "144", "--mast-at", "West Mast:tall"},
        {"--freq", "144", "--mast-at", "West Mast:1e300"},
        {"--freq", "144", "--mast-at", ":10"},
    };
    for (const auto& options : refused) {
        SCOPED_TRACE(options[0] + " " + options[1] + (options.size() > 2 ? " " + options[2] : ""));
        const ct::RunResult r = Run(options);
        EXPECT_EQ(r.exitCode, 2) << r.output << r.errors;
        EXPECT_NE(r.errors.find("Usage: visplot"), std::string::npos) << r.errors;
        EXPECT_FALSE(std::filesystem::exists(png));
    }
    const ct::RunResult noFreq = Run({"--erp", "25"});
    EXPECT_NE(noFreq.errors.find("--erp needs --freq MHZ"), std::string::npos) << noFreq.errors;
}

TEST_F(CoverageRun, MastSitesNotFoundOrOutsideThePlotAreRefused) {
    WriteTiles(kSeaLevel);
    const ct::RunResult unknown = Run({"--freq", "144", "--mast-at", "Nowhere Mast"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_NE(unknown.output.find("Site not found: Nowhere Mast"), std::string::npos)
        << unknown.output;
    const ct::RunResult far = Run({"--freq", "144", "--mast-at", "Far Mast:10"});
    EXPECT_EQ(far.exitCode, 1);
    EXPECT_NE(far.output.find("Far Mast is outside the plot: 60.0 km from the centre, the radius "
                              "is 10 km"),
              std::string::npos)
        << far.output;
    EXPECT_FALSE(std::filesystem::exists(png));
}

TEST_F(CoverageRun, CoveredAreaIsTheWholeDiscOrNoneOfIt) {
    WriteTiles(kSeaLevel);
    // 25 W at 144 MHz over a flat sea 10 km out: far above -130 dBm everywhere (the free-space
    // loss at 10 km is 95.6 dB), and nowhere up to +50 dBm.
    const ct::RunResult all = Run({"--freq", "144", "--erp", "25", "--sensitivity", "-130"});
    ASSERT_EQ(all.exitCode, 0) << all.output << all.errors;
    const std::size_t at = all.output.find("Covered area ");
    ASSERT_NE(at, std::string::npos) << all.output;
    const double km2 = std::stod(all.output.substr(at + 13));
    EXPECT_NEAR(km2, std::numbers::pi * 100,
                4.0);  // the disc of 10 km, to within a ring of samples
    EXPECT_NE(all.output.find("km² (100.0 % of the disc)"), std::string::npos) << all.output;
    // 0 dBm, the top of the sensitivities taken: 25 W is below it even at the nearest sample.
    const ct::RunResult none = Run({"--freq", "144", "--erp", "25", "--sensitivity", "0"});
    EXPECT_NE(none.output.find("Covered area 0.0 km² (0.0 % of the disc)"), std::string::npos)
        << none.output;
    // Without --sensitivity no area is printed.
    const ct::RunResult bands = Run({"--freq", "144", "--erp", "25"});
    EXPECT_EQ(bands.output.find("Covered area"), std::string::npos);
}

// The pixels of the picture right of the plot (x beyond 1.0 nLon) below the Exit control that are
// not white: the legend's.
struct LegendInk {
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
    int blackPixels = 0;
};
LegendInk InkRightOfPlot(const QImage& image, int plotRight_px) {
    LegendInk ink;
    for (int y = image.height() / 10; y < image.height(); ++y) {
        for (int x = plotRight_px + 2; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFF;
            if (p == 0xFFFFFF) continue;
            ink.left = std::min(ink.left, x);
            ink.right = std::max(ink.right, x);
            ink.top = std::min(ink.top, y);
            ink.bottom = std::max(ink.bottom, y);
            if (p == 0) ++ink.blackPixels;
        }
    }
    return ink;
}

TEST_F(CoverageRun, TheLegendLiesWhollyInsideAWiderPicture) {
    WriteTiles([](int row, int column) { return (row * 7 + column * 3) % 400; });
    const ct::RunResult r = Run({"--freq", "144", "--erp", "25"});
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const QImage full(QString::fromStdString(png.string()));
    ASSERT_FALSE(full.isNull());
    ASSERT_GT(full.height(), 600);  // the title strip above the 600-pixel window
    const QImage image = full.copy(0, full.height() - 600, full.width(), 600);
    ASSERT_GT(image.width(), 600);  // widened for the legend
    // The plot square keeps the pixels of the visibility map: 600 / 1.07 wide.
    const int plotRight = static_cast<int>(600 / 1.07);
    const LegendInk ink = InkRightOfPlot(image, plotRight);
    ASSERT_GE(ink.right, 0);
    EXPECT_GT(ink.blackPixels, 200);  // the heading and labels
    // A margin is kept from the picture's right edge and bottom.
    EXPECT_LE(ink.right, image.width() - 5);
    EXPECT_LE(ink.bottom, image.height() - 5);
    // Each band's colour box stands in the legend.
    for (const QRgb band : {qRgb(220, 0, 0), qRgb(0, 190, 60), qRgb(70, 30, 90)}) {
        int found = 0;
        for (int y = ink.top; y <= ink.bottom; ++y)
            for (int x = ink.left; x <= ink.right; ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) == (band & 0xFFFFFF)) ++found;
        EXPECT_GE(found, 14 * 14) << std::hex << band;
    }
    // The georeference files come with it.
    for (const char* ext : {".pgw", ".prj", ".kml"})
        EXPECT_TRUE(std::filesystem::exists(work.Path() / (std::string("cover") + ext))) << ext;
}

TEST_F(CoverageRun, TwoMastsEachServeTheirOwnSideOfARidge) {
    // A ridge 300 m high and 3 samples wide running north-south at the centre's longitude
    // (-3.2117, in tile N54W004).
    const int ridgeColumn = static_cast<int>(std::lround((-3.2117 + 4) * 1200)) - 1200;
    WriteTiles([&](int, int column) { return std::abs(column - ridgeColumn) <= 1 ? 300 : 0; });
    const ct::RunResult r = Run(
        {"--freq", "144", "--erp", "25", "--mast-at", "West Mast:10", "--mast-at", "East Mast:10"});
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const std::filesystem::path server = work.Path() / "cover-server.png";
    ASSERT_TRUE(std::filesystem::exists(server)) << r.output;
    EXPECT_TRUE(std::filesystem::exists(work.Path() / "cover-server.pgw"));
    EXPECT_NE(r.output.find("Best server picture " + server.string()), std::string::npos);
    const QImage full(QString::fromStdString(server.string()));
    ASSERT_GT(full.height(), 600);  // the title strip above the 600-pixel window
    const QImage image = full.copy(0, full.height() - 600, full.width(), 600);
    // Plot pixels 5 and 7 km west and east of the centre, on its row.
    const double pxPerKm = 600 / 1.07 / 20.0;
    const int cx = static_cast<int>(600 / 1.07 / 2), cy = static_cast<int>(600 * 1.1 / 1.13 / 2);
    const QRgb west = qRgb(60, 180, 75), east = qRgb(255, 225, 25);  // the 2nd and 3rd colours
    for (double km : {5.0, 7.0}) {
        EXPECT_EQ(image.pixel(cx - static_cast<int>(km * pxPerKm), cy), west) << km;
        EXPECT_EQ(image.pixel(cx + static_cast<int>(km * pxPerKm), cy), east) << km;
    }
}

// Hills (row, column of the file) with a block of voids 4 to 7 km east of the centre.
bool InVoid(int row, int column) {
    return row >= 600 && row <= 700 && column >= 1000 && column <= 1050;
}
int HillsWithVoids(int row, int column) {
    if (InVoid(row, column)) return -32768;
    return static_cast<int>(200 + 120 * std::sin(column / 37.0) + 90 * std::cos(row / 23.0) +
                            (column % 29 == 0 ? 80 : 0));
}

// The levels as GeoTIFF, read back through GDAL: at every sample of the disc with heights, the
// level the map's own computation gives over the same ground, in dBm as held; no data without
// heights (a void) and outside the radius; on EPSG:4326 with the plot's geotransform. The picture
// shows the void as no data.
TEST_F(CoverageRun, GeoTiffHoldsTheLevelsInDbm) {
    ct::WriteHgtTile(work.Path() / "tiles", "N54W004.hgt", HillsWithVoids);
    const std::string tif = (work.Path() / "levels.tif").string();
    const ct::RunResult r = Run({"--freq", "144", "--erp", "25", "--geotiff", tif});
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const geodesy::LatLon centre = geodesy::ParseGridRefCorner(kCentre);
    const mastview::RadiusArea area =
        *mastview::MakeRadiusArea(centre.lat_deg, centre.lon_deg, 10).area;
    const gdalread::GdalRaster raster = gdalread::ReadGdalRaster(tif);
    visplot::testing::ExpectAreaRaster(raster, area);
    if (::testing::Test::HasFatalFailure()) return;

    // The same ground as plot heights: plot sample (x, y) is file row 1200 - (y + y0) and column
    // x + x0 of the tile (the disc lies within it); a void is read as sea level.
    ASSERT_LE(area.x0 + area.nLon, 1200);
    auto fileRow = [&](int y) { return 1200 - (y + area.y0); };
    mastview::PlotHeights heights(area.nLon, area.nLat);
    std::vector<int32_t> row(static_cast<std::size_t>(area.nLon) + 1);
    for (int y = 0; y <= area.nLat; ++y) {
        for (int x = 0; x <= area.nLon; ++x)
            row[x] = InVoid(fileRow(y), x + area.x0) ? 0 : HillsWithVoids(fileRow(y), x + area.x0);
        heights.SetRow(0, y, row.data(), area.nLon + 1);
    }
    mastview::SweepSetup setup;
    setup.radius_km = 10;
    setup.kFactor = console::kDefaultKFactor;  // as the run is not told one
    setup.nLon = area.nLon;
    setup.nLat = area.nLat;
    setup.mast_m = 10;
    const mastview::CoverageMast mast{
        area.nLon / 2.0, area.nLat / 2.0,
        heights.At(mastview::Nearest(area.nLon / 2.0), mastview::Nearest(area.nLat / 2.0)) + 10.0};
    const mastview::LevelGrid levels =
        mastview::CoverageLevels(setup, heights, {144.0, 25.0, 1.5, 0.0}, mast);
    int withLevel = 0, withoutHeights = 0;
    for (int y = 0; y <= area.nLat; ++y) {
        for (int x = 0; x <= area.nLon; ++x) {
            const float got = raster.At(x, area.nLat - y);
            const std::optional<double> want = levels.Level_dBm(x, y);
            if (!want) {
                ASSERT_EQ(got, -32768.0f) << x << "," << y;  // outside the radius
            } else if (InVoid(fileRow(y), x + area.x0)) {
                ASSERT_EQ(got, -32768.0f) << x << "," << y;
                ++withoutHeights;
            } else {
                ASSERT_EQ(got, static_cast<float>(*want)) << x << "," << y;
                ++withLevel;
            }
        }
    }
    EXPECT_GT(withLevel, 20000);
    EXPECT_GT(withoutHeights, 3000);
    EXPECT_EQ(raster.At(0, 0), -32768.0f);  // a corner
    // A level in the file is one of the map's tenths of a decibel, in the range a 25 W mast 10 km
    // out gives.
    const float sample = raster.At(area.nLon / 4, area.nLat / 2);
    EXPECT_LT(sample, -20.0f);
    EXPECT_GT(sample, -160.0f);
    // The picture paints the voids' block (some 50 x 100 samples, 1.4 pixels a sample) the
    // suite's no-data grey, not a level.
    const QImage image(QString::fromStdString(png.string()));
    int grey = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) grey += (image.pixel(x, y) & 0xFFFFFF) == 0x808080;
    EXPECT_GT(grey, 6000);
}

TEST(CoverageOptions, MastAtSplitsAtTheLastColonAndTakesTheDefaultMast) {
    const visplot::MastAtReading plain = visplot::ReadMastAt("Great Gable");
    EXPECT_EQ(plain.mast.site, "Great Gable");
    EXPECT_EQ(plain.mast.mast_m, 2.0);
    const visplot::MastAtReading tall = visplot::ReadMastAt("Skiddaw:12.5");
    EXPECT_EQ(tall.mast.site, "Skiddaw");
    EXPECT_EQ(tall.mast.mast_m, 12.5);
    EXPECT_TRUE(tall.error.empty());
    EXPECT_FALSE(visplot::ReadMastAt("Skiddaw:").error.empty());
    EXPECT_FALSE(visplot::ReadMastAt("Skiddaw:10001").error.empty());
    EXPECT_EQ(visplot::ServerPictureName("out/cov.png"), "out/cov-server.png");
    EXPECT_EQ(visplot::ServerPictureName("out.d/cov"), "out.d/cov-server");
}

}  // namespace
