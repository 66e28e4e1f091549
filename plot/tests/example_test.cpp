#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include "console/testing/test_support.h"
#include "console/tool_config.h"
#include "plot/testing/png_reading.h"

namespace console {
namespace {

using namespace console::testing;
using namespace plot::testing;

// The whole frame in one run: scripted answers to the start-up prompts, a site found by name,
// a generated tile, a plot with legend and Exit written as PNG, a click, the configuration file.
TEST(ExampleTool, FullStartUpDialogueToPng) {
    TempDir dir;
    std::filesystem::create_directories(dir / "tiles");
    std::filesystem::create_directories(dir / "sites");
    // Height rises from 0 in the west to 1000 m in the east of the tile.
    WriteHgtTile(dir / "tiles", "N54W004.hgt",
                 [](int, int column) { return column * 1000 / 1200; });
    WriteSitesFile(dir / "sites", {"Keswick~NY2663 2337", "Middle Fell~NY1500 0700"});
    // A palette of black with a green band (entries 36 to 47) and a red one (220 to 235).
    std::vector<std::string> palette;
    for (int i = 36; i <= 47; ++i) palette.push_back("COLOR" + std::to_string(i) + "=&h00FF00");
    for (int i = 220; i <= 235; ++i) palette.push_back("COLOR" + std::to_string(i) + "=&h0000FF");
    WriteTextFile(dir.Path(), "hills.pal", palette);
    std::string png = (dir / "plot.png").string();

    RunResult run = RunProgram(
        TOOL_PROGRAM, {"--png", png, "--click", "20,30", "Middle/Hills"},
        (dir / "tiles").string() + "\n" + (dir / "sites").string() + "\n300\n1000\n", dir.Path());
    ASSERT_EQ(run.exitCode, 0) << run.output << run.errors;
    EXPECT_NE(run.output.find("Path and Location of Height database files "), std::string::npos);
    EXPECT_NE(run.output.find("Terrain Plot   Orvel July 2018\n"), std::string::npos);
    // ".PAL" appended to the command line's name; the file is found whatever its case.
    EXPECT_NE(run.output.find("Colour Palette  Hills.PAL\n"), std::string::npos);
    EXPECT_NE(run.output.find("         Base Lat  54.4"), std::string::npos);
    EXPECT_NE(run.output.find("Loading Height data from SRTM files\n"), std::string::npos);
    EXPECT_NE(run.output.find("Clicked  20.0  30.0"), std::string::npos);

    // Window 420 x 300 for WindowSize 300; scale 0 ... 107 by 100 ... -3.
    auto [width, height] = PngSize(png);
    EXPECT_EQ(width, 420);
    EXPECT_EQ(height, 300);
    auto px = [&](double x) { return static_cast<int>(x * 420 / 107); };
    auto py = [&](double y) { return static_cast<int>((100 - y) * 300 / 103); };
    // A saved picture has no Exit box to click.
    EXPECT_EQ(PngPixel(png, px(103.2), py(98.5)).colour, console::kWhite);
    // Legend against the right edge: the green band low in its bar, the red band high (the map
    // round the centre, 650 to 730 m, has neither colour).
    const QImage image(QString::fromStdString(png));
    int greenRow = -1, redRow = -1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb c = image.pixel(x, y) & 0xFFFFFF;
            if (c == (qRgb(0, 255, 0) & 0xFFFFFF) && greenRow < 0) greenRow = y;
            if (c == (qRgb(255, 0, 0) & 0xFFFFFF) && redRow < 0) redRow = y;
        }
    EXPECT_GT(greenRow, 0);
    EXPECT_GT(redRow, 0);
    EXPECT_LT(redRow, greenRow);
    // The map round the centre (about 700 m, entry 191) is in the black part of the palette.
    EXPECT_EQ(PngPixel(png, px(50), py(50)).colour, kBlack);
    // The click's read-out line in blue at the bottom.
    EXPECT_GT(CountPngPixels(png, kPureBlue), 20);

    // The answers are stored, with the palette named on the command line.
    std::string config = ReadFile(dir / "Brelland.INI");
    EXPECT_EQ(config, (dir / "tiles").string() + "/\r\n" + (dir / "sites").string() +
                          "/\r\n300\r\nHills.PAL\r\n");
}

TEST(ExampleTool, SiteNotFoundEndsWithoutWritingTheConfiguration) {
    TempDir dir;
    WriteSitesFile(dir.Path(), {"Keswick~NY2663 2337"});
    WriteTextFile(dir.Path(), "Brelland.ini", {dir.Folder(), dir.Folder(), "300", ""});
    RunResult run =
        RunProgram(TOOL_PROGRAM, {"--png", (dir / "x.png").string()}, "Nowhere\n", dir.Path());
    ASSERT_EQ(run.exitCode, 1) << run.errors;  // refused
    EXPECT_NE(run.output.find("Centre  of plot,   Site Name / Location        Site not found\n"),
              std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "x.png"));
    EXPECT_EQ(ReadFile(dir / "Brelland.ini"),
              dir.Folder() + "\r\n" + dir.Folder() + "\r\n300\r\n\r\n");
}

TEST(ExampleTool, EndOfInputNeverLoops) {
    TempDir dir;
    RunResult run = RunProgram(TOOL_PROGRAM, {}, "", dir.Path(), 20000);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, 1);  // a refused start-up
    EXPECT_NE(run.output.find("Specify a full path \n"), std::string::npos);
}

TEST(ExampleTool, MalformedHeadlessFlagIsRefused) {
    TempDir dir;
    RunResult run = RunProgram(TOOL_PROGRAM, {"--png", "a.png", "--click", "1;2"}, "", dir.Path());
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.errors.find("expected X,Y"), std::string::npos);
}

}  // namespace
}  // namespace console
