// horizon run from start to end on generated tiles, headless, with scripted answers.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <sstream>
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

// The plot of WindowSize 600 is 840 x 400 pixels (the title strip above it).
constexpr int kWidth = 840, kHeight = 400;

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

// Rows of a CSV file after its header, split at commas.
std::vector<std::vector<double>> CsvRows(const std::filesystem::path& file, std::string* header) {
    std::vector<std::vector<double>> rows;
    std::istringstream in(ct::ReadFile(file));
    std::string line;
    std::getline(in, *header);
    while (std::getline(in, line)) {
        std::vector<double> row;
        std::istringstream fields(line);
        std::string field;
        while (std::getline(fields, field, ',')) row.push_back(std::stod(field));
        rows.push_back(row);
    }
    return rows;
}

// Over flat ground at sea level each ray rises to the radio horizon (12.87 km of 20) and no
// further; the CSV has that horizon for every ray of the sweep.
TEST_F(HorizonRun, FlatSeaLevelRisesToTheRadioHorizonAndNoFurther) {
    const std::filesystem::path csv = work.Path() / "out" / "horizon.csv";
    std::filesystem::create_directory(work.Path() / "out");
    const ct::RunResult r = Run({"--csv", csv.string()});
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    // The title strip lies above the 840 x 400 plot.
    const auto [w, h] = pt::PngSize(png);
    EXPECT_EQ(w, kWidth);
    EXPECT_GT(h, kHeight);
    // The chart is bearing against elevation, not a map: no world file or KML beside it.
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(png).replace_extension(".pgw")));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(png).replace_extension(".kml")));

    std::string header;
    const auto rows = CsvRows(csv, &header);
    EXPECT_EQ(header, "bearing_deg,elevation_deg,distance_km,no_data");
    // Bearings 0, dθ, 2dθ ... with dθ = 0.08 km at the 20 km rim: 0.2292 degrees, 1571 rays.
    ASSERT_EQ(rows.size(), 1571u);
    const double horizon_km = mastview::RadioHorizon_km(10, 1.3);
    // e = -10 m / s - s / (2 K R) at the radio horizon: -0.089 degrees.
    const double horizon_deg =
        (-10 / (1000 * horizon_km) - horizon_km / (2 * 6371.29 * 1.3)) * console::kDegPerRad;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        ASSERT_EQ(rows[i].size(), 4u);
        EXPECT_NEAR(rows[i][0], i * 0.08 / 20 * console::kDegPerRad, 0.0002);
        EXPECT_NEAR(rows[i][1], horizon_deg, 0.0002) << i;
        EXPECT_NEAR(rows[i][2], horizon_km, 0.08) << i;  // within one radial step
        EXPECT_EQ(rows[i][3], 0);
    }
    // The horizon line is drawn: black across the picture. The field holds angles a little
    // below the horizon, where the sea seen lies from a few km out to the horizon: the ground
    // is filled in the shades of those distances, and of no nearer or farther ones. Nothing is
    // grey. (The distance key, with every shade, lies above the
    // lowest four fifths of the plot looked at.)
    EXPECT_GT(pt::CountPngPixels(png, horizon::kHorizonLineColour), 700);
    image.load(QString::fromStdString(png.string()));
    int seaShades = 0, otherShades = 0;
    for (int px = 0; px < kWidth; ++px)
        for (int py = image.height() - kHeight * 4 / 5; py < image.height(); ++py)
            for (int k = 0; k <= 100; ++k)
                if (Pixel(px, py) == horizon::GroundShade(k / 100.0)) {
                    ++(k >= 15 && k <= 65 ? seaShades : otherShades);
                    break;
                }
    EXPECT_GT(seaShades, kWidth * kHeight / 20);
    EXPECT_EQ(otherShades, 0);
    EXPECT_EQ(pt::CountPngPixels(png, plot::kNoDataColour), 0);
}

TEST_F(HorizonRun, CsvNeedsANameAndAFolderItCanWriteIn) {
    ct::RunResult r = Run({"--csv", ""});
    EXPECT_EQ(r.exitCode, 2) << r.output << r.errors;
    EXPECT_NE((r.output + r.errors).find("--csv needs a file name"), std::string::npos)
        << r.output << r.errors;
    // A folder cannot be written over: the run is refused, the folder untouched.
    std::filesystem::create_directory(work.Path() / "taken");
    r = Run({"--csv", (work.Path() / "taken").string()});
    EXPECT_EQ(r.exitCode, 1) << r.output << r.errors;
    EXPECT_NE((r.output + r.errors).find("Cannot write"), std::string::npos) << r.output;
    EXPECT_TRUE(std::filesystem::is_directory(work.Path() / "taken"));
    const ct::RunResult help = ct::RunProgram(TOOL_PROGRAM, {"--help"}, "", work.Path());
    EXPECT_NE(help.output.find("--csv FILE"), std::string::npos) << help.output;
}

