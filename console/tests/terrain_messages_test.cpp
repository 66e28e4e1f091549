// The console tools' tile store: the height library's reports in the tools' own words and
// colours, and tile names found whatever their case.
#include "console/terrain_messages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <limits>
#include <sstream>

#include "console/hgt_tile_store.h"
#include "console/testing/test_support.h"

namespace console {
namespace {

using console::testing::TempDir;
using console::testing::WriteHgtTile;

// The console of a tool run without colours, as the tests of the programs see it.
struct Plain {
    std::istringstream in;
    std::ostringstream out;
    Console con{in, out, false};
};

// A console with colours, and the same lines printed by hand for comparison.
struct Coloured {
    std::istringstream in;
    std::ostringstream out, expected;
    Console con{in, out, true};
    Console reference{in, expected, true};
    void Warning(const std::string& line) {
        reference.SetColour(Colour::kLightMagenta);
        reference.PrintLine(line);
        reference.SetColour(Colour::kLightGrey);
    }
    void Line(const std::string& line) { reference.PrintLine(line); }
};

TEST(TerrainMessages, EveryEventInItsWordsAndColour) {
    Coloured c;
    TerrainMessages messages(c.con);
    messages.AreaLoadStarted();
    c.Warning("Loading Height data from SRTM files");
    messages.TileNotFound("tiles/N54W004.hgt");
    c.Line("No HDB for tiles/N54W004.hgt");
    messages.TileLoading("tiles/N54W003.hgt");
    c.Line("tiles/N54W003.hgt");
    messages.TileSkipped();
    c.Line("Skipped");
    messages.NoHeightFile();
    c.Line("No Height file for this location");
    messages.TileUnreadable("tiles/N11E010.hgt");
    c.Warning("Height file tiles/N11E010.hgt is short or unreadable: taken as sea level");
    messages.OneArcSecondTile("tiles/N54W003.hgt");
    c.Line("1 arc-second tile N54W003.hgt");
    messages.HeightOutOfRange("tiles/N54W004.hgt", 20, 12, 12000);
    c.Warning("Height 12000  in tiles/N54W004.hgt  col 20  row 12");
    messages.MoreHeightsOutOfRange("tiles/N54W004.hgt", 1442396);
    c.Warning("1442396 more heights out of range in tiles/N54W004.hgt");
    SCOPED_TRACE("a corrupt path's control bytes are shown escaped, never sent to the terminal");
    messages.TileLoading("tiles/\x1b[31mN54\aW003.hgt");
    c.Line("tiles/\\x1b[31mN54\\x07W003.hgt");
    EXPECT_EQ(c.out.str(), c.expected.str());
}

TEST(TerrainMessages, EachRefusalHasItsLine) {
    using terrain::AreaRefusalReason;
    EXPECT_EQ(AreaRefusalLine({AreaRefusalReason::kNoTileCount, 0, 0, 8, 5}),
              "Area too large: at most 8 x 5 tiles fit");
    EXPECT_EQ(AreaRefusalLine({AreaRefusalReason::kTooManyTiles, 10, 2, 8, 5}),
              "Area too large: it needs 10 x 2 tiles, at most 8 x 5 fit");
    EXPECT_EQ(AreaRefusalLine({AreaRefusalReason::kTooManyOneArcSecondTiles, 3, 2, 8, 5}),
              "Area too large for 1 arc-second heights: it needs 3 x 2 tiles of 3601 x 3601 "
              "samples, more than the height grid holds");
}

TEST(HgtTileStore, TileFoundWhateverItsCaseAndFolderSeparator) {
    TempDir dir;
    Plain p;
    HgtTileStore store(dir.Folder(), p.con);
    EXPECT_EQ(store.TileFileName(54.5, -3.5), "");
    EXPECT_EQ(p.out.str(), "No HDB for " + dir.Folder() + "N54W004.hgt\n");

    WriteHgtTile(dir.Path(), "n54w004.HGT", [](int, int) { return 1; });
    EXPECT_EQ(store.TileFileName(54.5, -3.5), dir.Folder() + "n54w004.HGT");
    // A folder typed with "\" separators is found too.
    HgtTileStore backslashes(dir.Path().string() + "\\", p.con);
    EXPECT_EQ(backslashes.TileFileName(54.5, -3.5), dir.Folder() + "n54w004.HGT");
    EXPECT_EQ(backslashes.PointHeight(54.5, -3.5), 1);
    // A folder of the tile's name is no tile.
    std::filesystem::create_directory(dir / "N55W004.hgt");
    EXPECT_FALSE(store.LoadTile(dir.Folder() + "N55W004.hgt"));
}

TEST(HgtTileStore, MessagesOfTilesAndPointsAsTheToolsPrintThem) {
    TempDir dir;
    const auto file = WriteHgtTile(dir.Path(), "N54W004.hgt",
                                   [](int r, int c) { return r == 12 && c == 20 ? 12000 : 5; });
    std::ofstream(dir / "N11E010.hgt", std::ios::binary) << std::string(1000, '\x01');
    Plain p;
    HgtTileStore store(dir.Folder(), p.con);
    EXPECT_TRUE(store.LoadTile(file.string()));
    EXPECT_FALSE(store.LoadTile(dir.Folder() + "N10E010.hgt"));
    EXPECT_FALSE(store.LoadTile(dir.Folder() + "N11E010.hgt"));
    std::int32_t height = 123;
    store.PointHeight(10.5, 10.5, height);
    EXPECT_EQ(height, 123);
    EXPECT_EQ(p.out.str(), "Height 12000  in " + file.string() +
                               "  col 20  row 12\n"
                               "No Height file for this location\n"
                               "Height file " +
                               dir.Folder() +
                               "N11E010.hgt is short or unreadable: taken as sea level\n"
                               "No HDB for " +
                               dir.Folder() + "N10E010.hgt\nNo Height file for this location\n");
}

TEST(HgtTileStore, AreaMessagesInOrder) {
    TempDir dir;
    WriteHgtTile(dir.Path(), "N54W004.hgt", [](int, int c) { return c; });
    WriteHgtTile(
        dir.Path(), "N54W003.hgt", [](int, int) { return 7; }, terrain::kOneArcSecondTile);
    Plain p;
    HgtTileStore store(dir.Folder(), p.con);
    EXPECT_FALSE(store.LoadArea(-3.5, 54.5, -1.5, 54.6).Refused());
    EXPECT_EQ(p.out.str(), "Loading Height data from SRTM files\n" + dir.Folder() +
                               "N54W004.hgt\n" + dir.Folder() +
                               "N54W003.hgt\n1 arc-second tile N54W003.hgt\nNo HDB for " +
                               dir.Folder() + "N54W002.hgt\nSkipped\n");
}

TEST(HgtTileStore, PositionsAndAreasWithoutATileNeverShowAnOverflowedNumber) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const auto& [lat, lon] : {std::pair{inf, 0.0}, std::pair{0.0, -1e19}}) {
        SCOPED_TRACE(::testing::Message() << lat << " " << lon);
        TempDir dir;
        Plain p;
        HgtTileStore store(dir.Folder(), p.con);
        store.PointHeight(lat, lon);
        EXPECT_EQ(p.out.str(), "No Height file for this location\n");
        p.out.str("");
        EXPECT_TRUE(store.LoadArea(lon, lat, lon + 1, lat + 1).Refused());
        EXPECT_EQ(p.out.str(),
                  "Loading Height data from SRTM files\nArea too large: at most 8 x 5 tiles fit\n");
    }
}

}  // namespace
}  // namespace console
