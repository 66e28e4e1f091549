// The pathprofile program itself, run with scripted input in a temporary working folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "console/testing/test_support.h"

namespace {

namespace ct = console::testing;

TEST(PathProfileProgram, HeadlessRunDrawsEachProfileIntoItsNumberedPng) {
    ct::TempDir dir;
    ct::WriteHgtTile(dir.Path(), "N54W004.hgt", [](int row, int) { return 300 - row / 10; });
    ct::WriteSitesFile(dir.Path(), {"Low End~IO84FC00AA", "High End~IO84FM00AA"});
    ct::WriteTextFile(dir.Path(), "Corvanne.ini", {dir.Folder(), dir.Folder(), "600"});

    const ct::RunResult r =
        ct::RunProgram(PATHPROFILE_EXE, {"--png", "path.png", "--dclick", "20,250", "Low", "End"},
                       "10\nHigh End\n10\n\n\n\n\nendendend\n", dir.Path());
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const std::string distance_line = "Dist   46.33km  Bearing   0.0° [Back 180.0°]";
    const std::size_t first = r.output.find(distance_line);
    ASSERT_NE(first, std::string::npos) << r.output;
    EXPECT_NE(r.output.find(distance_line, first + 1), std::string::npos);
    EXPECT_EQ(ct::PngSize(dir / "path1.png"), (std::pair<int, int>{800, 400}));
    EXPECT_EQ(ct::PngSize(dir / "path2.png"), (std::pair<int, int>{800, 400}));
    EXPECT_FALSE(std::filesystem::exists(dir / "path3.png"));
    EXPECT_FALSE(std::filesystem::exists(dir / "path.png"));
    // The scripted double click applies to each profile in turn.
    EXPECT_GT(ct::CountPngPixels(dir / "path2.png", console::Rgb{200, 0, 200}), 50);
    EXPECT_TRUE(std::filesystem::exists(dir / "Corvanne.INI") ||
                std::filesystem::exists(dir / "Corvanne.ini"));
}

TEST(PathProfileProgram, ClickWithoutPngIsRefused) {
    ct::TempDir dir;
    const ct::RunResult r = ct::RunProgram(PATHPROFILE_EXE, {"--click", "1,2"}, "", dir.Path());
    EXPECT_NE(r.exitCode, 0);
    EXPECT_FALSE(r.errors.empty());
}

}  // namespace
