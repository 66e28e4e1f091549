#include <gtest/gtest.h>

#include <sstream>

#include "console/testing/test_support.h"
#include "console/tool_config.h"

namespace console {
namespace {

using console::testing::ReadFile;
using console::testing::TempDir;
using console::testing::WriteTextFile;

// The three kinds of tool the frame starts: a colour map with its legend, a shaded view that
// never writes its configuration, and a tool without a palette.
constexpr ToolProfile kColourMapTool{
    .banner = "Terrain Plot   Orvel July 2018",
    .configFile = ConfigFile::kBrelland,
    .palette = PaletteUse::kColourMap,
};
constexpr ToolProfile kShadedViewTool{
    .banner = "3D Terrain Plot   Orvel Aug 2018",
    .configFile = ConfigFile::kBrelland,
    .palette = PaletteUse::kShadedView,
    .writesConfig = false,
};
constexpr ToolProfile kPlainTool{
    .banner = "Visible Terrain Plot   Orvel July 2018",
    .configFile = ConfigFile::kCorvanne,
};
// A tool whose window has a size of its own (pathprofile).
constexpr ToolProfile kFixedWindowTool{
    .banner = "Path Profile from SRTM Data   Orvel July 2018",
    .configFile = ConfigFile::kCorvanne,
    .usesWindowSize = false,
};

// A console fed with scripted answers, its output kept for inspection.
struct FakeConsole {
    explicit FakeConsole(std::string answers) : in(std::move(answers)), con(in, out, false) {}
    std::istringstream in;
    std::ostringstream out;
    Console con;
};

TEST(StartUpDialogue, AsksWhenNoFileAndWritesTheAnswersBack) {
    TempDir dir;
    FakeConsole fake("C:\\data\nC:\\data\\\n\n");
    auto start = StartUp(kColourMapTool, fake.con, "", dir.Path());
    ASSERT_TRUE(start.has_value());
    // The asked paths end in a separator; a path that already ends in "\" gets none added.
    EXPECT_EQ(start->config.heightPath, "C:\\data/");
    EXPECT_EQ(start->config.sitesPath, "C:\\data\\");
    EXPECT_EQ(start->config.windowSize, 600);
    EXPECT_TRUE(start->askPosition);
    // The prompts are printed without line ends, 43 characters each.
    std::string out = fake.out.str();
    EXPECT_EQ(out.find("Path and Location of Height database files "), 0u);
    EXPECT_NE(out.find("path and location of SITES.DAT             "), std::string::npos);
    EXPECT_NE(out.find("Plot Window Size     [600]                 "), std::string::npos);
    EXPECT_EQ(kHeightPathPrompt.size(), 43u);
    EXPECT_EQ(kSitesPathPrompt.size(), 43u);
    EXPECT_EQ(kWindowSizePrompt.size(), 43u);
    // No palette file: terrainplot uses the default palette and empties the name.
    EXPECT_FALSE(start->paletteFound);
    EXPECT_EQ(start->config.paletteName, "");
    EXPECT_EQ(start->palette, DefaultPalette());
    EXPECT_EQ(out.find("Colour Palette"), std::string::npos);

    ASSERT_TRUE(FinishRun(kColourMapTool, start->config, fake.con, dir.Path()));
    EXPECT_EQ(ReadFile(dir / "Brelland.INI"), "C:\\data/\r\nC:\\data\\\r\n600\r\n\r\n");
}

TEST(StartUpDialogue, EmptyPathAnswerEndsWithoutWriting) {
    TempDir dir;
    FakeConsole fake("/tiles/\n\n");
    EXPECT_FALSE(StartUp(kPlainTool, fake.con, "", dir.Path()).has_value());
    EXPECT_NE(fake.out.str().find("Specify a full path \n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(StartUpDialogue, EndOfInputReadsAsAnEmptyAnswer) {
    TempDir dir;
    FakeConsole fake("");
    EXPECT_FALSE(StartUp(kPlainTool, fake.con, "", dir.Path()).has_value());
    EXPECT_TRUE(fake.con.InputEnded());
    EXPECT_NE(fake.out.str().find("Specify a full path "), std::string::npos);
}

TEST(StartUpDialogue, WindowSizeAnswers) {
    struct Case {
        const char* answer;
        std::int32_t size;
    } cases[] = {{"800.6", 801}, {"abc", 600}, {"0", 600}, {"50", 100}, {"99999", 4000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer);
        TempDir dir;
        FakeConsole fake(std::string("/h/\n/s/\n") + c.answer + "\n");
        auto start = StartUp(kPlainTool, fake.con, "", dir.Path());
        ASSERT_TRUE(start.has_value());
        EXPECT_EQ(start->config.windowSize, c.size);
    }
}

TEST(StartUpDialogue, AWindowOfItsOwnSizeIsNotAskedTheSizeAndKeepsTheStoredOne) {
    TempDir dir;
    // The line after the two paths is the tool's own first answer, never a window size.
    FakeConsole fake("/h/\n/s/\n300\n");
    auto start = StartUp(kFixedWindowTool, fake.con, "", dir.Path());
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->config.windowSize, 600);
    EXPECT_EQ(fake.out.str().find("Plot Window Size"), std::string::npos);
    EXPECT_EQ(fake.con.ReadLine(), "300");

    // A size stored by visplot or horizon is read and written back unchanged.
    WriteTextFile(dir.Path(), "Corvanne.ini", {"/h/", "/s/", "750"});
    FakeConsole stored("");
    auto again = StartUp(kFixedWindowTool, stored.con, "", dir.Path());
    ASSERT_TRUE(again.has_value());
    ASSERT_TRUE(FinishRun(kFixedWindowTool, again->config, stored.con, dir.Path()));
    EXPECT_EQ(ReadFile(dir / "Corvanne.ini"), "/h/\r\n/s/\r\n750\r\n");
}

TEST(StartUpDialogue, AMissingPaletteFileNamedInTheConfigurationOrTheTailIsWarnedOf) {
    TempDir dir;
    WriteTextFile(dir.Path(), "Brelland.ini", {"/t/", "/s/", "600", "Hills"});
    WriteTextFile(dir.Path(), "Found.PAL", {"COLOR255=&hFFFFFF"});
    const std::string warning = "Colour palette Hills.PAL not found in " + dir.Path().string() +
                                ": using the built-in colours\n";
    for (const ToolProfile* tool : {&kColourMapTool, &kShadedViewTool}) {
        SCOPED_TRACE(tool->banner);
        FakeConsole fake("");
        auto start = StartUp(*tool, fake.con, "Skiddaw", dir.Path());
        ASSERT_TRUE(start.has_value());
        EXPECT_EQ(start->palette, DefaultPalette());
        EXPECT_NE(fake.out.str().find(warning), std::string::npos) << fake.out.str();
    }
    // Named after "/" on the command line, with its control bytes shown escaped.
    FakeConsole tail("");
    ASSERT_TRUE(StartUp(kColourMapTool, tail.con,
                        "Skiddaw/Cr\x1b"
                        "ags",
                        dir.Path())
                    .has_value());
    EXPECT_NE(tail.out.str().find("Colour palette Cr\\x1bags.PAL not found"), std::string::npos);

    // A palette that is found, and no palette named at all, say nothing.
    for (const char* line : {"Skiddaw/Found", "Skiddaw"}) {
        SCOPED_TRACE(line);
        WriteTextFile(dir.Path(), "Brelland.ini", {"/t/", "/s/", "600", ""});
        FakeConsole fake("");
        ASSERT_TRUE(StartUp(kColourMapTool, fake.con, line, dir.Path()).has_value());
        EXPECT_EQ(fake.out.str().find("not found"), std::string::npos) << fake.out.str();
    }
}

TEST(ConfigFile, ReadUnchangedWhateverTheCaseOfItsName) {
    TempDir dir;
    // A path without its final separator is used as it stands.
    WriteTextFile(dir.Path(), "brelland.ini", {"/tiles", "/sites/", " 750 ", "Hills.pal"});
    FakeConsole fake("");
    auto start = StartUp(kShadedViewTool, fake.con, "", dir.Path());
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->config.heightPath, "/tiles");
    EXPECT_EQ(start->config.sitesPath, "/sites/");
    EXPECT_EQ(start->config.windowSize, 750);
    // ".pal" in lower case counts: nothing appended; terrain3d keeps the name of a missing file.
    EXPECT_EQ(start->config.paletteName, "Hills.pal");
    EXPECT_NE(fake.out.str().find("Colour Palette  Hills.pal\n"), std::string::npos);
    EXPECT_EQ(fake.out.str().find("Path and Location"), std::string::npos);

    // Written back over the existing file, not beside it.
    ASSERT_TRUE(WriteConfig(start->config, ConfigFile::kBrelland, dir.Path(), fake.con));
    EXPECT_EQ(ReadFile(dir / "brelland.ini"), "/tiles\r\n/sites/\r\n750\r\nHills.pal\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "Brelland.INI"));
}

TEST(ConfigFile, MissingLinesTakeDefaultsAndBadSizesAreClamped) {
    TempDir dir;
    WriteTextFile(dir.Path(), "Corvanne.ini", {"/tiles/"});
    FakeConsole fake("/sites/\n");  // only the missing sites path is asked
    auto start = StartUp(kPlainTool, fake.con, "", dir.Path());
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->config.sitesPath, "/sites/");
    EXPECT_EQ(start->config.windowSize, 600);
    EXPECT_EQ(fake.out.str().find("Path and Location of Height"), std::string::npos);

    WriteTextFile(dir.Path(), "Corvanne.ini", {"/tiles/", "/sites/", "-20"});
    FakeConsole second("");
    auto clamped = StartUp(kPlainTool, second.con, "", dir.Path());
    ASSERT_TRUE(clamped.has_value());
    EXPECT_EQ(clamped->config.windowSize, 100);
    EXPECT_NE(second.out.str().find("outside 100 to 4000"), std::string::npos);

    ASSERT_TRUE(FinishRun(kPlainTool, clamped->config, second.con, dir.Path()));
    EXPECT_EQ(ReadFile(dir / "Corvanne.ini"), "/tiles/\r\n/sites/\r\n100\r\n");
}

TEST(ConfigFile, Terrain3DNeverWritesIt) {
    TempDir dir;
    FakeConsole fake("");
    ToolConfig config;
    config.heightPath = "/a/";
    config.sitesPath = "/b/";
    EXPECT_TRUE(FinishRun(kShadedViewTool, config, fake.con, dir.Path()));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path()));
}

