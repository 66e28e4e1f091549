// Maidenhead locators: worked values, lengths, floor behaviour and round trips.
#include "geodesy/maidenhead.h"

#include <gtest/gtest.h>

namespace geodesy {
namespace {

TEST(GenLocatorTest, WorkedValues) {
    EXPECT_EQ(GenLocator(51.5, -1.0), "IO91MM00AA");
    EXPECT_EQ(GenLocator(54.454167, -3.211667).substr(0, 6), "IO84JK");  // Scafell Pike
    EXPECT_EQ(GenLocator(-33.9, 18.4).substr(0, 4), "JF96");             // Cape Town
    EXPECT_EQ(GenLocator(40.7, -74.0).substr(0, 4), "FN30");             // New York
}

TEST(GenLocatorTest, FloorNotRoundAndPole) {
    // A hair below a subsquare boundary stays in the lower cell.
    EXPECT_EQ(GenLocator(51.5 - 1e-9, -1.0).substr(0, 6), "IO91ML");
    // The south-west corner of the grid and the north pole (no clamp: the letter after R).
    EXPECT_EQ(GenLocator(-90.0, -180.0), "AA00AA00AA");
    EXPECT_EQ(GenLocator(90.0, 0.0).substr(0, 2), "JS");
}

TEST(LocatorToLatLongTest, WorkedValuesBySize) {
    struct Case {
        const char* text;
        double lat, lon, resolution;
        const char *ns, *ew;
    };
    const Case cases[] = {
        {"IO91IM", 51.518836, -1.2956633, 4.63333333, "4633m", "5766m"},
        {"IO91IM00", 51.5021693, -1.3289967, 0.463333333, "463m", "577m"},
        {"IO91IM00AA", 51.500086, -1.3331633, 0.0193055556, "19m", "24m"},
        // Characters beyond the tenth are ignored.
        {"IO91IM00AAZZ", 51.500086, -1.3331633, 0.0193055556, "19m", "24m"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const LocatorPosition p = LocatorToLatLong(c.text);
        ASSERT_TRUE(p.ok);
        EXPECT_NEAR(p.lat_deg, c.lat, 1e-6);
        EXPECT_NEAR(p.lon_deg, c.lon, 1e-6);
        EXPECT_NEAR(p.resolution_km, c.resolution, 1e-8);
        EXPECT_EQ(p.ns_size_text, c.ns);
        EXPECT_EQ(p.ew_size_text, c.ew);
    }
}

TEST(LocatorToLatLongTest, OddOrShortLengthIsLocatorError) {
    for (const char* text : {"IO91IM0", "IO91IM00A", "IO91", ""}) {
        const LocatorPosition p = LocatorToLatLong(text);
        EXPECT_FALSE(p.ok) << text;
        EXPECT_EQ(p.error, "Locator error") << text;
    }
}

TEST(MaidenheadRoundTripTest, DecodedPositionLiesInsideTheCell) {
    for (double lat = 49.03; lat < 61.0; lat += 0.37) {
        for (double lon = -8.01; lon < 2.0; lon += 0.29) {
            const std::string loc = GenLocator(lat, lon);
            for (std::size_t len : {6u, 8u, 10u}) {
                const LocatorPosition p = LocatorToLatLong(loc.substr(0, len));
                ASSERT_TRUE(p.ok);
                // Same cell again, and the decoded point within one cell size of the input.
                EXPECT_EQ(GenLocator(p.lat_deg, p.lon_deg).substr(0, len), loc.substr(0, len))
                    << lat << " " << lon;
                EXPECT_NEAR(p.lat_deg, lat, p.resolution_km / 111.2) << loc;
                EXPECT_NEAR(p.lon_deg, lon, 2 * p.resolution_km / 111.2) << loc;
            }
        }
    }
}

}  // namespace
}  // namespace geodesy
