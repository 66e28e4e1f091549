// Classification, free-format latitude/longitude and the three display layouts.
#include "geodesy/position_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <utility>

#include "geodesy/display_mask.h"

namespace geodesy {
namespace {

TEST(ClassifyInputTest, FormsAndSpaces) {
    struct Case {
        const char* text;
        InputClass cls;
        const char* resolved;
    };
    const Case cases[] = {
        {"SU12345678", InputClass::kGridRef, "SU12345678"},
        {"SU12 345678", InputClass::kGridRef, "SU12345678"},  // spaces go after the check
        {"SU1234 5678", InputClass::kGridRef, "SU12345678"},
        {"SU 1234 5678", InputClass::kSiteName, "SU 1234 5678"},  // space among the first four
        {"IO91WM", InputClass::kLocator, "IO91WM"},
        {"IO91 WM", InputClass::kLocator, "IO91WM"},
        {"IO91W", InputClass::kSiteName, "IO91W"},  // five characters, sixth missing
        {"IO91W5", InputClass::kSiteName, "IO91W5"},
        {"ST45", InputClass::kSiteName, "ST45"},  // fewer than 5 characters
        {"51.5N 1.25W", InputClass::kLatLong, "51.5N 1.25W"},
        {"51.5 1.25", InputClass::kLatLong, "51.5 1.25"},
        {"-51.5N 1W", InputClass::kSiteName, "-51.5N 1W"},  // value <= 0: a site name
        {"0N 1W", InputClass::kSiteName, "0N 1W"},
        {"HILL TOP", InputClass::kSiteName, "HILL TOP"},
    };
    for (const Case& c : cases) {
        const Classification got = ClassifyInput(c.text);
        EXPECT_EQ(got.input_class, c.cls) << c.text;
        EXPECT_EQ(got.text, c.resolved) << c.text;
    }
}

TEST(ParseLatLongTest, FreeFormats) {
    struct Case {
        const char* text;
        double lat, lon;
        const char* cleaned;
    };
    const Case cases[] = {
        {"51.5N 1.25W", 51.5, -1.25, "51.5N 1.25W"},
        {"51\xB0"
         "30'N, 1\xB0"
         "15'W",
         51.5, -1.25, "51 30 N 1 15 W"},                     // 8-bit degree sign
        {"51°30'N, 1°15'W", 51.5, -1.25, "51 30 N 1 15 W"},  // UTF-8 degree sign
        {"1 15 W 51 30 N", 51.5, -1.25, "1 15 W 51 30 N"},
        {"51 30 15.5n 0 0 36e", 51.5 + 15.5 / 3600, 0.01, "51 30 15.5N 0 0 36E"},
        {"33 55.5s 18 25e", -(33 + 55.5 / 60), 18 + 25.0 / 60, "33 55.5S 18 25E"},
        // GPS reader's text: the part after the last hemisphere letter is ignored.
        {"51 30.1234N 001 30.5678W          [ 12:34:56 UTC ]", 51.5020567, -1.5094633,
         "51 30.1234N 001 30.5678W [ 12:34:56 UTC ]"},
        // A minus sign is overruled by the hemisphere letter, with or without minutes.
        {"51 30 N -1 15 W", 51.5, -1.25, "51 30 N -1 15 W"},
        {"51.5N -1.25W", 51.5, -1.25, "51.5N -1.25W"},
        // Both N and S: the first N decides.
        {"52N 1W S", 52.0, -1.0, "52N 1W S"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ParsedLatLong p = ParseLatLong(c.text);
        ASSERT_TRUE(p.ok);
        EXPECT_NEAR(p.lat_deg, c.lat, 1e-7);
        EXPECT_NEAR(p.lon_deg, c.lon, 1e-7);
        EXPECT_EQ(p.cleaned, c.cleaned);
        EXPECT_EQ(p.resolution_km, 0.001);
    }
}

TEST(ParseLatLongTest, MissingHemisphereIsUnreadable) {
    for (const char* text : {"51.5 1.25", "51.5N 1.25", "51.5 1.25W", ""}) {
        const ParsedLatLong p = ParseLatLong(text);
        EXPECT_FALSE(p.ok) << text;
        EXPECT_EQ(p.cleaned, "") << text;
    }
}

TEST(FormatLatLongTest, ThreeLayouts) {
    EXPECT_EQ(FormatLatLong(51.5, -1.25, 0), "51.500000N , 1.250000W");
    EXPECT_EQ(FormatLatLong(51.5, -1.25, 1), "51° 30.0000' N , 1° 15.0000' W");
    EXPECT_EQ(FormatLatLong(51.5, -1.25, 2), "51° 30' 00.0'' N, 1° 15' 00.0'' W");
    EXPECT_EQ(FormatLatLong(-33.925, 18.4241, 0), "33.925000S , 18.424100E");
    EXPECT_EQ(FormatLatLong(-33.925, 18.4241, 2), "33° 55' 30.0'' S, 18° 25' 26.8'' E");
    EXPECT_EQ(FormatLatLong(0.0, 0.0, 0), "0.000000N , 0.000000E");
    EXPECT_FALSE(FormatLatLong(51.5, -1.25, 3).has_value());
    EXPECT_FALSE(FormatLatLong(51.5, -1.25, -1).has_value());
}

TEST(FormatLatLongTest, ReadsBackThroughParseLatLong) {
    for (int layout = 0; layout < kLatLongFormats; ++layout) {
        for (auto [lat, lon] : {std::pair{54.454167, -3.211667}, std::pair{-12.3456, 100.5}}) {
            const ParsedLatLong p = ParseLatLong(*FormatLatLong(lat, lon, layout));
            ASSERT_TRUE(p.ok) << layout;
            // Layout 2 shows tenths of a second: 3e-5 degrees.
            EXPECT_NEAR(p.lat_deg, lat, 3e-5) << layout;
            EXPECT_NEAR(p.lon_deg, lon, 3e-5) << layout;
        }
    }
}

// Numbers read as written: a fraction with hundreds of digits is its value, while a coordinate
// beyond the double range is refused like a text without hemisphere letters.
TEST(ParseLatLongTest, LongFractionsAndOverflow) {
    const ParsedLatLong tiny = ParseLatLong("54 0." + std::string(330, '0') + "1N 3W");
    ASSERT_TRUE(tiny.ok);
    EXPECT_DOUBLE_EQ(tiny.lat_deg, 54.0);
    EXPECT_DOUBLE_EQ(tiny.lon_deg, -3.0);
    const std::string digits400 = "1" + std::string(400, '0');
    for (const std::string& text :
         {digits400 + "N 3W", "54N " + digits400 + "W", "54 " + digits400 + "N 3W"}) {
        SCOPED_TRACE(text);
        const ParsedLatLong p = ParseLatLong(text);
        EXPECT_FALSE(p.ok);
        EXPECT_EQ(p.cleaned, "");
    }
}

TEST(FormatLatLongTest, DecimalLayoutIsTheMasksDigits) {
    // Layout 0 is written straight from the fixed-point digits; it must read exactly as the
    // masks "##0.000000" and "###0.000000" write the magnitudes, halves and sign letters included.
    std::mt19937_64 random(54);
    std::uniform_real_distribution<double> lat(-90.0, 90.0), lon(-180.0, 180.0);
    const auto masked = [](double la, double lo) {
        return FormatMask(std::fabs(la), "##0.000000") + (la >= 0 ? "N" : "S") + " , " +
               FormatMask(std::fabs(lo), "###0.000000") + (lo >= 0 ? "E" : "W");
    };
    for (int i = 0; i < 20000; ++i) {
        const double la = lat(random), lo = lon(random);
        ASSERT_EQ(FormatLatLong(la, lo, 0), masked(la, lo)) << la << " " << lo;
    }
    for (auto [la, lo] :
         {std::pair{0.0, -0.0}, std::pair{-0.0000005, 0.0000005}, std::pair{51.0000005, -1.0000015},
          std::pair{89.9999996, 179.9999995}, std::pair{1e300, -1e12}})
        EXPECT_EQ(FormatLatLong(la, lo, 0), masked(la, lo)) << la << " " << lo;
    EXPECT_EQ(FormatLatLong(NAN, 1.0, 0), "NaNS , 1.000000E");  // not north: NaN >= 0 is false
}

}  // namespace
}  // namespace geodesy