// A saved picture has no Exit box (nothing pure red), but the run still leaves through it.
TEST_F(HorizonRun, SavedPictureHasNoExitBoxAndTheFrameItsScales) {
    const ct::RunResult r = Run();
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_EQ(pt::CountPngPixels(png, console::Rgb{255, 0, 0}), 0);
    EXPECT_GT(pt::CountPngPixels(png, console::Rgb{0, 0, 255}), 20);  // the axes' ticks
    EXPECT_GT(pt::CountPngPixels(png, horizon::kSkyColour), kWidth * kHeight / 4);
    EXPECT_NE(r.output.find("Visible Terrain Plot   Orvel July 2018"), std::string::npos);
    EXPECT_FALSE(ct::ReadFile(work.Path() / "Corvanne.ini").empty());
}

// A click reads the horizon at its bearing out on the console and marks it on the picture.
TEST_F(HorizonRun, ClickReadsOutTheHorizonAtItsBearing) {
    ASSERT_EQ(Run({"--click", "123.4,50"}).exitCode, 0);
    const ct::RunResult r = Run({"--click", "123.4,50"});
    ASSERT_EQ(r.exitCode, 0) << r.errors;
    // The ray nearest 123.4 degrees (rays every 0.2292 degrees: 123.31) and its radio horizon.
    EXPECT_NE(r.output.find("Bearing 123.3°  horizon -0.089° at 12.8"), std::string::npos)
        << r.output;
    // The place: a grid reference and a latitude/longitude south-east of the centre.
    EXPECT_NE(r.output.find("  NY"), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("°N 3."), std::string::npos) << r.output;
    EXPECT_GT(pt::CountPngPixels(png, console::Rgb{255, 0, 0}), 4);  // the mark
    const ct::RunResult other = Run({"--click", "287,50"});
    EXPECT_NE(other.output.find("Bearing 286.9°"), std::string::npos) << other.output;
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

// N54W003 missing: east of 3° W (about 13 km east of the centre) the ground reads sea level
// without being sea. The ground and horizon there are grey, and the CSV flags the rays whose
// horizon lies there; the help says there is no GeoTIFF.
TEST_F(HorizonRun, NoDataGroundIsNeverASeaHorizon) {
    std::filesystem::remove(work.Path() / "tiles" / "N54W003.hgt");
    // A 30 m mast: the sea rises to the radio horizon at 22.3 km, beyond the 20 km radius, so
    // the rays east set new highest angles on the missing tile's ground.
    const ct::RunResult r = ct::RunProgram(TOOL_PROGRAM, {"--png", png.string(), "--csv", "h.csv"},
                                           std::string(kCentre) + "\n30\n1.3\n20\n", work.Path());
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("% of the plot has no height data"), std::string::npos) << r.output;
    EXPECT_GT(pt::CountPngPixels(png, plot::kNoDataColour), 20);
    // The rays east whose horizon lies on the missing tile say so in the CSV; due west none.
    std::string header;
    const auto rows = CsvRows(work.Path() / "h.csv", &header);
    int eastMissing = 0, westMissing = 0;
    for (const auto& row : rows) {
        if (row[0] > 60 && row[0] < 120) eastMissing += row[3] == 1;
        if (row[0] > 240 && row[0] < 300) westMissing += row[3] == 1;
    }
    EXPECT_GT(eastMissing, 100);
    EXPECT_EQ(westMissing, 0);
    // In the plot (below the title strip, whose rule is grey) the columns of bearings about 245
    // to 290 have no grey.
    image.load(QString::fromStdString(png.string()));
    int greyWest = 0;
    for (int px = kWidth * 68 / 100; px <= kWidth * 80 / 100; ++px)
        for (int py = image.height() - kHeight; py < image.height(); ++py)
            if (Pixel(px, py) == plot::kNoDataColour) ++greyWest;
    EXPECT_EQ(greyWest, 0);

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

// From Scafell Pike at 80 km the horizon lies between about -1.0 and -0.2 degrees; the chart's
// axis holds that and little more, and the horizon line runs across the whole field.
TEST(HorizonOnRealData, ScafellPikeHorizonFillsTheFittedAxis) {
    TORMARK_SKIP_WITHOUT_REAL_DATA("srtm3/N54W004.hgt");
    const std::filesystem::path data = realdata::Folder();
    ct::TempDir dir;
    ct::WriteTextFile(dir.Path(), "Corvanne.ini",
                      {(data / "srtm3").string() + "/", (data / "sites").string() + "/", "600"});
    const ct::RunResult r =
        ct::RunProgram(TOOL_PROGRAM, {"--png", "scafell.png", "--csv", "scafell.csv"},
                       std::string(kCentre) + "\n10\n1.3\n80\n", dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    std::string header;
    const auto rows = CsvRows(dir.Path() / "scafell.csv", &header);
    ASSERT_GT(rows.size(), 6000u);
    double lowest = 99, highest = -99;
    for (const auto& row : rows) {
        lowest = std::min(lowest, row[1]);
        highest = std::max(highest, row[1]);
    }
    EXPECT_GT(lowest, -1.1);
    EXPECT_LT(highest, -0.1);
    // The title strip says so, and names some of the fells seen.
    EXPECT_GT(pt::CountPngPixels(dir.Path() / "scafell.png", horizon::kHorizonLineColour), 1500);
    const auto [w, h] = pt::PngSize(dir.Path() / "scafell.png");
    EXPECT_EQ(w, kWidth);
    EXPECT_GT(h, kHeight);
}

}  // namespace
