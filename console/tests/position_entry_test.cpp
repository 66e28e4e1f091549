#include "console/position_entry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "console/testing/test_support.h"
#include "testing/real_data.h"

namespace console {
namespace {

using console::testing::TempDir;
using console::testing::WriteSitesFile;

struct Quiet {
    std::istringstream in;
    std::ostringstream out;
    Console con{in, out, false};
};

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
    geodesy::LatLon expected = geodesy::ParseGridRefCorner("NY3000 2000");
    EXPECT_DOUBLE_EQ(hill.latitude_deg, expected.lat_deg);

    ConsolePosition last = ResolvePosition("last", dir.Folder(), q.con);  // the last line
    EXPECT_TRUE(last.found);
    EXPECT_EQ(last.text, "Last Site");
    EXPECT_DOUBLE_EQ(last.latitude_deg, geodesy::ParseLocatorCorner("IO84KO").lat_deg);

    ConsolePosition typed = ResolvePosition("io91wm", dir.Folder(), q.con);  // no search
    EXPECT_TRUE(typed.found);
    EXPECT_EQ(typed.text, "io91wm");
}

// A typed latitude/longitude is taken as one in each form; texts that were grid references,
// locators or site names before are read exactly as before.
TEST_F(SiteSearch, LatitudeLongitudeBeforeTheFixedPositions) {
    const double scafellLat = 54.4543, scafellLon = -3.2117;
    const double dmsLat = 54 + 27 / 60.0 + 15 / 3600.0, dmsLon = -(3 + 12 / 60.0 + 42 / 3600.0);
    struct Case {
        const char* text;
        double lat, lon;
    };
    const Case cases[] = {
        {"54.4543 -3.2117", scafellLat, scafellLon},  // a grid reference in Alabama before
        {"54.4543, -3.2117", scafellLat, scafellLon},
        {"54 27 15N 3 12 42W", dmsLat, dmsLon},  // a site search before
        {"54.4543N 3.2117W", scafellLat, scafellLon},
        {"3.2117w 54.4543n", scafellLat, scafellLon},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ConsolePosition p = ResolvePosition(c.text, dir.Folder(), q.con);
        ASSERT_TRUE(p.found);
        EXPECT_NEAR(p.latitude_deg, c.lat, 1e-9);
        EXPECT_NEAR(p.longitude_deg, c.lon, 1e-9);
        EXPECT_EQ(p.text, c.text);
    }

    const geodesy::LatLon gridRef = geodesy::ParseGridRefCorner("NY 3000 2000");
    const ConsolePosition asGridRef = ResolvePosition("NY 3000 2000", dir.Folder(), q.con);
    EXPECT_DOUBLE_EQ(asGridRef.latitude_deg, gridRef.lat_deg);
    EXPECT_DOUBLE_EQ(asGridRef.longitude_deg, gridRef.lon_deg);
    const ConsolePosition asLocator = ResolvePosition("IO84KO", dir.Folder(), q.con);
    EXPECT_DOUBLE_EQ(asLocator.latitude_deg, geodesy::ParseLocatorCorner("IO84KO").lat_deg);
    EXPECT_EQ(ResolvePosition("Hill Top", dir.Folder(), q.con).text, "Hill Top Test Point");
    // Off the globe, or not wholly a position: the old reading, here a failed site search.
    EXPECT_FALSE(ResolvePosition("95 -3", dir.Folder(), q.con).found);
    EXPECT_FALSE(ResolvePosition("54 27N 3 12W mast", dir.Folder(), q.con).found);
    EXPECT_EQ(q.out.str(), "");
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
    geodesy::LatLon hillTop = geodesy::ParseGridRefCorner("NY3100 2100");
    auto nearest = NearestSite(hillTop.lat_deg + 0.001, hillTop.lon_deg, dir.Folder());
    ASSERT_TRUE(nearest.has_value());
    EXPECT_EQ(nearest->name, "Hill Top Test Point");
    EXPECT_NEAR(nearest->distance_km, 0.1112, 0.001);
    EXPECT_DOUBLE_EQ(nearest->latitude_deg, hillTop.lat_deg);
    EXPECT_DOUBLE_EQ(nearest->longitude_deg, hillTop.lon_deg);

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
    TORMARK_SKIP_WITHOUT_REAL_DATA("sites/Sites.dat");
    const std::string folder = realdata::Path("sites").string() + "/";
    Quiet q;
    // "Sites.dat" is found under the spelling "SITES.DAT".
    ConsolePosition p = ResolvePosition("scafell", folder, q.con);
    ASSERT_TRUE(p.found);
    EXPECT_EQ(p.text, "Scafell Pike");
    EXPECT_NEAR(p.latitude_deg, 54.454, 0.002);
    EXPECT_NEAR(p.longitude_deg, -3.212, 0.002);
    ConsolePosition skiddaw = ResolvePosition("Skiddaw", folder, q.con);
    ASSERT_TRUE(skiddaw.found);
    EXPECT_EQ(geodesy::FormatLocatorRounded({skiddaw.latitude_deg, skiddaw.longitude_deg}),
              "IO84KP26GH");
}

}  // namespace
}  // namespace console
