// Texts that are wholly a latitude/longitude, and texts that only look like one.
#include "geodesy/whole_lat_long.h"

#include <gtest/gtest.h>

namespace geodesy {
namespace {

TEST(ReadWholeLatLongTest, EachFormAndSign) {
    struct Case {
        const char* text;
        double lat, lon;
    };
    const double dms = 54 + 27 / 60.0 + 15.5 / 3600.0;
    const Case cases[] = {
        {"54.4543 -3.2117", 54.4543, -3.2117},
        {"-33.9 +18.4", -33.9, 18.4},  // signs both ways
        {"54.4543,-3.2117", 54.4543, -3.2117},
        {"54.4543N 3.2117W", 54.4543, -3.2117},
        {"54.4543s 3.2117e", -54.4543, 3.2117},
        {"54 27 15.5N 3 0 0W", dms, -3.0},
        {"54\xC2\xB0"
         "27'15.5\"N, 3\xC2\xB0W",
         dms, -3.0},
        {"3 W 54 27 15.5 N", dms, -3.0},  // longitude first, as ParseLatLong allows
        {"90 180", 90, 180},              // the edges of the globe
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto p = ReadWholeLatLong(c.text);
        ASSERT_TRUE(p.has_value());
        EXPECT_NEAR(p->lat_deg, c.lat, 1e-12);
        EXPECT_NEAR(p->lon_deg, c.lon, 1e-12);
    }
}

TEST(ReadWholeLatLongTest, OtherTextsAreNoPosition) {
    for (const char* text : {
             "",                    // nothing
             "NY 2154 0722",        // grid reference
             "SE 123 456",          // grid reference whose letters are hemisphere letters
             "IO84KO",              // locator
             "Scafell Pike",        // site name
             "2 Wells Lane",        // site name starting with a digit
             "54.4543",             // one number
             "54.4543 -3.2117 10",  // three numbers
             "90.001 0",            // off the globe
             "0 180.5",             //
             "54 60N 3W",           // 60 minutes
             "54 27 15 1N 3W",      // four numbers for one coordinate
             "54N 55N",             // two latitudes
             "54N 3W 10",           // text after the last letter
             "N54 W3",              // letters before the numbers
             "-54N 3W",             // a sign and a hemisphere letter
             "54.4543 -3.2117x",    //
             "1e999 0",             // beyond the double range
             "nan 0",               //
         }) {
        EXPECT_FALSE(ReadWholeLatLong(text).has_value()) << text;
    }
}

}  // namespace
}  // namespace geodesy