TEST(CommandTail, SitePartAndPalettePart) {
    auto p = SplitCommandTail("Home/Hills");
    EXPECT_EQ(p.siteText, "Home");
    ASSERT_TRUE(p.paletteName.has_value());
    EXPECT_EQ(WithPaletteExtension(*p.paletteName), "Hills.PAL");

    p = SplitCommandTail("/Hills");
    EXPECT_EQ(p.siteText, "");
    EXPECT_EQ(*p.paletteName, "Hills");

    p = SplitCommandTail("Black Combe /Hills.pal");  // the blank before "/" stays in the site
    EXPECT_EQ(p.siteText, "Black Combe ");
    EXPECT_EQ(WithPaletteExtension(*p.paletteName), "Hills.pal");

    p = SplitCommandTail("Scafell Pike");
    EXPECT_EQ(p.siteText, "Scafell Pike");
    EXPECT_FALSE(p.paletteName.has_value());

    EXPECT_EQ(WithPaletteExtension(""), ".PAL");
    EXPECT_EQ(CommandTail({"Black", "Combe/Hills"}), "Black Combe/Hills");
}

TEST(CommandTail, TailStartingWithSlashAsksInTerrainPlotButNotIn3D) {
    TempDir dir;
    WriteTextFile(dir.Path(), "Brelland.ini", {"/t/", "/s/", "600", ""});
    WriteTextFile(dir.Path(), "Hills.PAL", {"COLOR255=&hFFFFFF"});
    {
        FakeConsole fake("");
        auto start = StartUp(kColourMapTool, fake.con, "/Hills", dir.Path());
        ASSERT_TRUE(start.has_value());
        EXPECT_EQ(start->siteText, "");
        EXPECT_TRUE(start->askPosition);
        EXPECT_TRUE(start->paletteFound);
        EXPECT_EQ(start->config.paletteName, "Hills.PAL");
        EXPECT_EQ(start->palette[255], kWhite);
        EXPECT_EQ(start->palette[254], kBlack);
        EXPECT_NE(fake.out.str().find("Colour Palette  Hills.PAL\n"), std::string::npos);
    }
    {
        FakeConsole fake("");
        auto start = StartUp(kShadedViewTool, fake.con, "/Hills", dir.Path());
        ASSERT_TRUE(start.has_value());
        EXPECT_EQ(start->siteText, "");
        EXPECT_FALSE(start->askPosition);  // terrain3d then ends on the empty site text
    }
}

TEST(StartUpDialogue, BannerLayoutOfTerrainPlot) {
    TempDir dir;
    WriteTextFile(dir.Path(), "Brelland.ini", {"/t/", "/s/", "600", ""});
    FakeConsole fake("");
    auto start = StartUp(kColourMapTool, fake.con, "Keswick", dir.Path());
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->siteText, "Keswick");
    EXPECT_FALSE(start->askPosition);
    // Banner, empty line, the palette line's line end, no palette line (default), two empty lines.
    EXPECT_EQ(fake.out.str(), "Terrain Plot   Orvel July 2018\n\n\n\n\n");
}

TEST(StartUpDialogue, AnsiColoursOnlyOnATerminal) {
    TempDir dir;
    WriteTextFile(dir.Path(), "Corvanne.ini", {"/t/", "/s/", "600"});
    std::istringstream in;
    std::ostringstream out;
    Console ansi(in, out, true);
    ASSERT_TRUE(StartUp(kPlainTool, ansi, "", dir.Path()).has_value());
    EXPECT_EQ(out.str(),
              "\x1b[2J\x1b[H\x1b[93mVisible Terrain Plot   Orvel July 2018\n\x1b[37m\n\n");
}

}  // namespace
}  // namespace console
