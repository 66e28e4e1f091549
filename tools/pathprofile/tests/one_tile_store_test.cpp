// The one-tile cursor and its at-or-below lookup, on generated tile files.
#include "pathprofile/one_tile_store.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/testing/test_support.h"
#include "pathprofile/path_tiles.h"
#include "pathprofile/profile.h"
#include "terrain/hgt_folder.h"
#include "terrain/tile_format.h"

namespace pathprofile {
namespace {

// The cursor over files named by their full paths, its reports unseen.
struct Cursor {
    terrain::HgtFolder source{""};
    terrain::SilentDiagnostics reports;
    OneTileStore store{source};
    terrain::TileRead Load(const std::string& path) { return store.Load(path, reports); }
};

constexpr terrain::TileFormat kTile = terrain::kThreeArcSecondTile;
constexpr std::size_t kTileBytes = static_cast<std::size_t>(kTile.fileBytes);
constexpr int kTileSide = kTile.Side();

// A tile file whose sample at file row r (0 = north), column c (0 = west) is r + 2c, with
// a few samples set apart.
struct TileBytes {
    std::vector<unsigned char> bytes = std::vector<unsigned char>(kTileBytes);
    TileBytes() {
        for (int r = 0; r < kTileSide; ++r)
            for (int c = 0; c < kTileSide; ++c) Set(r, c, r + 2 * c);
    }
    void Set(int r, int c, int metres) {
        const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(metres));
        const std::size_t at = static_cast<std::size_t>(kTile.RowBytes()) * r + 2u * c;
        bytes[at] = static_cast<unsigned char>(v >> 8);
        bytes[at + 1] = static_cast<unsigned char>(v & 0xff);
    }
    std::string Write(const QTemporaryDir& dir, const std::string& name,
                      std::size_t length = kTileBytes) const {
        const std::string path = dir.filePath(QString::fromStdString(name)).toStdString();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(length));
        return path;
    }
};

TEST(OneTileStore, FileRowsFromNorthLandSouthUp) {
    QTemporaryDir dir;
    TileBytes tile;
    tile.Set(0, 0, 1234);     // north-west corner
    tile.Set(1200, 1200, 7);  // south-east corner
    tile.Set(655, 946, 971);
    Cursor cursor;
    OneTileStore& store = cursor.store;
    ASSERT_EQ(cursor.Load(tile.Write(dir, "N54W004.hgt")).status, terrain::TileReadStatus::kRead);
    EXPECT_EQ(store.Sample(0, 1200), 1234);
    EXPECT_EQ(store.Sample(1200, 0), 7);
    EXPECT_EQ(store.Sample(946, 1200 - 655), 971);
    EXPECT_EQ(store.Sample(3, 1200 - 10), 10 + 2 * 3);
}

TEST(OneTileStore, NegativeHeightsKeptVoidsReadAsSeaLevel) {
    QTemporaryDir dir;
    TileBytes tile;
    tile.Set(100, 100, -5);
    tile.Set(100, 101, -32768);  // the SRTM void marker
    tile.Set(100, 102, 32767);
    Cursor cursor;
    OneTileStore& store = cursor.store;
    ASSERT_EQ(cursor.Load(tile.Write(dir, "t.hgt")).status, terrain::TileReadStatus::kRead);
    EXPECT_EQ(store.Sample(100, 1100), -5);
    EXPECT_EQ(store.Sample(101, 1100), 0);
    EXPECT_EQ(store.Sample(102, 1100), 32767);
    // The void reads sea level but is no height; its neighbours are.
    const LatLon atVoid{54.0 + 1100.2 / 1200, 1.0 + 101.2 / 1200};
    const LatLon besideIt{54.0 + 1100.2 / 1200, 1.0 + 100.2 / 1200};
    EXPECT_EQ(store.HeightAt(atVoid), 0);
    EXPECT_FALSE(store.HasDataAt(atVoid));
    EXPECT_EQ(store.HeightAt(besideIt), -5);
    EXPECT_TRUE(store.HasDataAt(besideIt));
    // Without a tile nothing has a height.
    store.Clear();
    EXPECT_FALSE(store.HasDataAt(besideIt));
    EXPECT_EQ(store.HeightAt(besideIt), 0);
}

TEST(OneTileStore, LookupTakesTheSampleAtOrBelowInEachHemisphere) {
    QTemporaryDir dir;
    TileBytes tile;
    Cursor cursor;
    OneTileStore& store = cursor.store;
    ASSERT_EQ(cursor.Load(tile.Write(dir, "t.hgt")).status, terrain::TileReadStatus::kRead);
    // North and east: row and column count from the south-west corner, rounded down.
    // 0.7 / 1200 degree above the tile's edge still reads row 0; 1.2 / 1200 reads row 1.
    EXPECT_EQ(store.HeightAt({54.0 + 0.7 / 1200, 1.0 + 0.7 / 1200}), store.Sample(0, 0));
    EXPECT_EQ(store.HeightAt({54.0 + 1.2 / 1200, 1.0 + 2.5 / 1200}), store.Sample(2, 1));
    // West: the column counts back from the eastern edge of the tile (-3.0 is column 1200
    // of the tile N54W004).
    EXPECT_EQ(store.HeightAt({54.5, -3.0}), store.Sample(1200, 600));
    EXPECT_EQ(store.HeightAt({54.5, -3.0 - 1.5 / 1200}), store.Sample(1199, 600));
    // South: the row counts back from the northern edge.
    EXPECT_EQ(store.HeightAt({-0.25, 0.5}), store.Sample(600, 900));
}

