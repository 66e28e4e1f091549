// horizon run from start to end on generated tiles, headless, with scripted answers.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "console/console_constants.h"
#include "console/testing/test_support.h"
#include "horizon/horizon_chart.h"
#include "mastview/sweep.h"
#include "plot/no_data.h"
#include "plot/testing/png_reading.h"
#include "testing/real_data.h"

namespace {

namespace ct = console::testing;
namespace pt = plot::testing;

constexpr const char* kCentre = "NY2154 0722";  // Scafell Pike: tiles N54W004 and N54W003

// The window of WindowSize 600 is 840 x 400 pixels; the user scale runs from -5 to 390 across
// and from 100 at the top to -10 at the bottom.
constexpr int kWidth = 840, kHeight = 400;
int PixelX(double x) {
    return static_cast<int>(std::floor((x + 5) / 395 * kWidth));
}
int PixelY(double y) {
    return static_cast<int>(std::floor((100 - y) / 110 * kHeight));
}

class HorizonRun : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directory(work.Path() / "tiles");
        std::filesystem::create_directory(work.Path() / "sites");
        ct::WriteSitesFile(work.Path() / "sites", {"Scafell Pike~NY2154 0722"});
        ct::WriteTextFile(work.Path(), "Corvanne.ini",
                          {(work.Path() / "tiles").string() + "/",
                           (work.Path() / "sites").string() + "/", "600"});
        for (const char* name : {"N54W004.hgt", "N54W003.hgt"})
            ct::WriteHgtTile(work.Path() / "tiles", name, [](int, int) { return 0; });
    }
    ct::RunResult Run(std::vector<std::string> args = {}) const {
        args.insert(args.begin(), {"--png", png.string()});
        // Mast 10 m, K 1.3, radius 20 km over flat ground at sea level.
        return ct::RunProgram(TOOL_PROGRAM, args, std::string(kCentre) + "\n10\n1.3\n20\n",
                              work.Path());
    }
    // Pixel (px, py) of the PNG of the last run (read once per run).
    console::Rgb Pixel(int px, int py) {
        if (image.isNull()) image.load(QString::fromStdString(png.string()));
        EXPECT_TRUE(image.valid(px, py)) << px << "," << py;
        const QRgb c = image.valid(px, py) ? image.pixel(px, py) : 0;
        return console::Rgb{static_cast<std::uint8_t>(qRed(c)),
                            static_cast<std::uint8_t>(qGreen(c)),
                            static_cast<std::uint8_t>(qBlue(c))};
    }

    ct::TempDir work;
    std::filesystem::path png = work.Path() / "horizon.png";
    QImage image;
};

bool IsBlack(const console::Rgb& c) {
    return c.red == 0 && c.green == 0 && c.blue == 0;
}

TEST_F(HorizonRun, FlatSeaLevelRisesToTheRadioHorizonAndNoFurther) {
    const ct::RunResult r = Run();
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    ASSERT_EQ(pt::PngSize(png), (std::pair{kWidth, kHeight}));
    // The chart is bearing against elevation, not a map: no world file or KML beside it.
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(png).replace_extension(".pgw")));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(png).replace_extension(".kml")));
    // Each ray rises until the radio horizon (12.87 km of 20) and sets no new highest beyond,
    // so the top mark of every bearing column has the distance colour of the horizon, and no
    // mark has a colour of a greater distance.
    const double horizonShare = mastview::RadioHorizon_km(10, 1.3) / 20;
    const console::Rgb atHorizon = horizon::DistanceColour(horizonShare);
    const int farRed = horizon::DistanceColour(horizonShare + 0.01).red;
    int columnsChecked = 0;
    for (int px = PixelX(0.5); px < PixelX(359.5); ++px) {
        int top = -1;
        for (int py = PixelY(80); py < PixelY(0); ++py) {
            const console::Rgb c = Pixel(px, py);
            if (IsBlack(c)) continue;
            EXPECT_LE(c.red, farRed) << px << "," << py;
            if (top < 0) top = py;
        }
        ASSERT_GE(top, 0) << "nothing plotted in column " << px;
        const console::Rgb c = Pixel(px, top);
        EXPECT_NEAR(c.red, atHorizon.red, 2) << px;
        EXPECT_NEAR(c.green, atHorizon.green, 2) << px;
        ++columnsChecked;
    }
    EXPECT_GT(columnsChecked, 700);
    // The horizon of flat ground lies at -2 * 10 m / 12.87 km = -0.089 degrees: 17.7 units up.
    const int topRow = PixelY(1500 * (-0.02 / 12.87) + 20);
    bool found = false;
    for (int py = topRow - 2; py <= topRow + 2; ++py)
        found = found || !IsBlack(Pixel(PixelX(100), py));
    EXPECT_TRUE(found);
    EXPECT_TRUE(IsBlack(Pixel(PixelX(100), topRow - 6)));
}

