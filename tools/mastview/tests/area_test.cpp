#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "console/console.h"
#include "console/console_constants.h"
#include "console/hgt_tile_store.h"
#include "console/testing/test_support.h"
#include "mastview/area_loader.h"
#include "mastview/radius_area.h"
#include "mastview/sweep.h"
#include "terrain/tile_format.h"

namespace mastview {
namespace {

constexpr double kScafellLat = 54.4542, kScafellLon = -3.2117;
constexpr int n = terrain::kSamplesPerDegree;

// The grid column of plot sample 0 must be the western edge of the plot, whatever the sign.
void ExpectCornerMatches(const RadiusArea& a) {
    EXPECT_NEAR(a.tileLonW + a.x0 / 1200.0, a.lonW_deg, 0.5 / 1200 + 1e-12);
    EXPECT_NEAR(a.tileLatS + a.y0 / 1200.0, a.latS_deg, 0.5 / 1200 + 1e-12);
}

TEST(RadiusArea, EightyKmRoundScafellSpansFourByThreeTiles) {
    const RadiusAreaResult r = MakeRadiusArea(kScafellLat, kScafellLon, 80);
    ASSERT_TRUE(r.area) << r.error;
    const RadiusArea& a = *r.area;
    // 160 km / (111.2 km / 1200) = 1726.62 samples north to south.
    EXPECT_EQ(a.nLat, 1727);
    EXPECT_EQ(a.nLon, std::lround(1727 / std::cos(kScafellLat / console::kDegPerRad)));
    EXPECT_EQ(a.tileLonW, -5);
    EXPECT_EQ(a.tileLonE, -2);
    EXPECT_EQ(a.tileLatS, 53);
    EXPECT_EQ(a.tileLatN, 55);
    ExpectCornerMatches(a);
    EXPECT_NEAR(a.LonOf(a.nLon / 2.0), kScafellLon, 1e-3);
    EXPECT_NEAR(a.LatOf(a.nLat / 2.0), kScafellLat, 1e-3);
}

TEST(RadiusArea, WesternEdgeJustPastANegativeWholeDegreeStartsAtTheEndOfItsTile) {
    // Choose the centre so that the western edge lies 1e-7 degrees west of 3 W: its tile is
    // W004 and the plot starts at that tile's last column, not at its first.
    const double rd = 10, lat = 54.2;
    const double halfLon =
        rd / console::kKmPerDegreeLatSingle / std::cos(lat / console::kDegPerRad);
    const RadiusAreaResult r = MakeRadiusArea(lat, -3 - 1e-7 + halfLon, rd);
    ASSERT_TRUE(r.area) << r.error;
    EXPECT_EQ(r.area->tileLonW, -4);
    EXPECT_EQ(r.area->x0, 1200);
    ExpectCornerMatches(*r.area);
    // East of Greenwich and in the southern hemisphere the corner matches too.
    for (auto [la, lo] : {std::pair{51.3, 0.4}, std::pair{-33.9, 18.4}, std::pair{-0.01, -0.01}}) {
        const RadiusAreaResult q = MakeRadiusArea(la, lo, 25);
        ASSERT_TRUE(q.area) << q.error;
        ExpectCornerMatches(*q.area);
    }
}

TEST(RadiusArea, RefusesRadiiTheGridCannotHold) {
    EXPECT_EQ(MakeRadiusArea(kScafellLat, kScafellLon, 0).error, kRadiusNotPositive);
    EXPECT_EQ(MakeRadiusArea(kScafellLat, kScafellLon, -5).error, kRadiusNotPositive);
    EXPECT_EQ(MakeRadiusArea(kScafellLat, kScafellLon, 400).error, kRadiusTooLarge);
    EXPECT_EQ(MakeRadiusArea(kScafellLat, kScafellLon, 1e300).error, kRadiusTooLarge);
    EXPECT_EQ(MakeRadiusArea(89.9, 0, 50).error, kRadiusTooLarge);

    // Every radius that is accepted fits the sweep into the area grid.
    const int largest = LargestRadius_km(kScafellLat, kScafellLon);
    EXPECT_GT(largest, 200);
    EXPECT_LT(largest, 280);
    terrain::AreaGrid grid(kAreaCapacity);
    for (int rd : {1, 80, largest}) {
        const RadiusAreaResult r = MakeRadiusArea(kScafellLat, kScafellLon, rd);
        ASSERT_TRUE(r.area) << rd;
        SweepSetup s;
        s.radius_km = rd;
        s.nLon = r.area->nLon;
        s.nLat = r.area->nLat;
        s.x0 = r.area->x0;
        s.y0 = r.area->y0;
        EXPECT_NO_THROW(CheckSweep(s, grid)) << rd;
        EXPECT_LE((r.area->tileLonE - r.area->tileLonW + 1) * 1200, 10000);
        EXPECT_LE((r.area->tileLatN - r.area->tileLatS + 1) * 1200, 6000);
    }
}

TEST(AreaLoading, NeighbouringTilesShareTheirEdgeAndTheLaterOneWins) {
    console::testing::TempDir dir;
    // West tile: 100 m, its eastern edge 7 m and one deep sample of -1500 m (kept, not made 0).
    console::testing::WriteHgtTile(dir.Path(), "N54W004.hgt", [](int row, int column) {
        if (row == 600 && column == 1100) return -1500;
        return column == n ? 7 : 100;
    });
    // East tile: 200 m, its western edge 9 m and two voids, one of them north of the plot.
    console::testing::WriteHgtTile(dir.Path(), "N54W003.hgt", [](int row, int column) {
        if ((row == 10 && column == 10) || (row == 600 && column == 100))
            return terrain::kVoidSample;
        return column == 0 ? 9 : 200;
    });
    std::istringstream in;
    std::ostringstream out;
    console::Console con(in, out, false);
    console::HgtTileStore store(dir.Folder(), con, kAreaCapacity, kTileDecoding);
    // 54.5 N, 3 W with a 20 km radius needs W004 and W003 in row 54 only.
    const RadiusAreaResult r = MakeRadiusArea(54.5, -3.0, 20);
    ASSERT_TRUE(r.area) << r.error;
    const RadiusHeights loaded = LoadRadiusArea(*r.area, store, con);
    const HeightRange& range = loaded.range;

    // Read by area-grid cell: (x, y) from the south-west corner of tile N54W004.
    const auto at = [&](int x, int y) { return loaded.heights.At(x - r.area->x0, y - r.area->y0); };
    EXPECT_EQ(at(n, 600), 9);  // the shared column comes from the eastern tile
    EXPECT_EQ(at(n - 1, 600), 100);
    EXPECT_EQ(at(n + 1, 600), 200);
    EXPECT_EQ(at(1100, 600), -1500);
    EXPECT_EQ(at(1300, 600), 0);  // the void
    // The range covers every sample of the tiles, also those outside the plot.
    EXPECT_EQ(range.min_m, -1500);
    EXPECT_EQ(range.max_m, 200);
    const std::string text = out.str();
    EXPECT_NE(text.find("Loading Height data from SRTM files"), std::string::npos);
    EXPECT_NE(text.find("N54W004.hgt"), std::string::npos);
    EXPECT_NE(text.find("N54W003.hgt"), std::string::npos);
    EXPECT_NE(text.find("Min Max heights -1500 200"), std::string::npos) << text;
    // The heights go straight into the plot: the store's area grid is not filled.
    EXPECT_EQ(store.Area().At(1199, 600), 0);
}

TEST(AreaLoading, MissingTilesAreSkippedAndReadAsSeaLevel) {
    console::testing::TempDir dir;
    std::istringstream in;
    std::ostringstream out;
    console::Console con(in, out, false);
    console::HgtTileStore store(dir.Folder(), con, kAreaCapacity, kTileDecoding);
    const RadiusAreaResult r = MakeRadiusArea(54.5, -3.0, 20);
    ASSERT_TRUE(r.area);
    const RadiusHeights loaded = LoadRadiusArea(*r.area, store, con);
    const std::string text = out.str();
    EXPECT_NE(text.find("No HDB for "), std::string::npos) << text;
    EXPECT_NE(text.find("Skipped"), std::string::npos);
    EXPECT_EQ(loaded.heights.At(r.area->nLon / 2, r.area->nLat / 2), 0);
}

// Samples of a missing tile and voids are no data; the shared edge of a read tile is not. A run
// without any tile is refused, naming the folder and the tiles.
TEST(AreaLoading, MissingTileAndVoidsAreMarkedNoData) {
    console::testing::TempDir dir;
    console::testing::WriteHgtTile(dir.Path(), "N54W004.hgt", [](int row, int column) {
        return row == 600 && column == 1100 ? terrain::kVoidSample : 100;
    });
    std::istringstream in;
    std::ostringstream out;
    console::Console con(in, out, false);
    console::HgtTileStore store(dir.Folder(), con, kAreaCapacity, kTileDecoding);
    const RadiusAreaResult r = MakeRadiusArea(54.5, -3.0, 20);  // W004 and W003 (missing)
    ASSERT_TRUE(r.area) << r.error;
    const RadiusHeights loaded = LoadRadiusArea(*r.area, store, con);
    EXPECT_EQ(loaded.tilesLoaded, 1);
    // By area-grid cell, (x, y) from the south-west corner of tile N54W004.
    const auto noData = [&](int x, int y) {
        return loaded.noData.At(x - r.area->x0, y - r.area->y0);
    };
    const auto at = [&](int x, int y) { return loaded.heights.At(x - r.area->x0, y - r.area->y0); };
    EXPECT_TRUE(noData(1100, 600));  // the void, read as sea level
    EXPECT_EQ(at(1100, 600), 0);
    EXPECT_FALSE(noData(1099, 600));
    EXPECT_FALSE(noData(n, 600));     // the read tile's eastern edge
    EXPECT_TRUE(noData(n + 1, 600));  // the missing tile
    EXPECT_TRUE(noData(n + 300, 500));
    EXPECT_EQ(at(n + 1, 600), 0);
    EXPECT_FALSE(RefuseWithoutHeights(*r.area, loaded, dir.Folder(), con));
    const std::string line = PrintNoDataShare(*r.area, loaded, con);
    EXPECT_NE(line.find("% of the plot has no height data"), std::string::npos) << line;
    EXPECT_NE(out.str().find(line), std::string::npos) << out.str();

    std::filesystem::remove(dir.Path() / "N54W004.hgt");
    out.str("");
    const RadiusHeights none = LoadRadiusArea(*r.area, store, con);
    EXPECT_EQ(none.tilesLoaded, 0);
    EXPECT_TRUE(RefuseWithoutHeights(*r.area, none, dir.Folder(), con));
    EXPECT_NE(out.str().find("No height data for this area: none of N54W004.hgt, N54W003.hgt in " +
                             dir.Folder()),
              std::string::npos)
        << out.str();
    EXPECT_EQ(out.str().find("Min Max heights"), std::string::npos) << out.str();
}

TEST(AreaLoading, OnlyTheVoidBecomesSeaLevelAndHeightsBeyondTenKilometresWarn) {
    console::testing::TempDir dir;
    const auto file = console::testing::WriteHgtTile(dir.Path(), "N54W004.hgt", [](int row, int) {
        switch (row) {
            case 0:
                return terrain::kVoidSample;
            case 1:
                return -1500;  // below the frame's void threshold, yet kept here
            case 2:
                return 12000;
            case 3:
                return -12000;
            default:
                return 7;
        }
    });
    std::istringstream in;
    std::ostringstream out;
    console::Console con(in, out, false);
    console::HgtTileStore store(dir.Folder(), con, kAreaCapacity, kTileDecoding);
    ASSERT_TRUE(store.LoadTile(file.string()));
    // File row r is tile row n - r.
    EXPECT_EQ(store.Tile().At(5, n), 0);
    EXPECT_EQ(store.Tile().At(5, n - 1), -1500);
    EXPECT_EQ(store.Tile().At(5, n - 2), 12000);
    EXPECT_EQ(store.Tile().At(5, n - 3), -12000);
    EXPECT_EQ(store.Tile().At(5, n - 4), 7);
    const std::string text = out.str();
    EXPECT_NE(text.find("Height 12000  in "), std::string::npos) << text.substr(0, 200);
    EXPECT_EQ(text.find("Height -1500 "), std::string::npos);
    // The first few warnings in the file's order, naming the file's own column and row (all of
    // file row 2, 12000), then one line counting the rest (row 2's others and row 3's -12000).
    std::size_t warnings = 0;
    for (std::size_t at = text.find("Height "); at != std::string::npos;
         at = text.find("Height ", at + 1))
        ++warnings;
    EXPECT_EQ(warnings, static_cast<std::size_t>(terrain::kHeightWarningsPerTile));
    const std::size_t first = text.find("Height 12000  in ");
    EXPECT_EQ(text.find("  col 0  row 2"), text.find("  col ", first));
    EXPECT_EQ(text.find("Height -12000  in "), std::string::npos) << "counted, not listed";
    const std::int64_t rest =
        2 * terrain::kThreeArcSecondTile.Side() - terrain::kHeightWarningsPerTile;
    EXPECT_NE(text.find(std::to_string(rest) + " more heights out of range in "), std::string::npos)
        << text.substr(0, 600);
}

}  // namespace
}  // namespace mastview
