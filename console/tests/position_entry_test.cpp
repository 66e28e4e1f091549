#include "console/position_entry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "console/testing/test_support.h"
#include "geodesy/constants.h"
#include "geodesy/datum_shift.h"
#include "geodesy/transverse_mercator.h"

namespace console {
namespace {

using console::testing::TempDir;
using console::testing::WriteSitesFile;

struct Quiet {
    std::istringstream in;
    std::ostringstream out;
    Console con{in, out, false};
};

// National Grid easting and northing of a WGS84 position, for checking decoded grid references
// (the two Helmert directions are not exact inverses, so round trips agree to a few metres).
geodesy::EastNorth GridOf(const LatLong& p) {
    auto osgb = geodesy::WGS84ToAiry(p.latitude_deg, p.longitude_deg, geodesy::kConsoleAngles);
    return geodesy::LatLongToEastNorth(osgb.lat_deg, osgb.lon_deg, geodesy::kConsoleAngles);
}

TEST(Classification, ByFixedCharacterPositions) {
    EXPECT_EQ(ClassifyPosition("io91wm"), PositionForm::kLocator);
    EXPECT_EQ(ClassifyPosition("IO91WM44LL"), PositionForm::kLocator);
    EXPECT_EQ(ClassifyPosition("SU 123 456"), PositionForm::kGridRef);
    EXPECT_EQ(ClassifyPosition("SU1234567"), PositionForm::kGridRef);
    EXPECT_EQ(ClassifyPosition("GB7123"), PositionForm::kGridRef);  // callsign-like: a grid ref
    EXPECT_EQ(ClassifyPosition("GB3ABC"), PositionForm::kSiteName);
    EXPECT_EQ(ClassifyPosition("Keswick"), PositionForm::kSiteName);
    EXPECT_EQ(ClassifyPosition("IO91W"), PositionForm::kSiteName);      // too short for a locator
    EXPECT_EQ(ClassifyPosition("54.6 -3.1"), PositionForm::kSiteName);  // no typed lat/long
    EXPECT_EQ(ClassifyPosition(""), PositionForm::kSiteName);
}

TEST(Locator, CornerOfThePaddedCell) {
    LatLong p = LocatorCorner("io91wm");  // IO91WM44LL
    EXPECT_DOUBLE_EQ(p.latitude_deg, 51 + 12.0 / 24 + 4.0 / 240 + 11.0 / 5760);
    EXPECT_DOUBLE_EQ(p.longitude_deg, -2 + 22.0 / 12 + 4.0 / 120 + 11.0 / 2880);
    LatLong eight = LocatorCorner("IO91WM44");  // "LL" appended
    EXPECT_DOUBLE_EQ(eight.latitude_deg, p.latitude_deg);
    EXPECT_EQ(NearLocator(p.latitude_deg, p.longitude_deg), "IO91WM44LL");
    EXPECT_EQ(NearLocator(51.5, -1.0).substr(0, 6), "IO91MM");
    EXPECT_EQ(NearLocator(51.5, -1.0).size(), 10u);
}

TEST(GridReference, DigitsSplitInHalvesWithTheirUnit) {
    // Three-digit halves: 100 m unit.
    auto spaced = GridOf(GridRefToLatLong("SU 123 456"));
    EXPECT_NEAR(spaced.e_m, 412300, 5);
    EXPECT_NEAR(spaced.n_m, 145600, 5);
    LatLong a = GridRefToLatLong("su 123 456"), b = GridRefToLatLong("SU123456");
    EXPECT_DOUBLE_EQ(a.latitude_deg, b.latitude_deg);
    EXPECT_DOUBLE_EQ(a.longitude_deg, b.longitude_deg);
    // Seven digits: h = 4, easting 1234 and northing 567, both in 10 m.
    auto seven = GridOf(GridRefToLatLong("SU1234567"));
    EXPECT_NEAR(seven.e_m, 412340, 5);
    EXPECT_NEAR(seven.n_m, 105670, 5);
    // Squares north of the grid's middle: NY (Lake District) and HU (Shetland, first letter H).
    auto ny = GridOf(GridRefToLatLong("NY2154 0722"));
    EXPECT_NEAR(ny.e_m, 321540, 5);
    EXPECT_NEAR(ny.n_m, 507220, 5);
    auto hu = GridOf(GridRefToLatLong("HU5000050000"));
    EXPECT_NEAR(hu.e_m, 450000, 5);
    EXPECT_NEAR(hu.n_m, 1150000, 5);
}

TEST(GridReference, GeneratedTextAndItsLimits) {
    std::string text = GenGridRef(GridRefToLatLong("NY2154 0722").latitude_deg,
                                  GridRefToLatLong("NY2154 0722").longitude_deg);
    ASSERT_EQ(text.size(), 11u);
    EXPECT_EQ(text.substr(0, 2), "NY");
    EXPECT_NEAR(std::stoi(text.substr(2, 4)), 2154, 1);
    EXPECT_EQ(text[6], ' ');
    EXPECT_NEAR(std::stoi(text.substr(7, 4)), 722, 1);
    LatLong shetland = GridRefToLatLong("HU5000050000");
    EXPECT_EQ(GenGridRef(shetland.latitude_deg, shetland.longitude_deg).substr(0, 2), "HU");
    EXPECT_EQ(GenGridRef(40.0, 10.0), "Not valid");
    EXPECT_EQ(GenGridRef(51.5, -12.0), "Not valid");  // west of the grid
}

TEST(DistBearing, GreatCircleAndBearings) {
    DistanceBearing east = DistBearing(0, 0, 0, 1);
    EXPECT_NEAR(east.distance_km, 6371.29 * std::acos(-1.0) / 180, 1e-3);
    EXPECT_NEAR(east.bearing_deg, 90, 1e-9);
    EXPECT_NEAR(east.backBearing_deg, 270, 1e-9);
    DistanceBearing north = DistBearing(54, -3, 55, -3);
    EXPECT_NEAR(north.bearing_deg, 0, 1e-6);
    EXPECT_NEAR(north.backBearing_deg, 180, 1e-6);
    DistanceBearing sw = DistBearing(54.5, -3.0, 54.4, -3.2);
    EXPECT_GT(sw.bearing_deg, 180);
    EXPECT_LT(sw.bearing_deg, 270);
    EXPECT_NEAR(sw.backBearing_deg, sw.bearing_deg - 180, 0.5);  // nearly opposite over 17 km
    DistanceBearing same = DistBearing(54.45, -3.21, 54.45, -3.21);
    EXPECT_EQ(same.distance_km, 0);
    EXPECT_EQ(same.bearing_deg, 0);
    EXPECT_EQ(same.backBearing_deg, 0);
}

class SiteSearch : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteSitesFile(dir.Path(), {
                                       "Black Hill Test Point~NY3000 2000",
                                       "This line has no separator at all",
                                       "Hill Top Test Point~NY3100 2100~comment",
                                       "Lat Long Site~54.6N 3.1W",
                                       "",
                                       "Last Site~io84ko",
                                   });
    }
    TempDir dir;
    Quiet q;
};