TEST_F(HorizonRun, FrameHasAngleTicksAndCompassLabels) {
    const ct::RunResult r = Run();
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const console::Rgb blue{0, 0, 255};
    // Blue ticks right of the field at -0.5 ... 2 degrees.
    for (double a : {-0.5, 0.0, 0.5, 1.0, 1.5, 2.0}) {
        SCOPED_TRACE("tick " + std::to_string(a));
        const int py = PixelY(horizon::TickHeight(a));
        bool tick = false;
        for (int dy = -1; dy <= 1; ++dy) tick = tick || Pixel(PixelX(362.5), py + dy) == blue;
        EXPECT_TRUE(tick);
    }
    // Bearing ticks reach down to -2 at multiples of 45, to -1 at the other multiples of 15.
    EXPECT_EQ(Pixel(PixelX(45), PixelY(-1.5)), blue);
    EXPECT_NE(Pixel(PixelX(60), PixelY(-1.5)), blue);
    // Each compass label has its green background under the field.
    const console::Rgb green{0, 255, 0};
    for (int b = 0; b <= 360; b += 45) {
        bool label = false;
        for (double x = b - 3.5; x < b + 2; x += 0.25)
            label = label || Pixel(PixelX(x), PixelY(-6)) == green;
        EXPECT_TRUE(label) << "bearing " << b;
    }
    EXPECT_NE(r.output.find("Visible Terrain Plot   Orvel July 2018"), std::string::npos);
}

TEST_F(HorizonRun, ClickShowsTheBearingUnderIt) {
    const console::Rgb navy{0, 0, 128};
    ASSERT_EQ(Run().exitCode, 0);
    EXPECT_EQ(pt::CountPngPixels(png, navy), 0);
    // 123.4 and 122.6 both read 123; 287 reads differently.
    ASSERT_EQ(Run({"--click", "123.4,50"}).exitCode, 0);
    const std::string first = ct::ReadFile(png);
    EXPECT_GT(pt::CountPngPixels(png, navy), 0);
    ASSERT_EQ(Run({"--click", "122.6,50"}).exitCode, 0);
    EXPECT_EQ(ct::ReadFile(png), first);
    ASSERT_EQ(Run({"--click", "287,50"}).exitCode, 0);
    EXPECT_NE(ct::ReadFile(png), first);
    // Leaving through the Exit box writes the configuration.
    EXPECT_FALSE(ct::ReadFile(work.Path() / "Corvanne.ini").empty());
}

// The three exit statuses: a refused start-up or an unknown centre give 1, a malformed flag 2.
TEST_F(HorizonRun, RefusedRunsAndUsageErrorsHaveTheirOwnExitStatus) {
    std::filesystem::remove(work.Path() / "Corvanne.ini");
    ct::RunResult r = ct::RunProgram(TOOL_PROGRAM, {"--png", png.string()}, "\n", work.Path());
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("Specify a full path "), std::string::npos) << r.output;

    ct::WriteTextFile(
        work.Path(), "Corvanne.ini",
        {(work.Path() / "tiles").string() + "/", (work.Path() / "sites").string() + "/", "600"});
    r = ct::RunProgram(TOOL_PROGRAM, {"--png", png.string()}, "Nowhere Fell\n", work.Path());
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("Site not found"), std::string::npos) << r.output;

    r = ct::RunProgram(TOOL_PROGRAM, {"--click", "1;2"}, "", work.Path());
    EXPECT_EQ(r.exitCode, 2) << r.output;
    EXPECT_FALSE(std::filesystem::exists(png));
}

}  // namespace

namespace {

// From Scafell Pike (978 m) every horizon angle lies below the fixed chart's bottom (-0.76
// degrees): the chart stretches down to show it. A bearing column shows its horizon when a mark
// lies above the field's bottom pixel row.
// N54W003 missing: east of 3° W (about 13 km east of the centre) the ground reads sea level
// without being sea. The horizon points that ground makes are grey, those over N54W004 keep
// their distance colours, and the help says there is no GeoTIFF.
TEST_F(HorizonRun, NoDataGroundIsNeverASeaHorizon) {
    std::filesystem::remove(work.Path() / "tiles" / "N54W003.hgt");
    // A 30 m mast: the sea rises to the radio horizon at 22.3 km, beyond the 20 km radius, so
    // the rays east set new highest angles on the missing tile's ground.
    const ct::RunResult r = ct::RunProgram(TOOL_PROGRAM, {"--png", png.string()},
                                           std::string(kCentre) + "\n30\n1.3\n20\n", work.Path());
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("% of the plot has no height data"), std::string::npos) << r.output;
    EXPECT_GT(pt::CountPngPixels(png, plot::kNoDataColour), 20);
    // Due west the points out to the radio horizon keep their colours: no grey in the columns
    // of bearings 240 to 300.
    image.load(QString::fromStdString(png.string()));
    // A distance colour: red 255 f, green 200 - 200 f for some fraction f of the radius.
    const auto isDistanceColour = [](const console::Rgb& c) {
        const double f = c.red / 255.0;
        return c.red > 0 && std::abs(c.green - (200 - 200 * f)) <= 2;
    };
    int greyWest = 0, distanceWest = 0;
    for (int px = PixelX(240); px <= PixelX(300); ++px)
        for (int py = 0; py < kHeight; ++py) {
            if (Pixel(px, py) == plot::kNoDataColour) ++greyWest;
            if (isDistanceColour(Pixel(px, py))) ++distanceWest;
        }
    EXPECT_EQ(greyWest, 0);
    EXPECT_GT(distanceWest, 100);  // the sea's points are drawn there in their colours

