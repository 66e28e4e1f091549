// Tile names and corners, with positions no tile covers: values that are not finite or too large
// for an integer are checked before any conversion, never turned into LONG_MIN names.
#include "terrain/tile_name.h"

#include <gtest/gtest.h>

#include <limits>

namespace terrain {
namespace {

TEST(TileName, NamesTheTileThatCoversThePosition) {
    EXPECT_EQ(TileName(51.5, -1.5), "N51W002.hgt");
    EXPECT_EQ(TileName(-0.5, 0.5), "S01E000.hgt");
    EXPECT_EQ(TileName(5.2, 123.9), "N05E123.hgt");
    EXPECT_EQ(TileName(54.5, -3.2), "N54W004.hgt");
    // A negative whole degree names the tile south or west of it.
    EXPECT_EQ(TileName(54.0, -3.0), "N54W004.hgt");
    EXPECT_EQ(TileName(-2.0, 3.0), "S03E003.hgt");
    EXPECT_EQ(TileName(-90.0, 180.0), "S91E180.hgt");
}

TEST(TileName, CornerAndNameAgree) {
    for (const auto& [lat, lon] : {std::pair{51.5, -1.5}, std::pair{-0.5, 0.5},
                                   std::pair{54.0, -3.0}, std::pair{-33.9, 18.4}}) {
        SCOPED_TRACE(::testing::Message() << lat << " " << lon);
        const std::optional<TileCorner> corner = TileCornerOf(lat, lon);
        ASSERT_TRUE(corner);
        EXPECT_EQ(TileName(*corner), TileName(lat, lon));
        // The corner lies at or south-west of the position, less than a degree away.
        EXPECT_LE(corner->lat_deg, lat);
        EXPECT_GT(corner->lat_deg + 1, lat - 1e-12);
        EXPECT_LE(corner->lon_deg, lon);
    }
    EXPECT_EQ(TileName(TileCorner{-2, -3}), "S02W003.hgt");
    EXPECT_EQ(TileName(TileCorner{0, 0}), "N00E000.hgt");
}

TEST(TileName, PositionsFarOffTheGlobeNameNoTile) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const auto& [lat, lon] : {std::pair{inf, 0.0}, std::pair{0.0, -inf}, std::pair{nan, 0.0},
                                   std::pair{1e300, 0.0}, std::pair{0.0, -1e19}}) {
        SCOPED_TRACE(::testing::Message() << lat << " " << lon);
        EXPECT_EQ(TileName(lat, lon), "");
        EXPECT_FALSE(TileCornerOf(lat, lon));
    }
}

TEST(TileName, CornersNameATileWhenTheTileLiesWithinTheLimit) {
    EXPECT_TRUE(NamesATile({999999, -1000000}));
    EXPECT_FALSE(NamesATile({1000000, 0}));
    EXPECT_FALSE(NamesATile({0, -1000001}));
}

TEST(TileName, CopernicusNamesAndCornersOfFileNames) {
    EXPECT_EQ(CopernicusTileName({54, -4}), "Copernicus_DSM_COG_10_N54_00_W004_00_DEM.tif");
    EXPECT_EQ(CopernicusTileName({-1, 0}), "Copernicus_DSM_COG_10_S01_00_E000_00_DEM.tif");
    EXPECT_EQ(CopernicusTileName({5, 120}), "Copernicus_DSM_COG_10_N05_00_E120_00_DEM.tif");
    EXPECT_EQ(TileCornerOfName("N54W004.hgt"), (TileCorner{54, -4}));
    EXPECT_EQ(TileCornerOfName("n54w004.hgt.zip"), (TileCorner{54, -4}));
    EXPECT_EQ(TileCornerOfName("S01E000.hgt"), (TileCorner{-1, 0}));
    EXPECT_EQ(TileCornerOfName("N05E120"), (TileCorner{5, 120}));
    for (const char* notATile : {"", "N54W04.hgt", "X54W004.hgt", "N54X004.hgt", "N5AW004.hgt",
                                 "srtmN54W004.hgt", "N54W00"})
        EXPECT_FALSE(TileCornerOfName(notATile)) << notATile;
    // Every corner's name reads back to it.
    for (const TileCorner corner : {TileCorner{54, -4}, {-90, -180}, {89, 179}, {0, 0}})
        EXPECT_EQ(TileCornerOfName(TileName(corner)), corner);
}

}  // namespace
}  // namespace terrain
