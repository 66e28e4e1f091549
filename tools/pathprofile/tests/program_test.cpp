// The pathprofile program itself, run with scripted input in a temporary working folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "console/testing/test_support.h"
#include "pathprofile/tests/picture_rows.h"
#include "plot/no_data.h"
#include "plot/testing/png_reading.h"
#include "testing/real_data.h"

namespace {

namespace ct = console::testing;
namespace pt = plot::testing;

TEST(PathProfileProgram, HeadlessRunDrawsEachProfileIntoItsNumberedPng) {
    ct::TempDir dir;
    ct::WriteHgtTile(dir.Path(), "N54W004.hgt", [](int row, int) { return 300 - row / 10; });
    ct::WriteSitesFile(dir.Path(), {"Low End~IO84FC00AA", "High End~IO84FM00AA"});
    ct::WriteTextFile(dir.Path(), "Corvanne.ini", {dir.Folder(), dir.Folder(), "600"});

    const ct::RunResult r =
        ct::RunProgram(TOOL_PROGRAM, {"--png", "path.png", "--dclick", "20,250", "Low", "End"},
                       "10\nHigh End\n10\n\n\n\n\nendendend\n", dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const std::string distance_line = "Dist   46.33km  Bearing   0.0° [Back 180.0°]";
    const std::size_t first = r.output.find(distance_line);
    ASSERT_NE(first, std::string::npos) << r.output;
    EXPECT_NE(r.output.find(distance_line, first + 1), std::string::npos);
    EXPECT_EQ(pathprofile::testing::PlotSize(dir / "path1.png"), (std::pair<int, int>{800, 400}));
    EXPECT_EQ(pathprofile::testing::PlotSize(dir / "path2.png"), (std::pair<int, int>{800, 400}));
    EXPECT_FALSE(std::filesystem::exists(dir / "path3.png"));
    EXPECT_FALSE(std::filesystem::exists(dir / "path.png"));
    // The scripted double click applies to each profile in turn.
    EXPECT_GT(pt::CountPngPixels(dir / "path2.png", console::Rgb{200, 0, 200}), 50);
    EXPECT_TRUE(std::filesystem::exists(dir / "Corvanne.INI") ||
                std::filesystem::exists(dir / "Corvanne.ini"));
}

// Scafell Pike to Skiddaw on the real tiles: the base stands on the tile's highest sample
// (971 m, file row 655, column 946), the summits are about 22.3 km apart (NY2154 0722 to
// about NY2600 2910 on the grid), and the two summits see each other over 10 m masts.
TEST(PathProfileProgram, ScafellPikeToSkiddawOnRealData) {
    TORMARK_SKIP_WITHOUT_REAL_DATA("srtm3/N54W004.hgt");
    const std::filesystem::path data = realdata::Folder();
    ct::TempDir dir;
    ct::WriteTextFile(dir.Path(), "Corvanne.ini",
                      {(data / "srtm3").string() + "/", (data / "sites").string() + "/", "600"});
    const ct::RunResult r = ct::RunProgram(TOOL_PROGRAM, {"--png", "real.png", "Scafell", "Pike"},
                                           "10\nSkiddaw\n10\n\nendendend\n", dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("NY2154 0722   971m AGL"), std::string::npos) << r.output;
    double dist_km = 0, bearing_deg = 0;
    const std::size_t at = r.output.find("Dist ");
    ASSERT_NE(at, std::string::npos);
    ASSERT_EQ(std::sscanf(r.output.c_str() + at, "Dist %lfkm  Bearing %lf", &dist_km, &bearing_deg),
              2);
    EXPECT_NEAR(dist_km, 22.3, 0.1);
    EXPECT_NEAR(bearing_deg, 10.5, 0.5);  // grid bearing 11.5, less 1 degree of convergence
    EXPECT_NE(r.output.find("Line of sight clear,"), std::string::npos) << r.output;
    EXPECT_EQ(r.output.find("No HDB"), std::string::npos);
    EXPECT_EQ(pathprofile::testing::PlotSize(dir / "real1.png"), (std::pair<int, int>{800, 400}));
}

TEST(PathProfileProgram, ClickWithoutPngIsRefused) {
    ct::TempDir dir;
    const ct::RunResult r = ct::RunProgram(TOOL_PROGRAM, {"--click", "1,2"}, "", dir.Path());
    EXPECT_NE(r.exitCode, 0);
    EXPECT_FALSE(r.errors.empty());
}

// Base and distant site typed as latitude/longitude, 54.5° N from 3.5° W to 2.5° W: the second
// half of the path lies in N54W003, which is missing. Its length without heights is told, the
// radio figures warn of it, and the picture shows it grey.
TEST(PathProfileProgram, PathIntoAMissingTileTellsHowFarItRunsWithoutHeights) {
    ct::TempDir dir;
    ct::WriteHgtTile(dir.Path(), "N54W004.hgt", [](int, int) { return 300; });
    ct::WriteSitesFile(dir.Path(), {"Somewhere~IO84FC00AA"});
    ct::WriteTextFile(dir.Path(), "Corvanne.ini", {dir.Folder(), dir.Folder(), "600"});
    const ct::RunResult r =
        ct::RunProgram(TOOL_PROGRAM, {"--png", "path.png", "--freq", "144", "54.5N 3.5W"},
                       "10\n54.5 -2.5\n10\n\nendendend\n", dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    double dist_km = 0;
    const std::size_t at = r.output.find("Dist ");
    ASSERT_NE(at, std::string::npos) << r.output;
    ASSERT_EQ(std::sscanf(r.output.c_str() + at, "Dist %lfkm", &dist_km), 1);
    EXPECT_NEAR(dist_km, 64.6, 0.2);  // not a grid reference thousands of km away
    double missing_km = 0;
    const std::size_t line = r.output.find("the path crosses ");
    ASSERT_NE(line, std::string::npos) << r.output;
    ASSERT_EQ(std::sscanf(r.output.c_str() + line, "the path crosses %lf km without height data",
                          &missing_km),
              1);
    // From 3° W to 2.5° W along the parallel: 0.5° x 111.2 km x cos 54.5°.
    EXPECT_NEAR(missing_km, 32.3, 0.3);
    EXPECT_NE(r.output.find("Warning: these figures take the ground without height data as sea "
                            "level"),
              std::string::npos)
        << r.output;
    EXPECT_GT(pt::CountPngPixels(dir / "path1.png", plot::kNoDataColour), 100);
}

TEST(PathProfileProgram, NoTileAlongThePathIsARefusedRunThatKeepsTheConfiguration) {
    ct::TempDir dir;
    ct::WriteSitesFile(dir.Path(), {"Somewhere~IO84FC00AA"});
    ct::WriteTextFile(dir.Path(), "Corvanne.ini", {dir.Folder(), dir.Folder(), "600"});
    const std::string config = ct::ReadFile(dir / "Corvanne.ini");
    const ct::RunResult r = ct::RunProgram(TOOL_PROGRAM, {"--png", "path.png", "54.5 -3.5"},
                                           "10\n54.5 -2.5\n10\n\nendendend\n", dir.Path());
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.output.find("No height data for this area: none of N54W004.hgt, N54W003.hgt in " +
                            dir.Folder()),
              std::string::npos)
        << r.output;
    EXPECT_EQ(ct::ReadFile(dir / "Corvanne.ini"), config);
    EXPECT_FALSE(std::filesystem::exists(dir / "path1.png"));
}

}  // namespace
