// The console tools' conversions: the corner of a padded locator cell, the loose grid-reference
// reading, the 10 m grid reference, the rounded locator, and distance and bearings.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "geodesy/constants.h"
#include "geodesy/datum_shift.h"
#include "geodesy/distance_bearing.h"
#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"
#include "geodesy/transverse_mercator.h"

namespace geodesy {
namespace {

// National Grid easting and northing of a WGS84 position, for checking decoded grid references
// (the two Helmert directions are not exact inverses, so round trips agree to a few metres).
EastNorth GridOf(const LatLon& p) {
    auto osgb = WGS84ToAiry(p.lat_deg, p.lon_deg, kConsoleAngles);
    return LatLongToEastNorth(osgb.lat_deg, osgb.lon_deg, kConsoleAngles);
}

TEST(ConsoleLocatorTest, CornerOfThePaddedCell) {
    LatLon p = ParseLocatorCorner("io91wm");  // IO91WM44LL
    EXPECT_DOUBLE_EQ(p.lat_deg, 51 + 12.0 / 24 + 4.0 / 240 + 11.0 / 5760);
    EXPECT_DOUBLE_EQ(p.lon_deg, -2 + 22.0 / 12 + 4.0 / 120 + 11.0 / 2880);
    LatLon eight = ParseLocatorCorner("IO91WM44");  // "LL" appended
    EXPECT_DOUBLE_EQ(eight.lat_deg, p.lat_deg);
    EXPECT_EQ(FormatLocatorRounded({p.lat_deg, p.lon_deg}), "IO91WM44LL");
    EXPECT_EQ(FormatLocatorRounded({51.5, -1.0}).substr(0, 6), "IO91MM");
    EXPECT_EQ(FormatLocatorRounded({51.5, -1.0}).size(), 10u);
}

TEST(ConsoleGridRefTest, DigitsSplitInHalvesWithTheirUnit) {
    // Three-digit halves: 100 m unit.
    auto spaced = GridOf(ParseGridRefCorner("SU 123 456"));
    EXPECT_NEAR(spaced.e_m, 412300, 5);
    EXPECT_NEAR(spaced.n_m, 145600, 5);
    LatLon a = ParseGridRefCorner("su 123 456"), b = ParseGridRefCorner("SU123456");
    EXPECT_DOUBLE_EQ(a.lat_deg, b.lat_deg);
    EXPECT_DOUBLE_EQ(a.lon_deg, b.lon_deg);
    // Seven digits: h = 4, easting 1234 and northing 567, both in 10 m.
    auto seven = GridOf(ParseGridRefCorner("SU1234567"));
    EXPECT_NEAR(seven.e_m, 412340, 5);
    EXPECT_NEAR(seven.n_m, 105670, 5);
    // Squares north of the grid's middle: NY (Lake District) and HU (Shetland, first letter H).
    auto ny = GridOf(ParseGridRefCorner("NY2154 0722"));
    EXPECT_NEAR(ny.e_m, 321540, 5);
    EXPECT_NEAR(ny.n_m, 507220, 5);
    auto hu = GridOf(ParseGridRefCorner("HU5000050000"));
    EXPECT_NEAR(hu.e_m, 450000, 5);
    EXPECT_NEAR(hu.n_m, 1150000, 5);
}

TEST(ConsoleGridRefTest, GeneratedTextAndItsLimits) {
    std::string text = FormatGridRef10m(
        {ParseGridRefCorner("NY2154 0722").lat_deg, ParseGridRefCorner("NY2154 0722").lon_deg});
    ASSERT_EQ(text.size(), 11u);
    EXPECT_EQ(text.substr(0, 2), "NY");
    EXPECT_NEAR(std::stoi(text.substr(2, 4)), 2154, 1);
    EXPECT_EQ(text[6], ' ');
    EXPECT_NEAR(std::stoi(text.substr(7, 4)), 722, 1);
    LatLon shetland = ParseGridRefCorner("HU5000050000");
    EXPECT_EQ(FormatGridRef10m({shetland.lat_deg, shetland.lon_deg}).substr(0, 2), "HU");
    EXPECT_EQ(FormatGridRef10m({40.0, 10.0}), "Not valid");
    EXPECT_EQ(FormatGridRef10m({51.5, -12.0}), "Not valid");  // west of the grid
}

TEST(DistBearBetweenTest, GreatCircleAndBearings) {
    DistanceBearing east = DistBearBetween({0, 0}, {0, 1});
    EXPECT_NEAR(east.distance_km, 6371.29 * std::acos(-1.0) / 180, 1e-3);
    EXPECT_NEAR(east.bearing_deg, 90, 1e-9);
    EXPECT_NEAR(east.back_bearing_deg, 270, 1e-9);
    DistanceBearing north = DistBearBetween({54, -3}, {55, -3});
    EXPECT_NEAR(north.bearing_deg, 0, 1e-6);
    EXPECT_NEAR(north.back_bearing_deg, 180, 1e-6);
    DistanceBearing sw = DistBearBetween({54.5, -3.0}, {54.4, -3.2});
    EXPECT_GT(sw.bearing_deg, 180);
    EXPECT_LT(sw.bearing_deg, 270);
    EXPECT_NEAR(sw.back_bearing_deg, sw.bearing_deg - 180, 0.5);  // nearly opposite over 17 km
    DistanceBearing same = DistBearBetween({54.45, -3.21}, {54.45, -3.21});
    EXPECT_EQ(same.distance_km, 0);
    EXPECT_EQ(same.bearing_deg, 0);
    EXPECT_EQ(same.back_bearing_deg, 0);
}

}  // namespace
}  // namespace geodesy