TEST_F(SiteSearch, FirstSubstringMatchInFileOrder) {
    ConsolePosition hill = ResolvePosition("hill", dir.Folder(), q.con);
    EXPECT_TRUE(hill.found);
    EXPECT_EQ(hill.text, "Black Hill Test Point");  // not the later "Hill Top"
    LatLong expected = GridRefToLatLong("NY3000 2000");
    EXPECT_DOUBLE_EQ(hill.latitude_deg, expected.latitude_deg);

    ConsolePosition last = ResolvePosition("last", dir.Folder(), q.con);  // the last line
    EXPECT_TRUE(last.found);
    EXPECT_EQ(last.text, "Last Site");
    EXPECT_DOUBLE_EQ(last.latitude_deg, LocatorCorner("IO84KO").latitude_deg);

    ConsolePosition typed = ResolvePosition("io91wm", dir.Folder(), q.con);  // no search
    EXPECT_TRUE(typed.found);
    EXPECT_EQ(typed.text, "io91wm");
}

TEST_F(SiteSearch, NoMatchOrUnreadablePosition) {
    EXPECT_FALSE(FindSite("Nowhere", dir.Folder(), q.con).found);
    ConsolePosition latLong = FindSite("lat long", dir.Folder(), q.con);
    EXPECT_FALSE(latLong.found);  // first match, but neither grid reference nor locator
    EXPECT_FALSE(latLong.siteFileMissing);
    EXPECT_EQ(q.out.str(), "");

    TempDir empty;
    ConsolePosition missing = ResolvePosition("Keswick", empty.Folder(), q.con);
    EXPECT_FALSE(missing.found);
    EXPECT_TRUE(missing.siteFileMissing);
    EXPECT_EQ(q.out.str(), empty.Folder() + "SITES.DAT not found\n");
}