    const ct::RunResult help = ct::RunProgram(TOOL_PROGRAM, {"--help"}, "", work.Path());
    EXPECT_NE(help.output.find("There is no --geotiff"), std::string::npos) << help.output;
}

TEST_F(HorizonRun, NoTileAtAllIsARefusedRunThatKeepsTheConfiguration) {
    std::filesystem::remove(work.Path() / "tiles" / "N54W003.hgt");
    std::filesystem::remove(work.Path() / "tiles" / "N54W004.hgt");
    const std::string config = ct::ReadFile(work.Path() / "Corvanne.ini");
    const ct::RunResult r = Run();
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("No height data for this area: none of N54W004.hgt, N54W003.hgt"),
              std::string::npos)
        << r.output;
    EXPECT_EQ(ct::ReadFile(work.Path() / "Corvanne.ini"), config);
    EXPECT_FALSE(std::filesystem::exists(png));
}

TEST(HorizonOnRealData, ScafellPikeHorizonShowsAcrossTheBearings) {
    TORMARK_SKIP_WITHOUT_REAL_DATA("srtm3/N54W004.hgt");
    const std::filesystem::path data = realdata::Folder();
    ct::TempDir dir;
    ct::WriteTextFile(dir.Path(), "Corvanne.ini",
                      {(data / "srtm3").string() + "/", (data / "sites").string() + "/", "600"});
    const ct::RunResult r = ct::RunProgram(TOOL_PROGRAM, {"--png", "scafell.png"},
                                           std::string(kCentre) + "\n10\n1.3\n80\n", dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const QImage image(QString::fromStdString((dir.Path() / "scafell.png").string()));
    ASSERT_FALSE(image.isNull());
    const int bottomRow = PixelY(0) - 1;  // the field's lowest pixel row
    int shown = 0, columns = 0;
    for (int px = PixelX(0) + 1; px < PixelX(360) - 1; ++px) {
        ++columns;
        for (int py = PixelY(100) + 1; py < bottomRow; ++py) {
            if ((image.pixel(px, py) & 0xFFFFFF) != 0) {
                ++shown;
                break;
            }
        }
    }
    EXPECT_GE(shown, columns * 95 / 100) << shown << " of " << columns;
}

TEST(AngleScale, FixedWhenTheAnglesFitStretchedToHoldThemOtherwise) {
    const horizon::AngleScale fixed = horizon::ScaleFor(-0.01, 0.02);
    EXPECT_EQ(fixed.unitsPerRadian, horizon::kUnitsPerRadian);
    EXPECT_EQ(fixed.Height(0.005), horizon::ChartHeight(0.005));
    EXPECT_EQ(fixed.firstTick_deg, -0.5);
    EXPECT_EQ(fixed.lastTick_deg, 2.0);

    const double lowest = -1.2 / console::kDegPerRad;
    const horizon::AngleScale low = horizon::ScaleFor(lowest, 0.01);
    EXPECT_GT(low.Height(lowest), 0.0);  // inside the field, above its bottom
    EXPECT_LT(low.Height(lowest), 5.0);
    EXPECT_NEAR(low.Height(3.056 / console::kDegPerRad), 100, 0.5);  // the top stays
    EXPECT_EQ(low.tickStep_deg, 0.5);
    EXPECT_EQ(low.firstTick_deg, -1.0);
    EXPECT_EQ(low.lastTick_deg, 2.0);

    // A steep horizon: stretched upwards, ticks thinned so that labels keep apart.
    const horizon::AngleScale high = horizon::ScaleFor(-0.005, 20 / console::kDegPerRad);
    EXPECT_LT(high.Height(20 / console::kDegPerRad), 100.0);
    EXPECT_GT(high.Height(20 / console::kDegPerRad), 95.0);
    EXPECT_GT(high.tickStep_deg * high.unitsPerRadian / console::kDegPerRad, 6.0);
    EXPECT_GE(high.lastTick_deg, 18.0);
}

}  // namespace
