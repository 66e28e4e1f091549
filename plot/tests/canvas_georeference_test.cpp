// A picture saved with its georeference: a position marked on it is found again on its pixel
// through the world file beside it (and through GDAL when it is installed).
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "console/georeference.h"
#include "console/georeference_files.h"
#include "console/testing/test_support.h"
#include "plot/canvas.h"

namespace plot {
namespace {

using console::GeoreferenceFilesBeside;
using console::kWhite;
using console::ParseWorldFile;
using console::PixelGrid;
using console::testing::ReadFile;
using console::testing::RunProgram;
using console::testing::RunResult;
using console::testing::TempDir;

// A canvas with a georeference, a pixel set at a known position and the picture saved:
// the world file read back puts that position on that pixel.
class GeoreferencedCanvas : public ::testing::Test {
  protected:
    static constexpr double kWest = -3.5, kSouth = 54.3, kPerDegree = 1200;
    static constexpr int kNLon = 600, kNLat = 360;
    static constexpr double kSiteLat = 54.4541667, kSiteLon = -3.2116667;  // Scafell Pike

    void DrawAndSave(bool georeferenced, std::vector<std::string> title = {}) {
        Canvas window("Terrain Plot", 420, 300, kWhite);
        window.SetTitleStrip(std::move(title));
        strip_ = window.TitleStripHeightPx();
        window.SetScale(0, kNLat, 1.07 * kNLon, -0.03 * kNLat);
        if (georeferenced) window.SetGeoreference({kWest, 1 / kPerDegree, kSouth, 1 / kPerDegree});
        const double x = kPerDegree * (kSiteLon - kWest), y = kPerDegree * (kSiteLat - kSouth);
        window.SetPixel(x, y, Rgb{255, 0, 0});
        pixelColumn_ = window.PixelColumn(x);
        pixelRow_ = window.PixelRow(y);
        ASSERT_EQ(window.SavePng(png_), "");
    }
    TempDir dir_;
    std::string png_ = (dir_.Path() / "plot.png").string();
    int pixelColumn_ = -1, pixelRow_ = -1;
    int strip_ = 0;  // rows of the title strip above the plot in the saved picture
};

TEST_F(GeoreferencedCanvas, SiteLandsOnItsMarkedPixel) {
    DrawAndSave(true);
    const std::optional<PixelGrid> grid =
        ParseWorldFile(ReadFile(GeoreferenceFilesBeside(png_).worldFile), 420, 300);
    ASSERT_TRUE(grid);
    const int column = static_cast<int>(std::floor(grid->ColumnOf(kSiteLon)));
    const int row = static_cast<int>(std::floor(grid->RowOf(kSiteLat)));
    EXPECT_EQ(column, pixelColumn_);
    EXPECT_EQ(row, pixelRow_);
    const QImage image(QString::fromStdString(png_));
    EXPECT_EQ(image.pixel(column, row), qRgb(255, 0, 0));
}

// The title strip sits above the plot in the saved picture: the world file's rows count it, so
// the site is still found on its pixel, now strip rows lower.
TEST_F(GeoreferencedCanvas, TitleStripKeepsTheSiteOnItsPixel) {
    DrawAndSave(true, {"Terrain plot of Scafell Pike NY 21536 07218",
                       "width 20 km, a line long enough to be wrapped onto a second line"});
    ASSERT_GT(strip_, 0);
    const QImage image(QString::fromStdString(png_));
    ASSERT_EQ(image.height(), 300 + strip_);
    const std::optional<PixelGrid> grid =
        ParseWorldFile(ReadFile(GeoreferenceFilesBeside(png_).worldFile), 420, 300 + strip_);
    ASSERT_TRUE(grid);
    const int column = static_cast<int>(std::floor(grid->ColumnOf(kSiteLon)));
    const int row = static_cast<int>(std::floor(grid->RowOf(kSiteLat)));
    EXPECT_EQ(column, pixelColumn_);
    EXPECT_EQ(row, pixelRow_ + strip_);
    EXPECT_EQ(image.pixel(column, row), qRgb(255, 0, 0));
}

TEST_F(GeoreferencedCanvas, NoGeoreferenceNoFiles) {
    DrawAndSave(false);
    EXPECT_TRUE(std::filesystem::exists(png_));
    EXPECT_FALSE(std::filesystem::exists(GeoreferenceFilesBeside(png_).worldFile));
    EXPECT_FALSE(std::filesystem::exists(GeoreferenceFilesBeside(png_).kmlFile));
}

// GDAL's own reading of the picture: the pixel it gives for the site is the marked one.
TEST_F(GeoreferencedCanvas, GdalFindsTheSiteOnItsPixel) {
    if (std::system("gdallocationinfo --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "GDAL's gdallocationinfo is not installed";
    DrawAndSave(true);
    const RunResult run = RunProgram(
        "gdallocationinfo", {"-geoloc", png_, std::to_string(kSiteLon), std::to_string(kSiteLat)},
        "", dir_.Path());
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const std::string expected =
        "(" + std::to_string(pixelColumn_) + "P," + std::to_string(pixelRow_) + "L)";
    EXPECT_NE(run.output.find(expected), std::string::npos) << run.output;
    // Band 1 is red.
    EXPECT_NE(run.output.find("Value: 255"), std::string::npos) << run.output;
}

// GDAL reads the coordinate system from the .aux.xml (it ignores the .prj beside a PNG), so
// positions given in WGS84 find their pixel without any guess.
TEST_F(GeoreferencedCanvas, GdalInfoShowsWgs84) {
    if (std::system("gdalinfo --version > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "GDAL's gdalinfo is not installed";
    DrawAndSave(true);
    const RunResult info = RunProgram("gdalinfo", {png_}, "", dir_.Path());
    ASSERT_EQ(info.exitCode, 0) << info.errors;
    EXPECT_NE(info.output.find("ID[\"EPSG\",4326]"), std::string::npos) << info.output;
    const RunResult located = RunProgram(
        "gdallocationinfo", {"-wgs84", png_, std::to_string(kSiteLon), std::to_string(kSiteLat)},
        "", dir_.Path());
    ASSERT_EQ(located.exitCode, 0) << located.errors;
    const std::string expected =
        "(" + std::to_string(pixelColumn_) + "P," + std::to_string(pixelRow_) + "L)";
    EXPECT_NE(located.output.find(expected), std::string::npos) << located.output;
}

}  // namespace
}  // namespace plot
