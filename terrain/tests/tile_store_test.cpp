// The tile store over a folder of generated .hgt files: whole tiles, single samples and areas,
// with the values it gives and the events it reports.
#include "terrain/tile_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>

#include "recording_diagnostics.h"
#include "terrain/hgt_folder.h"
#include "terrain/testing/hgt_fixture.h"
#include "testing/real_data.h"

namespace terrain {
namespace {

using testing::RecordingDiagnostics;
using testing::TempDir;
using testing::WriteHgtFile;

constexpr int n = kThreeArcSecondTile.samplesPerDegree;

// A store over `folder` whose events can be read back.
struct Store {
    explicit Store(const std::string& folder, AreaCapacity capacity = kDefaultAreaCapacity,
                   TileDecoding decoding = kVoidsToSeaLevel)
        : store(std::make_unique<HgtFolder>(folder), std::make_unique<RecordingDiagnostics>(),
                capacity, decoding),
          events(static_cast<RecordingDiagnostics&>(store.Reports()).events),
          refusals(static_cast<RecordingDiagnostics&>(store.Reports()).refusals) {}
    TileStore store;
    std::vector<std::string>& events;
    std::vector<AreaRefusal>& refusals;
};

// A tile whose samples encode their position, with a void, a -5 and a spike.
int Pattern(int row, int column) {
    if (row == 10 && column == 20) return kVoidSample;
    if (row == 11 && column == 20) return -5;
    if (row == 12 && column == 20) return 12000;
    return (row * 7 + column * 3) % 1000;
}

TEST(TileStoreTiles, FoundTileIsNamedMissingOneReportedWithItsFullName) {
    TempDir dir;
    Store s(dir.Folder());
    EXPECT_EQ(s.store.TileFileName(54.5, -3.5), "");
    EXPECT_EQ(s.events, std::vector<std::string>{"not found " + dir.Folder() + "N54W004.hgt"});
    WriteHgtFile(dir.Path(), "N54W004.hgt", [](int, int) { return 1; });
    EXPECT_EQ(s.store.TileFileName(54.5, -3.5), dir.Folder() + "N54W004.hgt");
    EXPECT_EQ(s.store.TileFileName(TileCorner{54, -4}), dir.Folder() + "N54W004.hgt");
    // A position that names no tile is silent.
    s.events.clear();
    EXPECT_EQ(s.store.TileFileName(std::numeric_limits<double>::quiet_NaN(), 0), "");
    EXPECT_TRUE(s.events.empty());
}

TEST(TileStoreTiles, LoadTileDecodesByTheStoresRuleAndWarnsInOrder) {
    TempDir dir;
    const auto file = WriteHgtFile(dir.Path(), "N54W004.hgt", Pattern);
    Store s(dir.Folder());
    ASSERT_TRUE(s.store.LoadTile(file.string()));
    EXPECT_EQ(s.store.Tile().At(20, n - 10), 0);  // void
    EXPECT_EQ(s.store.Tile().At(20, n - 11), -5);
    EXPECT_EQ(s.store.Tile().At(20, n - 12), 12000);
    EXPECT_EQ(s.events, std::vector<std::string>{"out of range " + file.string() + " 20 12 12000"});
    // Another rule for one read.
    constexpr TileDecoding kOnlyVoid{kVoidSample + 1, 7, 20000, -20000};
    ASSERT_TRUE(s.store.LoadTile(file.string(), kOnlyVoid));
    EXPECT_EQ(s.store.Tile().At(20, n - 10), 7);
}

// A tile of nothing but 0x7FFF printed 1,442,401 warning lines (105 MB) before the count was
// kept: the first few are told one by one, then the rest in one event.
TEST(TileStoreTiles, ACorruptTileWarnsOfItsFirstFewHeightsThenCountsTheRest) {
    TempDir dir;
    constexpr int kAllOnes = 0x7FFF;
    const auto file = WriteHgtFile(dir.Path(), "N54W004.hgt", [](int, int) { return kAllOnes; });
    Store s(dir.Folder());
    ASSERT_TRUE(s.store.LoadTile(file.string()));
    const std::int64_t samples = static_cast<std::int64_t>(n + 1) * (n + 1);
    ASSERT_EQ(s.events.size(), static_cast<std::size_t>(kHeightWarningsPerTile + 1));
    EXPECT_EQ(s.events.front(), "out of range " + file.string() + " 0 0 32767");
    EXPECT_EQ(s.events[1], "out of range " + file.string() + " 1 0 32767");
    EXPECT_EQ(s.events.back(), "more out of range " + file.string() + " " +
                                   std::to_string(samples - kHeightWarningsPerTile));
    SCOPED_TRACE("the count starts again with the next tile read");
    s.events.clear();
    ASSERT_TRUE(s.store.LoadTile(file.string()));
    EXPECT_EQ(s.events.size(), static_cast<std::size_t>(kHeightWarningsPerTile + 1));
}

TEST(TileStoreTiles, MissingFileLeavesTheBufferShortFileClearsIt) {
    TempDir dir;
    Store s(dir.Folder());
    s.store.Tile().Set(5, 5, 77);
    EXPECT_FALSE(s.store.LoadTile(dir.Folder() + "N10E010.hgt"));
    EXPECT_EQ(s.events, std::vector<std::string>{"no height file"});
    EXPECT_EQ(s.store.Tile().At(5, 5), 77);

    std::ofstream(dir / "N11E010.hgt", std::ios::binary) << std::string(1000, '\x01');
    s.events.clear();
    EXPECT_FALSE(s.store.LoadTile(dir.Folder() + "N11E010.hgt"));
    EXPECT_EQ(s.events, std::vector<std::string>{"unreadable " + dir.Folder() + "N11E010.hgt"});
    EXPECT_EQ(s.store.Tile().At(5, 5), 0);  // never read past its end
    EXPECT_EQ(s.store.Tile().At(0, n), 0);
}

TEST(TileStorePoint, NearestSampleReadFromTheFile) {
    TempDir dir;
    WriteHgtFile(dir.Path(), "N51W002.hgt", Pattern);
    Store s(dir.Folder());
    // Latitude 51.0, longitude -1.0 exactly: the south-east corner sample.
    EXPECT_EQ(s.store.PointHeight(51.0, -1.0), Pattern(n, n));
    // 51.5 N 1.25 W: file row 600, column 900.
    EXPECT_EQ(s.store.PointHeight(51.5, -1.25), Pattern(600, 900));
    // The void reads 0, -5 stays -5 (file rows 10 and 11, column 20 from the west).
    const double lonCol20 = -2.0 + 20.0 / n;
    EXPECT_EQ(s.store.PointHeight(52.0 - 10.0 / n, lonCol20), 0);
    EXPECT_EQ(s.store.PointHeight(52.0 - 11.0 / n, lonCol20), -5);
    EXPECT_TRUE(s.events.empty());

    std::int32_t height = 123;
    s.store.PointHeight(10.5, 10.5, height);  // no such tile: unchanged
    EXPECT_EQ(height, 123);
    EXPECT_EQ(s.events, (std::vector<std::string>{"not found " + dir.Folder() + "N10E010.hgt",
                                                  "no height file"}));
}

TEST(TileStorePoint, ShortFileActsAsMissingAndOneArcSecondIsReadAtItsSpacing) {
    TempDir dir;
    std::ofstream(dir / "N51W002.hgt", std::ios::binary)
        << std::string(static_cast<std::size_t>(kThreeArcSecondTile.fileBytes - 2), '\x01');
    Store s(dir.Folder());
    EXPECT_FALSE(s.store.PointHeight(51.9, -1.9).has_value());
    EXPECT_EQ(s.events.back(), "no height file");

    const int n1 = kOneArcSecondTile.samplesPerDegree;
    WriteHgtFile(
        dir.Path(), "N54W004.hgt", [](int r, int c) { return (10 * r + c % 10) % 30000; },
        kOneArcSecondTile);
    EXPECT_EQ(s.store.PointHeight(54.0, -3.0), (10 * n1) % 30000);
    // One second north and two west of it: file row n1 - 1, column n1 - 2, rounded to the
    // nearest 1 arc-second sample, not the 3 arc-second one.
    const int expected = (10 * (n1 - 1) + (n1 - 2) % 10) % 30000;
    EXPECT_EQ(s.store.PointHeight(54.0 + 1.0 / n1, -3.0 - 2.0 / n1), expected);
    EXPECT_EQ(s.store.PointHeight(54.0 + 1.4 / n1, -3.0 - 1.6 / n1), expected);
}

TEST(TileStoreArea, TwoTilesSideBySideWithTheirMaximum) {
    TempDir dir;
    // West tile: height = column; east tile: 2000 + column, with its peak at row 100, column 50.
    WriteHgtFile(dir.Path(), "N54W004.hgt", [](int, int c) { return c; });
    WriteHgtFile(dir.Path(), "N54W003.hgt", [](int r, int c) {
        if (r == 0 && c == 0) return kVoidSample;  // on the shared edge: not copied
        if (r == 7 && c == 7) return kVoidSample;
        return (r == 100 && c == 50) ? 2500 : 2000 + c % 100;
    });
    Store s(dir.Folder());
    const AreaLoadResult result = s.store.LoadArea(-3.5, 54.25, -2.5, 54.75);
    ASSERT_FALSE(result.Refused());
    EXPECT_EQ(result.tilesLoaded, 2);
    EXPECT_EQ(result.voidSamples, 2);
    EXPECT_EQ(result.x0, 600);  // 1200 x frac(-3.5) = -600, + 1200
    EXPECT_EQ(result.y0, 300);
    EXPECT_EQ(result.maxHeight_m, 2500);
    EXPECT_DOUBLE_EQ(result.maxLatitude_deg, 54.0 + 1100.0 / n);
    EXPECT_DOUBLE_EQ(result.maxLongitude_deg, -3.0 + 50.0 / n);
    EXPECT_EQ(result.maxTile, dir.Folder() + "N54W003.hgt");
    // Column 0 and row 0 of each tile are not copied.
    const AreaGrid& a = s.store.Area();
    EXPECT_EQ(a.At(0, 500), 0);
    EXPECT_EQ(a.At(700, 0), 0);
    EXPECT_EQ(a.At(700, 600), 700);
    EXPECT_EQ(a.At(n, 600), n);         // shared column from the western tile...
    EXPECT_EQ(a.At(n + 1, 600), 2001);  // ...then the eastern tile
    EXPECT_EQ(a.At(n + 50, n - 100), 2500);
    EXPECT_EQ(s.events, (std::vector<std::string>{"area", "loading " + dir.Folder() + "N54W004.hgt",
                                                  "loading " + dir.Folder() + "N54W003.hgt"}));
}

// A missing tile's samples and a read tile's voids are no data; their heights keep the numbers
// the computations use (0 m), and the tile buffer ends decoded as the store decodes.
TEST(TileStoreArea, MissingTileAndVoidsAreMarkedNoData) {
    TempDir dir;
    WriteHgtFile(dir.Path(), "N54W004.hgt", [](int r, int c) {
        if (r == 1200 - 7 && c == 9) return kVoidSample;  // tile row 7 from the south
        return 300 + c % 10;
    });
    Store s(dir.Folder());
    const AreaLoadResult result = s.store.LoadArea(-3.5, 54.25, -2.5, 54.75);  // W004 and W003
    ASSERT_EQ(result.tilesLoaded, 1);
    EXPECT_EQ(result.voidSamples, 1);
    const AreaGrid& a = s.store.Area();
    EXPECT_TRUE(a.NoData().Any());
    EXPECT_TRUE(a.NoData().At(9, 7));  // the void
    EXPECT_EQ(a.At(9, 7), 0);
    EXPECT_FALSE(a.NoData().At(10, 7));
    EXPECT_FALSE(a.NoData().At(n, 600));     // the present tile's own eastern column
    EXPECT_TRUE(a.NoData().At(n + 1, 600));  // the missing tile, from its first column...
    EXPECT_TRUE(a.NoData().At(2 * n, n));    // ...to its last
    EXPECT_TRUE(a.NoData().At(n + 1, n));
    EXPECT_FALSE(a.NoData().At(2 * n + 1, 600));  // beyond the area
    EXPECT_EQ(a.At(n + 1, 600), 0);
    // The tile buffer holds the tile as the store's rule decodes it: the void is sea level.
    EXPECT_EQ(s.store.Tile().At(9, 7), 0);
    EXPECT_EQ(s.store.Tile().At(8, 7), 308);

    // A later area with every tile present has no no-data samples left from this one.
    WriteHgtFile(dir.Path(), "N54W003.hgt", [](int, int) { return 5; });
    s.store.LoadArea(-2.9, 54.25, -2.5, 54.75);
    EXPECT_FALSE(s.store.Area().NoData().Any());
}

TEST(TileStoreArea, TiedMaximumIsTheFirstFoundColumnByColumn) {
    TempDir dir;
    // 900 m at three places: file row 1000 column 40 (tile row 200), file row 10 column 40 (tile
    // row 1190) and file row 5 column 700. Column 0 and tile row 0 (file row 1200), which are not
    // copied, hold more. Column by column, the western column wins, then its southern row.
    WriteHgtFile(dir.Path(), "N54W004.hgt", [](int r, int c) {
        if (c == 0 || r == n) return 3000;
        if ((c == 40 && (r == 1000 || r == 10)) || (c == 700 && r == 5)) return 900;
        return (r + c) % 500;
    });
    Store s(dir.Folder());
    const AreaLoadResult result = s.store.LoadArea(-3.9, 54.1, -3.1, 54.9);
    ASSERT_EQ(result.tilesLoaded, 1);
    EXPECT_EQ(result.maxHeight_m, 900);
    EXPECT_DOUBLE_EQ(result.maxLatitude_deg, 54.0 + 200.0 / n);
    EXPECT_DOUBLE_EQ(result.maxLongitude_deg, -4.0 + 40.0 / n);
}

TEST(TileStoreArea, MissingTileIsSkippedAndTheWholeTilesMaximumCounts) {
    TempDir dir;
    WriteHgtFile(dir.Path(), "N54W004.hgt",
                 [](int r, int c) { return (r == 5 && c == 5) ? 900 : 1; });
    Store s(dir.Folder());
    const AreaLoadResult one = s.store.LoadArea(-3.6, 54.4, -3.4, 54.6);
    EXPECT_EQ(one.tilesLoaded, 1);
    EXPECT_EQ(one.maxHeight_m, 900);  // far outside the requested area, still counted

    s.events.clear();
    const AreaLoadResult two = s.store.LoadArea(-3.5, 54.5, -2.5, 54.6);
    EXPECT_EQ(two.tilesLoaded, 1);
    EXPECT_EQ(s.events,
              (std::vector<std::string>{"area", "loading " + dir.Folder() + "N54W004.hgt",
                                        "not found " + dir.Folder() + "N54W003.hgt", "skipped"}));
    EXPECT_EQ(s.store.Area().At(1300, 600), 0);
}

TEST(TileStoreArea, EveryWayOfNotFittingIsOneRefusal) {
    TempDir dir;
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* what;
        double west, south, east, north;
        AreaRefusalReason reason;
        long eastWest, northSouth;
    };
    const Case cases[] = {
        {"ten tiles east-west, eight fit", -9.5, 50.5, -0.5, 51.5, AreaRefusalReason::kTooManyTiles,
         10, 2},
        {"west beyond any integer", -1e300, 54.0, 1e300, 54.5, AreaRefusalReason::kNoTileCount, 0,
         0},
        {"south beyond any integer", -3.5, -1e300, -3.0, 1e300, AreaRefusalReason::kNoTileCount, 0,
         0},
        {"far west", -1e19, 54.0, -1e19 + 1, 54.5, AreaRefusalReason::kNoTileCount, 0, 0},
        {"infinite west", -inf, 54.0, -3.0, 54.5, AreaRefusalReason::kNoTileCount, 0, 0},
        {"infinite north", -3.5, 54.0, -3.0, inf, AreaRefusalReason::kNoTileCount, 0, 0},
        {"east of west", -3.0, 54.0, -4.5, 54.5, AreaRefusalReason::kTooManyTiles, -1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Store s(dir.Folder());
        const AreaLoadResult r = s.store.LoadArea(c.west, c.south, c.east, c.north);
        ASSERT_TRUE(r.Refused());
        EXPECT_EQ(r.refusal->reason, c.reason);
        EXPECT_EQ(r.refusal->tilesEastWest, c.eastWest);
        EXPECT_EQ(r.refusal->tilesNorthSouth, c.northSouth);
        EXPECT_EQ(r.refusal->maxEastWest, 8);
        EXPECT_EQ(r.refusal->maxNorthSouth, 5);
        EXPECT_EQ(r.tilesLoaded, 0);
        // Reported once, after the start, before any tile is named.
        EXPECT_EQ(s.events, (std::vector<std::string>{
                                "area", "refused " + std::to_string(static_cast<int>(c.reason))}));
    }
    Store s(dir.Folder());
    EXPECT_FALSE(s.store.LoadArea(-7.5, 50.5, -0.5, 54.5).Refused());  // 8 x 5 fit exactly
}

// --- 1 arc-second tiles -------------------------------------------------------------------------

// A 3 arc-second landscape with one peak at file row 100, column 50.
int Ridge(int r, int c) {
    return (r == 100 && c == 50) ? 2500 : 2000 + (r + c) % 100;
}

// Its 1 arc-second twin: each 3 arc-second sample repeated north and east up to the next
// lattice line.
void WriteTwin(const std::filesystem::path& dir, const std::string& name,
               const testing::HeightFunction& height3) {
    WriteHgtFile(
        dir, name, [&height3](int r, int c) { return height3((r + 2) / 3, c / 3); },
        kOneArcSecondTile);
}

TEST(TileStoreOneArcSecond, RefinedAreaGivesTheSameMaximumAtTheSamePlace) {
    TempDir coarse, fine;
    WriteHgtFile(coarse.Path(), "N54W003.hgt", Ridge);
    WriteTwin(fine.Path(), "N54W003.hgt", Ridge);
    Store s3(coarse.Folder()), s1(fine.Folder());
    const AreaLoadResult a3 = s3.store.LoadArea(-2.7, 54.25, -2.2, 54.75, TileDetail::kFinest);
    const AreaLoadResult a1 = s1.store.LoadArea(-2.7, 54.25, -2.2, 54.75, TileDetail::kFinest);
    ASSERT_FALSE(a1.Refused());
    EXPECT_EQ(a3.samplesPerDegree, kThreeArcSecondTile.samplesPerDegree);
    EXPECT_EQ(a1.samplesPerDegree, kOneArcSecondTile.samplesPerDegree);
    EXPECT_EQ(a1.maxHeight_m, 2500);
    EXPECT_EQ(a1.maxHeight_m, a3.maxHeight_m);
    EXPECT_DOUBLE_EQ(a1.maxLatitude_deg, a3.maxLatitude_deg);
    EXPECT_DOUBLE_EQ(a1.maxLongitude_deg, a3.maxLongitude_deg);
    // The corner offsets three times finer: 3600 x frac(-2.7) = -2520, + 3600.
    EXPECT_EQ(a3.x0, 360);
    EXPECT_EQ(a1.x0, 1080);
    EXPECT_EQ(a1.y0, 3 * a3.y0);
    for (int i : {1, 50, 777, n})
        for (int j : {1, 333, 1100, n}) {
            SCOPED_TRACE("cell " + std::to_string(i) + ", " + std::to_string(j));
            EXPECT_EQ(s1.store.Area().At(3 * i, 3 * j), s3.store.Area().At(i, j));
        }
    EXPECT_NE(std::find(s1.events.begin(), s1.events.end(), "1\" " + fine.Folder() + "N54W003.hgt"),
              s1.events.end());
}

TEST(TileStoreOneArcSecond, MixedAreaIsLoadedAtThreeArcSeconds) {
    TempDir mixed, coarse;
    WriteTwin(mixed.Path(), "N54W004.hgt", [](int, int c) { return c; });
    WriteHgtFile(mixed.Path(), "N54W003.hgt", Ridge);
    WriteHgtFile(coarse.Path(), "N54W004.hgt", [](int, int c) { return c; });
    WriteHgtFile(coarse.Path(), "N54W003.hgt", Ridge);
    Store s(mixed.Folder()), s3(coarse.Folder());
    const AreaLoadResult a = s.store.LoadArea(-3.5, 54.25, -2.5, 54.75, TileDetail::kFinest);
    const AreaLoadResult a3 = s3.store.LoadArea(-3.5, 54.25, -2.5, 54.75, TileDetail::kFinest);
    EXPECT_EQ(a.samplesPerDegree, n);
    EXPECT_EQ(a.maxHeight_m, a3.maxHeight_m);
    EXPECT_DOUBLE_EQ(a.maxLongitude_deg, a3.maxLongitude_deg);
    for (int x : {1, 600, n, n + 1, 2 * n})
        for (int y : {1, 600, n}) EXPECT_EQ(s.store.Area().At(x, y), s3.store.Area().At(x, y));
}

TEST(TileStoreOneArcSecond, AreaTooLargeAtOneArcSecondIsRefused) {
    TempDir dir;
    // Only the size tells the format, and the refusal comes before any tile is read: empty
    // files of the right size stand in for six 26 MB tiles.
    for (const char* name : {"N54W004.hgt", "N54W003.hgt", "N54W002.hgt", "N55W004.hgt",
                             "N55W003.hgt", "N55W002.hgt"}) {
        std::ofstream(dir / name, std::ios::binary).close();
        std::filesystem::resize_file(dir / name, kOneArcSecondTile.fileBytes);
    }
    Store s(dir.Folder());
    const AreaLoadResult result = s.store.LoadArea(-3.5, 54.5, -1.5, 55.5, TileDetail::kFinest);
    ASSERT_TRUE(result.Refused());
    EXPECT_EQ(result.refusal->reason, AreaRefusalReason::kTooManyOneArcSecondTiles);
    EXPECT_EQ(result.refusal->tilesEastWest, 3);
    EXPECT_EQ(result.refusal->tilesNorthSouth, 2);
    EXPECT_EQ(s.events.size(), 2u);  // the start and the refusal: nothing loaded
    // At 3 arc-seconds the same six tiles fit, each taken every third sample.
    EXPECT_FALSE(s.store.LoadArea(-3.5, 54.5, -1.5, 55.5).Refused());
}

TEST(TileStoreRealTiles, ScafellPikeIsTheHighestSampleOfN54W004) {
    TORMARK_SKIP_WITHOUT_REAL_DATA("srtm3/N54W004.hgt");
    const std::string folder = realdata::Path("srtm3").string() + "/";
    Store s(folder);
    EXPECT_EQ(s.store.PointHeight(55.0 - 655.0 / n, -4.0 + 946.0 / n), 971);
    const AreaLoadResult area = s.store.LoadArea(-3.4, 54.3, -3.1, 54.6);
    EXPECT_EQ(area.maxHeight_m, 971);
    EXPECT_NEAR(area.maxLatitude_deg, 54.454167, 1e-6);
    EXPECT_NEAR(area.maxLongitude_deg, -3.211667, 1e-6);
}

}  // namespace
}  // namespace terrain
