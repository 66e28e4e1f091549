#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "console/console_constants.h"
#include "console/hgt_tile_store.h"
#include "console/testing/test_support.h"
#include "testing/real_data.h"

namespace console {
namespace {

using console::testing::TempDir;
using console::testing::WriteHgtTile;

struct Quiet {
    std::istringstream in;
    std::ostringstream out;
    Console con{in, out, false};
};

TEST(TileNames, NamesTheTileThatCoversThePosition) {
    EXPECT_EQ(HgtTileStore::TileName(51.5, -1.5), "N51W002.hgt");
    EXPECT_EQ(HgtTileStore::TileName(-0.5, 0.5), "S01E000.hgt");
    EXPECT_EQ(HgtTileStore::TileName(-2 + kTileCornerNudge_deg, -3 + kTileCornerNudge_deg),
              "S02W003.hgt");
    // A negative whole degree names the tile west of it, hence the corner nudge above.
    EXPECT_EQ(HgtTileStore::TileName(54.0, -3.0), "N54W004.hgt");
    EXPECT_EQ(HgtTileStore::TileName(5.2, 123.9), "N05E123.hgt");
}

TEST(TileNames, MissingFileIsReportedWithItsFullName) {
    TempDir dir;
    Quiet q;
    HgtTileStore store(dir.Folder(), q.con);
    EXPECT_EQ(store.TileFileName(54.5, -3.5), "");
    EXPECT_EQ(q.out.str(), "No HDB for " + dir.Folder() + "N54W004.hgt\n");

    // Found whatever the case of the file's name.
    WriteHgtTile(dir.Path(), "n54w004.HGT", [](int, int) { return 1; });
    EXPECT_EQ(store.TileFileName(54.5, -3.5), dir.Folder() + "n54w004.HGT");

    // A folder typed with "\" separators is found too.
    HgtTileStore backslashes(dir.Path().string() + "\\", q.con);
    EXPECT_EQ(backslashes.TileFileName(54.5, -3.5), dir.Folder() + "n54w004.HGT");
    EXPECT_EQ(backslashes.PointHeight(54.5, -3.5), 1);
}

// A tile whose samples encode their position, with a void, a -5 and a spike.
int Pattern(int row, int column) {
    if (row == 10 && column == 20) return -32768;
    if (row == 11 && column == 20) return -5;
    if (row == 12 && column == 20) return 12000;
    return (row * 7 + column * 3) % 1000;
}

TEST(LoadTile, StoresRowsFromTheSouthAndTurnsVoidsToSeaLevel) {
    TempDir dir;
    auto file = WriteHgtTile(dir.Path(), "N54W004.hgt", Pattern);
    Quiet q;
    HgtTileStore store(dir.Folder(), q.con);
    ASSERT_TRUE(store.LoadTile(file.string()));
    // File row r is buffer row 1200 - r.
    EXPECT_EQ(store.Tile().At(0, 1200), Pattern(0, 0));
    EXPECT_EQ(store.Tile().At(1200, 0), Pattern(1200, 1200));
    EXPECT_EQ(store.Tile().At(37, 1200 - 500), Pattern(500, 37));
    EXPECT_EQ(store.Tile().At(20, 1190), 0);      // void
    EXPECT_EQ(store.Tile().At(20, 1189), -5);     // kept
    EXPECT_EQ(store.Tile().At(20, 1188), 12000);  // kept, with a warning
    EXPECT_NE(q.out.str().find("12000"), std::string::npos);
    EXPECT_NE(q.out.str().find("N54W004.hgt"), std::string::npos);
}

TEST(LoadTile, ToolDecodings) {
    TempDir dir;
    auto file = WriteHgtTile(dir.Path(), "N54W004.hgt", Pattern);
    Quiet q;
    // Only the void marker turns into sea level; heights beyond +-10000 m warn.
    constexpr TileDecoding kOnlyVoidToZero{kVoidSample + 1, 0, 10000, -10000};
    HgtTileStore store(dir.Folder(), q.con, kDefaultAreaCapacity, kOnlyVoidToZero);
    ASSERT_TRUE(store.LoadTile(file.string()));
    EXPECT_EQ(store.Tile().At(20, 1190), 0);
    EXPECT_EQ(store.Tile().At(20, 1189), -5);
    // The void read as the unsigned sample it is, without warnings.
    constexpr TileDecoding kVoidAsUnsigned{kVoidSample + 1, 32768,
                                           std::numeric_limits<std::int32_t>::max(),
                                           std::numeric_limits<std::int32_t>::min()};
    q.out.str("");
    ASSERT_TRUE(store.LoadTile(file.string(), kVoidAsUnsigned));
    EXPECT_EQ(store.Tile().At(20, 1190), 32768);  // the void reads as +32768 there
    EXPECT_EQ(store.Tile().At(20, 1188), 12000);
    EXPECT_EQ(q.out.str(), "");
}

TEST(LoadTile, MissingOrShortFiles) {
    TempDir dir;
    Quiet q;
    HgtTileStore store(dir.Folder(), q.con);
    store.Tile().Set(5, 5, 77);
    EXPECT_FALSE(store.LoadTile(dir.Folder() + "N10E010.hgt"));
    EXPECT_EQ(q.out.str(), "No Height file for this location\n");
    EXPECT_EQ(store.Tile().At(5, 5), 77);  // a missing file leaves the buffer as it was

    {
        std::ofstream shortFile(dir / "N11E010.hgt", std::ios::binary);
        shortFile << std::string(1000, '\x01');
    }
    EXPECT_FALSE(store.LoadTile(dir.Folder() + "N11E010.hgt"));
    EXPECT_NE(q.out.str().find("N11E010.hgt is short"), std::string::npos);
    EXPECT_EQ(store.Tile().At(5, 5), 0);  // a short file reads as sea level, never past its end
    EXPECT_EQ(store.Tile().At(0, 1200), 0);
}

TEST(PointHeight, NearestSampleReadFromTheFile) {
    TempDir dir;
    WriteHgtTile(dir.Path(), "N51W002.hgt", Pattern);
    Quiet q;
    HgtTileStore store(dir.Folder(), q.con);
    // Latitude 51.0, longitude -1.0 exactly: r = 0, c = 1200 - 0: the south-east corner sample.
    EXPECT_EQ(store.PointHeight(51.0, -1.0), Pattern(1200, 1200));
    // 51.5 N 1.25 W: r = 600, c = 1200 - 300 = 900: file row 600, column 900.
    EXPECT_EQ(store.PointHeight(51.5, -1.25), Pattern(600, 900));
    // The void reads 0, -5 stays -5 (file rows 10 and 11, column 20 from the west).
    double lonCol20 = -2.0 + 20.0 / 1200;
    EXPECT_EQ(store.PointHeight(52.0 - 10.0 / 1200, lonCol20), 0);
    EXPECT_EQ(store.PointHeight(52.0 - 11.0 / 1200, lonCol20), -5);

    std::int32_t height = 123;
    store.PointHeight(10.5, 10.5, height);  // no such tile: unchanged
    EXPECT_EQ(height, 123);
    EXPECT_NE(q.out.str().find("No Height file for this location"), std::string::npos);
    // The tile is named as everywhere else, so its full name is reported first.
    EXPECT_EQ(q.out.str(),
              "No HDB for " + dir.Folder() + "N10E010.hgt\nNo Height file for this location\n");
}

TEST(PointHeight, ShortFileActsAsMissing) {
    TempDir dir;
    {
        std::ofstream shortFile(dir / "N51W002.hgt", std::ios::binary);
        shortFile << std::string(2884800, '\x01');
    }
    Quiet q;
    HgtTileStore store(dir.Folder(), q.con);
    EXPECT_FALSE(store.PointHeight(51.9, -1.9).has_value());
}

TEST(LoadArea, TwoTilesSideBySideWithTheirMaximum) {
    TempDir dir;
    // West tile: height = column; east tile: 2000 + column, with its peak at row 100, column 50.
    WriteHgtTile(dir.Path(), "N54W004.hgt", [](int, int c) { return c; });
    WriteHgtTile(dir.Path(), "N54W003.hgt",
                 [](int r, int c) { return (r == 100 && c == 50) ? 2500 : 2000 + c % 100; });
    Quiet q;
    HgtTileStore store(dir.Folder(), q.con, kDefaultAreaCapacity);
    auto result = store.LoadArea(-3.5, 54.25, -2.5, 54.75);
    ASSERT_FALSE(result.refused);
    EXPECT_EQ(result.tilesLoaded, 2);
    EXPECT_EQ(result.x0, 600);  // 1200 x frac(-3.5) = -600, + 1200
    EXPECT_EQ(result.y0, 300);
    EXPECT_EQ(result.maxHeight_m, 2500);
    EXPECT_DOUBLE_EQ(result.maxLatitude_deg, 54.0 + 1100.0 / 1200);
    EXPECT_DOUBLE_EQ(result.maxLongitude_deg, -3.0 + 50.0 / 1200);
    EXPECT_EQ(result.maxTile, dir.Folder() + "N54W003.hgt");
    // Column 0 and row 0 of each tile are not copied.
    EXPECT_EQ(store.Area().At(0, 500), 0);
    EXPECT_EQ(store.Area().At(700, 0), 0);
    EXPECT_EQ(store.Area().At(700, 600), 700);
    EXPECT_EQ(store.Area().At(1200, 600), 1200);  // shared column from the western tile...
    EXPECT_EQ(store.Area().At(1201, 600), 2001);  // ...then the eastern tile
    EXPECT_EQ(store.Area().At(1250, 1100), 2500);
    std::string out = q.out.str();
    EXPECT_EQ(out.find("Loading Height data from SRTM files\n"), 0u);
    EXPECT_NE(out.find(dir.Folder() + "N54W004.hgt\n"), std::string::npos);
}

TEST(LoadArea, TiedMaximumIsTheFirstFoundColumnByColumn) {
    TempDir dir;
    // 900 m at three places: file row 1000 column 40 (tile row 200), file row 10 column 40 (tile
    // row 1190) and file row 5 column 700. Column 0 and tile row 0 (file row 1200), which are not
    // copied, hold more. Column by column, the western column wins, then its southern row.
    WriteHgtTile(dir.Path(), "N54W004.hgt", [](int r, int c) {
        if (c == 0 || r == 1200) return 3000;
        if ((c == 40 && (r == 1000 || r == 10)) || (c == 700 && r == 5)) return 900;
        return (r + c) % 500;
    });
    Quiet q;
    HgtTileStore store(dir.Folder(), q.con, kDefaultAreaCapacity);
    const AreaLoadResult result = store.LoadArea(-3.9, 54.1, -3.1, 54.9);
    ASSERT_EQ(result.tilesLoaded, 1);
    EXPECT_EQ(result.maxHeight_m, 900);
    EXPECT_DOUBLE_EQ(result.maxLatitude_deg, 54.0 + 200.0 / 1200);
    EXPECT_DOUBLE_EQ(result.maxLongitude_deg, -4.0 + 40.0 / 1200);
}

TEST(LoadArea, MissingTileIsSkippedAndAreaInsideOneTileKeepsItsWholeMaximum) {
    TempDir dir;
    WriteHgtTile(dir.Path(), "N54W004.hgt",
                 [](int r, int c) { return (r == 5 && c == 5) ? 900 : 1; });
    Quiet q;
    HgtTileStore store(dir.Folder(), q.con, kDefaultAreaCapacity);
    auto one = store.LoadArea(-3.6, 54.4, -3.4, 54.6);
    EXPECT_EQ(one.tilesLoaded, 1);
    EXPECT_EQ(one.maxHeight_m, 900);  // far outside the requested area, still counted

    auto two = store.LoadArea(-3.5, 54.5, -2.5, 54.6);
    EXPECT_EQ(two.tilesLoaded, 1);
    EXPECT_NE(q.out.str().find("No HDB for " + dir.Folder() + "N54W003.hgt\nSkipped\n"),
              std::string::npos);
    EXPECT_EQ(store.Area().At(1300, 600), 0);
}

TEST(LoadArea, TooManyTilesIsRefusedBeforeLoading) {
    TempDir dir;
    Quiet q;
    HgtTileStore store(dir.Folder(), q.con, kDefaultAreaCapacity);
    auto result = store.LoadArea(-9.5, 50.5, -0.5, 51.5);  // 10 tiles east-west, 8 fit
    EXPECT_TRUE(result.refused);
    EXPECT_EQ(result.tilesLoaded, 0);
    EXPECT_EQ(q.out.str().find("No HDB"), std::string::npos);
    EXPECT_NE(q.out.str().find("Area too large"), std::string::npos);
    EXPECT_FALSE(store.LoadArea(-7.5, 50.5, -0.5, 54.5).refused);  // 8 x 5 fit exactly
}

// --- 1 arc-second tiles -------------------------------------------------------------------------

using console::testing::WriteOneArcSecondTwin;

// A 3 arc-second landscape with one peak at file row 100, column 50 of N54W003.hgt.
int Ridge(int r, int c) {
    return (r == 100 && c == 50) ? 2500 : 2000 + (r + c) % 100;
}

TEST(OneArcSecond, RefinedTileGivesTheSameMaximumAtTheSamePlace) {
    TempDir coarse, fine;
    WriteHgtTile(coarse.Path(), "N54W003.hgt", Ridge);
    WriteOneArcSecondTwin(fine.Path(), "N54W003.hgt", Ridge);
    Quiet q3, q1;
    HgtTileStore store3(coarse.Folder(), q3.con, kDefaultAreaCapacity);
    HgtTileStore store1(fine.Folder(), q1.con, kDefaultAreaCapacity);
    const AreaLoadResult a3 = store3.LoadArea(-2.7, 54.25, -2.2, 54.75, TileDetail::kFinest);
    const AreaLoadResult a1 = store1.LoadArea(-2.7, 54.25, -2.2, 54.75, TileDetail::kFinest);
    ASSERT_FALSE(a1.refused);
    EXPECT_EQ(a3.samplesPerDegree, 1200);
    EXPECT_EQ(a1.samplesPerDegree, 3600);
    EXPECT_EQ(a1.maxHeight_m, 2500);
    EXPECT_EQ(a1.maxHeight_m, a3.maxHeight_m);
    EXPECT_DOUBLE_EQ(a1.maxLatitude_deg, a3.maxLatitude_deg);
    EXPECT_DOUBLE_EQ(a1.maxLongitude_deg, a3.maxLongitude_deg);
    // The corner offsets three times finer: 3600 x frac(-2.7) = -2520, + 3600.
    EXPECT_EQ(a3.x0, 360);
    EXPECT_EQ(a1.x0, 1080);
    EXPECT_EQ(a1.y0, 3 * a3.y0);
    // The lattices coincide: 1 arc-second cell (3i, 3j) is 3 arc-second cell (i, j).
    for (int i : {1, 50, 777, 1200})
        for (int j : {1, 333, 1100, 1200}) {
            SCOPED_TRACE("cell " + std::to_string(i) + ", " + std::to_string(j));
            EXPECT_EQ(store1.Area().At(3 * i, 3 * j), store3.Area().At(i, j));
        }
    EXPECT_NE(q1.out.str().find("1 arc-second tile N54W003.hgt\n"), std::string::npos);
    EXPECT_EQ(q3.out.str().find("arc-second"), std::string::npos);
}

TEST(OneArcSecond, TakenAtThreeArcSecondsItIsItsTwin) {
    TempDir coarse, fine;
    WriteHgtTile(coarse.Path(), "N54W003.hgt", Ridge);
    WriteOneArcSecondTwin(fine.Path(), "N54W003.hgt", Ridge);
    Quiet q;
    HgtTileStore store3(coarse.Folder(), q.con);
    HgtTileStore store1(fine.Folder(), q.con);
    ASSERT_TRUE(store3.LoadTile(coarse.Folder() + "N54W003.hgt"));
    ASSERT_TRUE(store1.LoadTile(fine.Folder() + "N54W003.hgt"));  // every third sample
    EXPECT_EQ(store1.Tile().Side(), 1201);
    EXPECT_TRUE(
        std::equal(store1.Tile().Data(), store1.Tile().Data() + 1201 * 1201, store3.Tile().Data()));
    ASSERT_TRUE(
        store1.LoadTile(fine.Folder() + "N54W003.hgt", kVoidsToSeaLevel, TileDetail::kFinest));
    EXPECT_EQ(store1.Tile().Side(), 3601);
    EXPECT_EQ(store1.Tile().At(150, 3600 - 300), 2500);  // the peak, north-east of its lattice
    EXPECT_EQ(store1.Tile().At(152, 3600 - 300), 2500);  // point, repeated
}

TEST(OneArcSecond, MixedAreaIsLoadedAtThreeArcSeconds) {
    TempDir mixed, coarse;
    // West tile 1 arc-second, east tile 3 arc-second.
    WriteOneArcSecondTwin(mixed.Path(), "N54W004.hgt", [](int, int c) { return c; });
    WriteHgtTile(mixed.Path(), "N54W003.hgt", Ridge);
    WriteHgtTile(coarse.Path(), "N54W004.hgt", [](int, int c) { return c; });
    WriteHgtTile(coarse.Path(), "N54W003.hgt", Ridge);
    Quiet q, q3;
    HgtTileStore store(mixed.Folder(), q.con, kDefaultAreaCapacity);
    HgtTileStore store3(coarse.Folder(), q3.con, kDefaultAreaCapacity);
    const AreaLoadResult a = store.LoadArea(-3.5, 54.25, -2.5, 54.75, TileDetail::kFinest);
    const AreaLoadResult a3 = store3.LoadArea(-3.5, 54.25, -2.5, 54.75, TileDetail::kFinest);
    EXPECT_EQ(a.samplesPerDegree, 1200);
    EXPECT_EQ(a.maxHeight_m, a3.maxHeight_m);
    EXPECT_DOUBLE_EQ(a.maxLongitude_deg, a3.maxLongitude_deg);
    for (int x : {1, 600, 1200, 1201, 2400})
        for (int y : {1, 600, 1200}) EXPECT_EQ(store.Area().At(x, y), store3.Area().At(x, y));
    EXPECT_NE(q.out.str().find("1 arc-second tile N54W004.hgt\n"), std::string::npos);
}

TEST(OneArcSecond, AreaTooLargeAtOneArcSecondIsRefused) {
    TempDir dir;
    // Only the size tells the format, and the refusal comes before any tile is read: empty
    // files of the right size stand in for six 26 MB tiles.
    for (const char* name : {"N54W004.hgt", "N54W003.hgt", "N54W002.hgt", "N55W004.hgt",
                             "N55W003.hgt", "N55W002.hgt"}) {
        std::ofstream(dir / name, std::ios::binary).close();
        std::filesystem::resize_file(dir / name, kOneArcSecondTile.fileBytes);
    }
    Quiet q;
    HgtTileStore store(dir.Folder(), q.con, kDefaultAreaCapacity);
    const AreaLoadResult result = store.LoadArea(-3.5, 54.5, -1.5, 55.5, TileDetail::kFinest);
    EXPECT_TRUE(result.refused);
    EXPECT_NE(q.out.str().find("Area too large for 1 arc-second heights: it needs 3 x 2 tiles"),
              std::string::npos);
    EXPECT_EQ(q.out.str().find("N54W004.hgt\n"), std::string::npos);  // nothing loaded
    // At 3 arc-seconds the same six tiles fit, each taken every third sample.
    EXPECT_FALSE(store.LoadArea(-3.5, 54.5, -1.5, 55.5).refused);
}

TEST(OneArcSecond, PointHeightAtTheTilesOwnSpacing) {
    TempDir dir;
    // Heights that tell row and column apart: 10 r + c % 10 (r, c of the 3601 x 3601 file).
    WriteHgtTile(
        dir.Path(), "N54W004.hgt", [](int r, int c) { return (10 * r + c % 10) % 30000; }, 3601);
    Quiet q;
    HgtTileStore store(dir.Folder(), q.con);
    // 54 N 3 W exactly: r = 0, c = 3600: the south-east corner, file row 3600, column 3600.
    EXPECT_EQ(store.PointHeight(54.0, -3.0), (36000 + 0) % 30000);
    // One second north and two west of it: file row 3599, column 3598.
    EXPECT_EQ(store.PointHeight(54.0 + 1.0 / 3600, -3.0 - 2.0 / 3600), (35990 + 8) % 30000);
    // Rounded to the nearest 1 arc-second sample, not the 3 arc-second one.
    EXPECT_EQ(store.PointHeight(54.0 + 1.4 / 3600, -3.0 - 1.6 / 3600), (35990 + 8) % 30000);
}

TEST(AreaGrid, OutsideTheCapacityReadsZeroAndWritesNothing) {
    AreaGrid grid({10, 5});
    grid.Set(9, 4, 7);
    grid.Set(10, 4, 8);
    grid.Set(-1, 0, 9);
    EXPECT_EQ(grid.At(9, 4), 7);
    EXPECT_EQ(grid.At(10, 4), 0);
    EXPECT_EQ(grid.At(-1, 0), 0);
    EXPECT_EQ(grid.Row(5), nullptr);
    grid.Clear();
    EXPECT_EQ(grid.At(9, 4), 0);
}

TEST(AreaGrid, RowsAreCopiedWithTheirEndsOutsideTheCapacityDropped) {
    AreaGrid grid({10, 5});
    const std::int32_t values[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    grid.SetRow(-2, 1, values, 14);  // x = -2 ... 11: the first two and the last two dropped
    grid.SetRow(3, 5, values, 4);    // a row outside: nothing
    grid.SetRow(12, 2, values, 4);   // wholly east of the grid: nothing
    EXPECT_EQ(grid.At(0, 1), 3);
    EXPECT_EQ(grid.At(9, 1), 12);
    EXPECT_EQ(grid.At(0, 2), 0);
    EXPECT_EQ(grid.At(9, 4), 0);
    grid.SetRow(7, 4, values, 2);
    EXPECT_EQ(grid.At(8, 4), 2);
    // Clear reaches every cell the rows wrote.
    grid.Clear();
    for (int y = 0; y < grid.Rows(); ++y)
        for (int x = 0; x < grid.Columns(); ++x) ASSERT_EQ(grid.At(x, y), 0) << x << " " << y;
}

}  // namespace
}  // namespace console

namespace console {
namespace {

TEST(RealTiles, ScafellPikeIsTheHighestSampleOfN54W004) {
    TORMARK_SKIP_WITHOUT_REAL_DATA("srtm3/N54W004.hgt");
    const std::string folder = realdata::Path("srtm3").string() + "/";
    Quiet q;
    HgtTileStore store(folder, q.con, kDefaultAreaCapacity);
    EXPECT_EQ(store.PointHeight(55.0 - 655.0 / 1200, -4.0 + 946.0 / 1200), 971);
    auto area = store.LoadArea(-3.4, 54.3, -3.1, 54.6);
    EXPECT_EQ(area.maxHeight_m, 971);
    EXPECT_NEAR(area.maxLatitude_deg, 54.454167, 1e-6);
    EXPECT_NEAR(area.maxLongitude_deg, -3.211667, 1e-6);
}

}  // namespace
}  // namespace console