TEST(OneTileStore, MissingOrShortFileLeavesZerosNotTheOldTile) {
    QTemporaryDir dir;
    TileBytes tile;
    tile.Set(600, 600, 500);
    Cursor cursor;
    OneTileStore& store = cursor.store;
    const std::string good = tile.Write(dir, "good.hgt");
    ASSERT_EQ(cursor.Load(good).status, terrain::TileReadStatus::kRead);
    ASSERT_EQ(store.Sample(600, 600), 500);

    EXPECT_EQ(cursor.Load(dir.filePath("absent.hgt").toStdString()).status,
              terrain::TileReadStatus::kMissing);
    EXPECT_EQ(store.Sample(600, 600), 0);
    EXPECT_EQ(store.Sample(1200, 1200), 0);

    ASSERT_EQ(cursor.Load(good).status, terrain::TileReadStatus::kRead);
    EXPECT_EQ(cursor.Load(tile.Write(dir, "short.hgt", kTileBytes - 1)).status,
              terrain::TileReadStatus::kUnreadable);
    EXPECT_EQ(store.Sample(600, 600), 0);
    EXPECT_EQ(cursor.Load(dir.path().toStdString()).status, terrain::TileReadStatus::kUnreadable);
}

}  // namespace
}  // namespace pathprofile

// --- 1 arc-second tiles -------------------------------------------------------------------------

namespace pathprofile {
namespace {

using console::testing::TempDir;

// A 3 arc-second landscape of distinct heights: file row r, column c.
int Terrain(int r, int c) {
    return (37 * r + 11 * c) % 1500 - 20;
}

TEST(OneArcSecondTile, LookupAtTheTilesOwnSpacing) {
    TempDir dir;
    const auto file = console::testing::WriteHgtTile(
        dir.Path(), "N54W004.hgt", [](int r, int c) { return (r * 7 + c) % 20000; },
        terrain::kOneArcSecondTile);
    Cursor cursor;
    OneTileStore& store = cursor.store;
    const terrain::TileRead read = cursor.Load(file.string());
    ASSERT_EQ(read.status, terrain::TileReadStatus::kRead);
    EXPECT_EQ(read.format, terrain::kOneArcSecondTile);
    EXPECT_EQ(store.SamplesPerDegree(), 3600);
    EXPECT_EQ(store.Sample(3600, 0), (3600 * 7 + 3600) % 20000);  // south-east corner
    // 1.5 seconds north of the edge is row 1 (it would be row 0 at 3 arc-seconds); 1.5 seconds
    // west of -3.0 is column 3600 - 1.
    EXPECT_EQ(store.HeightAt({54.0 + 1.5 / 3600, -3.0 - 1.5 / 3600}), store.Sample(3599, 1));
    // A 3 arc-second tile read next goes back to its own spacing.
    const auto coarse = console::testing::WriteHgtTile(dir.Path(), "N54W003.hgt", Terrain);
    ASSERT_EQ(cursor.Load(coarse.string()).status, terrain::TileReadStatus::kRead);
    EXPECT_EQ(store.SamplesPerDegree(), 1200);
    EXPECT_EQ(store.Sample(0, 1200), Terrain(0, 0));
}

// A stretch of path without a tile, and one over a short tile, in pathprofile's own words: the
// missing tile without its name, the short one without a change of colour; once per tile.
TEST(PathTiles, MissingAndShortTilesAreReportedOncePerTile) {
    TempDir dir;
    std::ofstream(dir / "N54W004.hgt", std::ios::binary) << std::string(1000, '\x01');
    std::istringstream in;
    std::ostringstream out;
    console::Console con(in, out, true);
    PathTiles tiles(dir.Folder(), con);
    EXPECT_EQ(tiles.HeightAt({54.5, -3.5}), 0);
    EXPECT_EQ(tiles.HeightAt({54.6, -3.5}), 0);
    EXPECT_EQ(tiles.HeightAt({54.5, -2.5}), 0);
    EXPECT_EQ(tiles.TileLoads(), 2);
    EXPECT_EQ(out.str(), "Height file " + dir.Folder() +
                             "N54W004.hgt is short or unreadable: taken as sea level\n"
                             "No HDB\nNo Height file for this location\n");
}

// The same path over a 3 arc-second tile and over its 1 arc-second twin (each 3 arc-second
// sample repeated north and east up to the next lattice line) gives the same profile.
TEST(OneArcSecondTile, RefinedTileGivesTheSameProfile) {
    TempDir coarse, fine;
    console::testing::WriteHgtTile(coarse.Path(), "N45E006.hgt", Terrain);
    console::testing::WriteOneArcSecondTwin(fine.Path(), "N45E006.hgt", Terrain);
    std::istringstream in;
    std::ostringstream out3, out1;
    console::Console con3(in, out3, false), con1(in, out1, false);
    PathTiles tiles3(coarse.Folder(), con3), tiles1(fine.Folder(), con1);
    const LatLon base{45.2, 6.3};
    const EarthBulge bulge(1.3, 30.0);
    const Profile p3 = SampleProfile(base, 47.0, 30.0, bulge, std::ref(tiles3));
    const Profile p1 = SampleProfile(base, 47.0, 30.0, bulge, std::ref(tiles1));
    ASSERT_EQ(p1.samples_m.size(), p3.samples_m.size());
    EXPECT_EQ(p1.samples_m, p3.samples_m);
    EXPECT_DOUBLE_EQ(p1.max_sample_m, p3.max_sample_m);
    EXPECT_EQ(out1.str(), "1 arc-second tile N45E006.hgt\n");
    EXPECT_EQ(out3.str(), "");
}

}  // namespace
}  // namespace pathprofile
