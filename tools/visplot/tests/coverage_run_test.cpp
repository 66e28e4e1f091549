// visplot's coverage mode run whole on generated tiles: the options and every refusal, the
// covered-area line, the legend inside the picture, and the best server picture of two masts.
#include "visplot/coverage_run.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "console/testing/test_support.h"
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
