// The tile store with positions and areas no tile covers: values that are not finite or too
// large for an integer are checked before any conversion, never turned into LONG_MIN names or
// an area that passes the size check.

#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "console/hgt_tile_store.h"
#include "console/testing/test_support.h"

namespace console {
namespace {

using console::testing::TempDir;

TEST(TileStoreLimits, PositionsWithoutATile) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(HgtTileStore::TileName(54.5, -3.2), "N54W004.hgt");
    EXPECT_EQ(HgtTileStore::TileName(-90.0, 180.0), "S91E180.hgt");
    for (const auto& [lat, lon] : {std::pair{inf, 0.0}, std::pair{0.0, -inf}, std::pair{nan, 0.0},
                                   std::pair{1e300, 0.0}, std::pair{0.0, -1e19}}) {
        SCOPED_TRACE(::testing::Message() << lat << " " << lon);
        EXPECT_EQ(HgtTileStore::TileName(lat, lon), "");
        TempDir dir;
        std::istringstream in;
        std::ostringstream out;
        Console console(in, out, false);
        HgtTileStore store(dir.Path().string() + "/", console);
        std::int32_t height = 123;
        store.PointHeight(lat, lon, height);
        EXPECT_EQ(height, 123);
        EXPECT_NE(out.str().find("No Height file for this location"), std::string::npos);
        EXPECT_EQ(out.str().find("-9223372036854775808"), std::string::npos) << out.str();
    }
}

TEST(TileStoreLimits, AreasBeyondAnyIntegerAreRefused) {
    struct Case {
        double west, south, east, north;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {-1e300, 54.0, 1e300, 54.5}, {-3.5, -1e300, -3.0, 1e300}, {-1e19, 54.0, -1e19 + 1, 54.5},
        {-inf, 54.0, -3.0, 54.5},    {-3.5, 54.0, -3.0, inf},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.west << " " << c.south << " " << c.east << " " << c.north);
        TempDir dir;
        std::istringstream in;
        std::ostringstream out;
        Console console(in, out, false);
        HgtTileStore store(dir.Path().string() + "/", console);
        const AreaLoadResult r = store.LoadArea(c.west, c.south, c.east, c.north);
        EXPECT_TRUE(r.refused);
        EXPECT_EQ(r.tilesLoaded, 0);
        EXPECT_NE(out.str().find("Area too large"), std::string::npos) << out.str();
        EXPECT_EQ(out.str().find(".hgt"), std::string::npos) << out.str();
    }
}

}  // namespace
}  // namespace console
