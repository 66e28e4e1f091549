// The console tools read their files as written: any line end (CR alone too) in the site file,
// the configuration and the palette; one configuration file read and written whatever spellings
// of its name the folder holds; a warning about the window size printed where it can be read.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "console/palette.h"
#include "console/position_entry.h"
#include "console/testing/test_support.h"
#include "console/tool_config.h"

namespace console {
namespace {

using console::testing::ReadFile;
using console::testing::TempDir;

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

struct ScriptedConsole {
    explicit ScriptedConsole(std::string answers, bool ansi = false)
        : in(std::move(answers)), con(in, out, ansi) {}
    std::istringstream in;
    std::ostringstream out;
    Console con;
};

constexpr ToolProfile kMapTool{
    .banner = "Terrain Plot   Orvel July 2018",
    .configFile = ConfigFile::kBrelland,
    .palette = PaletteUse::kColourMap,
};

// Every reader of the tools takes CR alone as a line end, as the window program does.
TEST(FilesAsWritten, CarriageReturnAloneEndsALine) {
    TempDir dir;
    WriteBytes(dir.Path() / "SITES.DAT", "Alpha~NY3000 2000\rBeta~IO84KO\rGamma~SU1234 5678\r");
    ScriptedConsole quiet("");
    const std::string folder = dir.Path().string() + "/";
    for (const char* name : {"alpha", "beta", "gamma"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(ResolvePosition(name, folder, quiet.con).found);
    }
    const auto nearest = NearestSite(geodesy::ParseLocatorCorner("IO84KO").lat_deg,
                                     geodesy::ParseLocatorCorner("IO84KO").lon_deg, folder);
    ASSERT_TRUE(nearest.has_value());
    EXPECT_EQ(nearest->name, "Beta");

    WriteBytes(dir.Path() / "Brelland.ini", "/tiles/\r/sites/\r750\rHills.pal\r");
    const auto config =
        ReadConfigFile((dir.Path() / "Brelland.ini").string(), ConfigFile::kBrelland);
    ASSERT_TRUE(config.has_value());
    EXPECT_EQ(config->heightPath, "/tiles/");
    EXPECT_EQ(config->sitesPath, "/sites/");
    EXPECT_EQ(config->windowSize, 750);
    EXPECT_EQ(config->paletteName, "Hills.pal");

    WriteBytes(dir.Path() / "CR.PAL", "COLOR001=&h0000FF\rCOLOR002=&hFF0000\r");
    const auto palette = ReadPaletteFile((dir.Path() / "CR.PAL").string());
    ASSERT_TRUE(palette.has_value());
    EXPECT_EQ((*palette)[1], kPureRed);
    EXPECT_EQ((*palette)[2], kPureBlue);
}

// Two spellings of the configuration file: the tool reads and writes the same one, the exact
// name when it exists, otherwise the first spelling in name order.
TEST(FilesAsWritten, OneConfigurationFileWhateverItsSpellings) {
    struct Case {
        std::vector<std::string> names;  // the first is the one the tool uses
    };
    const Case cases[] = {
        {{"Brelland.ini", "BRELLAND.INI"}},
        {{"BRELLAND.INI", "brelland.ini"}},
        {{"Brelland.INI", "brelland.ini", "bRELLAND.ini"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.names.front());
        TempDir dir;
        for (std::size_t i = 0; i < c.names.size(); ++i)
            WriteBytes(dir.Path() / c.names[i],
                       "/tiles" + std::to_string(i) + "/\r\n/sites/\r\n600\r\n\r\n");
        ScriptedConsole fake("");
        auto start = StartUp(kMapTool, fake.con, "", dir.Path());
        ASSERT_TRUE(start.has_value());
        EXPECT_EQ(start->config.heightPath, "/tiles0/");
        start->config.windowSize = 800;
        ASSERT_TRUE(FinishRun(kMapTool, start->config, fake.con, dir.Path()));
        EXPECT_NE(ReadFile(dir.Path() / c.names[0]).find("800"), std::string::npos);
        for (std::size_t i = 1; i < c.names.size(); ++i)
            EXPECT_EQ(ReadFile(dir.Path() / c.names[i]).find("800"), std::string::npos);
    }
}

// A FIFO named as the configuration would block the run for ever if it were opened: it is taken
// as no configuration (the questions are asked). Nothing reads it at the end either, so the
// answers are not written, and the FIFO is never renamed over.
TEST(FilesAsWritten, AConfigurationThatIsNotARegularFileIsNeverOpened) {
    TempDir dir;
    const std::filesystem::path fifo = dir.Path() / "Brelland.ini";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(ReadConfigFile(fifo.string(), ConfigFile::kBrelland));
    ScriptedConsole fake("/tiles/\n/sites/\n700\n");
    auto start = StartUp(kMapTool, fake.con, "", dir.Path());
    ASSERT_TRUE(start.has_value());
    EXPECT_EQ(start->config.heightPath, "/tiles/");
    EXPECT_EQ(start->config.windowSize, 700);
    EXPECT_FALSE(FinishRun(kMapTool, start->config, fake.con, dir.Path()));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
}

TEST(FilesAsWritten, WindowSizeWarningComesAfterTheClearScreen) {
    for (const char* size : {"-20", "99999"}) {
        SCOPED_TRACE(size);
        TempDir dir;
        WriteBytes(dir.Path() / "Brelland.ini", std::string("/t/\r\n/s/\r\n") + size + "\r\n");
        ScriptedConsole terminal("", true);
        ASSERT_TRUE(StartUp(kMapTool, terminal.con, "", dir.Path()).has_value());
        const std::string out = terminal.out.str();
        const std::size_t clear = out.find("\x1b[2J");
        const std::size_t warning = out.find("Plot window size");
        ASSERT_NE(clear, std::string::npos);
        ASSERT_NE(warning, std::string::npos);
        EXPECT_GT(warning, clear);
    }
}

}  // namespace
}  // namespace console