TEST_F(SiteSearch, NearestSiteSkipsUnreadableLines) {
    LatLong hillTop = GridRefToLatLong("NY3100 2100");
    auto nearest = NearestSite(hillTop.latitude_deg + 0.001, hillTop.longitude_deg, dir.Folder());
    ASSERT_TRUE(nearest.has_value());
    EXPECT_EQ(nearest->name, "Hill Top Test Point");
    EXPECT_NEAR(nearest->distance_km, 0.1112, 0.001);
    EXPECT_DOUBLE_EQ(nearest->latitude_deg, hillTop.latitude_deg);
    EXPECT_DOUBLE_EQ(nearest->longitude_deg, hillTop.longitude_deg);

    TempDir empty;
    EXPECT_FALSE(NearestSite(54.5, -3.0, empty.Folder()).has_value());
}

TEST(BasePositionLine, ColumnTenInColourSix) {
    std::istringstream in;
    std::ostringstream plain, ansi;
    Console con(in, plain, false);
    PrintBasePositionLine(con, 54.4542, -3.2117, "IO84JL12AB", "NY2154 0722", 971,
                          kBaseLineMaskShort);
    EXPECT_EQ(plain.str(),
              "         Base Lat  54.4542° Long  -3.2117°  IO84JL12AB  NY2154 0722   971m AGL\n");
    Console coloured(in, ansi, true);
    PrintBasePositionLine(coloured, 54.4542, -3.2117, "IO84JL12AB", "NY2154 0722", 971);
    EXPECT_EQ(ansi.str().substr(0, 5), "\x1b[33m");
    EXPECT_NE(ansi.str().find("\x1b[37m"), std::string::npos);
}

TEST(RealSites, ScafellFindsScafellPikeFirst) {
    std::string folder = std::string(TORMARK_TEST_DATA) + "/sites/";
    if (!std::filesystem::exists(folder + "Sites.dat")) GTEST_SKIP() << "no test data";
    Quiet q;
    // "Sites.dat" is found under the spelling "SITES.DAT".
    ConsolePosition p = ResolvePosition("scafell", folder, q.con);
    ASSERT_TRUE(p.found);
    EXPECT_EQ(p.text, "Scafell Pike");
    EXPECT_NEAR(p.latitude_deg, 54.454, 0.002);
    EXPECT_NEAR(p.longitude_deg, -3.212, 0.002);
    ConsolePosition skiddaw = ResolvePosition("Skiddaw", folder, q.con);
    ASSERT_TRUE(skiddaw.found);
    EXPECT_EQ(NearLocator(skiddaw.latitude_deg, skiddaw.longitude_deg), "IO84KP26GH");
}

}  // namespace
}  // namespace console
