// The one-tile loader and its nearest-lower lookup, on small generated tile files.
#include "pathprofile/one_tile_store.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>
#include <string>
#include <vector>

namespace pathprofile {
namespace {

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
        const std::size_t at = 2402u * r + 2u * c;
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
    OneTileStore store;
    ASSERT_EQ(store.Load(tile.Write(dir, "N54W004.hgt")), TileLoad::kLoaded);
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
    OneTileStore store;
    ASSERT_EQ(store.Load(tile.Write(dir, "t.hgt")), TileLoad::kLoaded);
    EXPECT_EQ(store.Sample(100, 1100), -5);
    EXPECT_EQ(store.Sample(101, 1100), 0);
    EXPECT_EQ(store.Sample(102, 1100), 32767);
}

TEST(OneTileStore, LookupTakesTheSampleAtOrBelowInEachHemisphere) {
    QTemporaryDir dir;
    TileBytes tile;
    OneTileStore store;
    ASSERT_EQ(store.Load(tile.Write(dir, "t.hgt")), TileLoad::kLoaded);
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
    OneTileStore store;
    const std::string good = tile.Write(dir, "good.hgt");
    ASSERT_EQ(store.Load(good), TileLoad::kLoaded);
    ASSERT_EQ(store.Sample(600, 600), 500);

    EXPECT_EQ(store.Load(dir.filePath("absent.hgt").toStdString()), TileLoad::kMissing);
    EXPECT_EQ(store.Sample(600, 600), 0);
    EXPECT_EQ(store.Sample(1200, 1200), 0);

    ASSERT_EQ(store.Load(good), TileLoad::kLoaded);
    EXPECT_EQ(store.Load(tile.Write(dir, "short.hgt", kTileBytes - 1)), TileLoad::kUnreadable);
    EXPECT_EQ(store.Sample(600, 600), 0);
    EXPECT_EQ(store.Load(dir.path().toStdString()), TileLoad::kUnreadable);
}

}  // namespace
}  // namespace pathprofile
