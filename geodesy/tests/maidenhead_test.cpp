// Maidenhead locators: worked values, lengths, floor behaviour and round trips.
#include "geodesy/maidenhead.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace geodesy {
namespace {

TEST(FormatLocatorTest, WorkedValues) {
    EXPECT_EQ(FormatLocator(51.5, -1.0), "IO91MM00AA");
    EXPECT_EQ(FormatLocator(54.454167, -3.211667).substr(0, 6), "IO84JK");  // Scafell Pike
    EXPECT_EQ(FormatLocator(-33.9, 18.4).substr(0, 4), "JF96");             // Cape Town
    EXPECT_EQ(FormatLocator(40.7, -74.0).substr(0, 4), "FN30");             // New York
}

TEST(FormatLocatorTest, FloorNotRoundAndPole) {
    // A hair below a subsquare boundary stays in the lower cell.
    EXPECT_EQ(FormatLocator(51.5 - 1e-9, -1.0).substr(0, 6), "IO91ML");
    // The south-west corner of the grid and the north pole (no clamp: the letter after R).
    EXPECT_EQ(FormatLocator(-90.0, -180.0), "AA00AA00AA");
    EXPECT_EQ(FormatLocator(90.0, 0.0).substr(0, 2), "JS");
}

TEST(ParseLocatorTest, WorkedValuesBySize) {
    struct Case {
        const char* text;
        double lat, lon, resolution;
        double ns, ew;  // cell sides, metres
    };
    const Case cases[] = {
        {"IO91IM", 51.518836, -1.2956633, 4.63333333, 4633, 5766},
        {"IO91IM00", 51.5021693, -1.3289967, 0.463333333, 463, 577},
        {"IO91IM00AA", 51.500086, -1.3331633, 0.0193055556, 19, 24},
        // Characters beyond the tenth are ignored.
        {"IO91IM00AAZZ", 51.500086, -1.3331633, 0.0193055556, 19, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const LocatorPosition p = ParseLocator(c.text);
        ASSERT_TRUE(p.ok);
        EXPECT_NEAR(p.lat_deg, c.lat, 1e-6);
        EXPECT_NEAR(p.lon_deg, c.lon, 1e-6);
        EXPECT_NEAR(p.resolution_km, c.resolution, 1e-8);
        EXPECT_NEAR(p.ns_size_m, c.ns, 0.5);
        EXPECT_NEAR(p.ew_size_m, c.ew, 0.5);
    }
}

TEST(ParseLocatorTest, OddOrShortLengthIsRefused) {
    for (const char* text : {"IO91IM0", "IO91IM00A", "IO91", ""}) {
        const LocatorPosition p = ParseLocator(text);
        EXPECT_FALSE(p.ok) << text;
    }
}

// Fields run A..R, squares 0..9 and subsquares A..X: a symbol beyond names no cell, and read
// by its place in the alphabet gives no real position (XZ99ZZ: 170 N, 300 E).
TEST(ParseLocatorTest, SymbolsNamingNoCellAreNotValid) {
    for (const char* text : {"XZ99ZZ", "SA00AA", "AS00AA", "IO91IY", "IO91YM", "IO91IM0A",
                             "IO91IM00AY", "IO91IM001A", "I?91IM"}) {
        const LocatorPosition p = ParseLocator(text);
        EXPECT_FALSE(p.ok) << text;
        EXPECT_TRUE(p.not_valid) << text;
    }
    // The last symbol of each pair still names a cell, within the globe.
    for (const char* text : {"RR99XX99XX", "AA00AA00AA", "IO91IM00XX"}) {
        const LocatorPosition p = ParseLocator(text);
        ASSERT_TRUE(p.ok) << text;
        EXPECT_LE(std::fabs(p.lat_deg), 90.0) << text;
        EXPECT_LE(std::fabs(p.lon_deg), 180.0) << text;
    }
    EXPECT_FALSE(ParseLocator("XZ99Z").not_valid);  // an odd length is the other refusal
}

TEST(MaidenheadRoundTripTest, DecodedPositionLiesInsideTheCell) {
    for (double lat = 49.03; lat < 61.0; lat += 0.37) {
        for (double lon = -8.01; lon < 2.0; lon += 0.29) {
            const std::string loc = FormatLocator(lat, lon);
            for (std::size_t len : {6u, 8u, 10u}) {
                const LocatorPosition p = ParseLocator(loc.substr(0, len));
                ASSERT_TRUE(p.ok);
                // Same cell again, and the decoded point within one cell size of the input.
                EXPECT_EQ(FormatLocator(p.lat_deg, p.lon_deg).substr(0, len), loc.substr(0, len))
                    << lat << " " << lon;
                EXPECT_NEAR(p.lat_deg, lat, p.resolution_km / 111.2) << loc;
                EXPECT_NEAR(p.lon_deg, lon, 2 * p.resolution_km / 111.2) << loc;
            }
        }
    }
}

// A position that is not finite, or so far off the globe that its cells have no letters, has no
// locator: never control bytes or an overflowing conversion.
TEST(FormatLocatorTest, NoLocatorForPositionsWithoutOne) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double cases[][2] = {{inf, 0}, {0, -inf}, {nan, 0}, {0, nan}, {1e300, 0}, {0, -1e300}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c[0] << " " << c[1]);
        EXPECT_EQ(FormatLocator(c[0], c[1]), kLocatorError);
        EXPECT_EQ(FormatLocatorRounded({c[0], c[1]}), kLocatorError);
    }
    // A million degrees has no printable field letter; the console's rounded form wraps round.
    EXPECT_EQ(FormatLocator(1e6, 0), kLocatorError);
    EXPECT_EQ(FormatLocatorRounded({1e6, 0}).size(), 10u);
    // Just beyond the globe's range the letters go on, as before.
    EXPECT_EQ(FormatLocator(100.0, 0.0).substr(0, 2), "JT");
}

}  // namespace
}  // namespace geodesy
