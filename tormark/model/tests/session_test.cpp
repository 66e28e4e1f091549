// The window state without widgets: what "&Use This", "&Set as Home" and "L/L Format" leave in
// the boxes, and the texts built from masks.

#include <gtest/gtest.h>

#include "model_test_support.h"
#include "site_session.h"

namespace tormark {
namespace {

class SessionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        session.databasePath = test::WriteFile(dir, "Sites.dat",
                                               {"Hill Top~ST4523 8150~a hill", "Radio Mast~IO91IM",
                                                "Odd Place~XY", "ENDENDEND", "After End~SU123456"});
    }
    test::TempDir dir;
    SiteSession session;
};

TEST_F(SessionTest, TypedFormsFillTheirOwnBoxAndComputeTheOthers) {
    {
        SCOPED_TRACE("locator");
        session.UseThis("io91im");
        EXPECT_EQ(session.boxes.locator, "IO91IM");
        EXPECT_EQ(session.boxes.locNgrBack, kTypedBack);
        EXPECT_EQ(session.boxes.llBack, kTypedBack);
        EXPECT_EQ(session.boxes.locFore, kBlack);
        EXPECT_EQ(session.boxes.ngrFore, kCalculatedRed);
        EXPECT_EQ(session.boxes.ydim, "4633m");
        EXPECT_EQ(session.boxes.xdim, "5766m");
        EXPECT_NEAR(session.resolution_km, 4.63333, 1e-5);
        EXPECT_TRUE(session.boxes.setHomeEnabled);
    }
    {
        SCOPED_TRACE("grid reference");
        session.UseThis("SU5096012345");
        EXPECT_EQ(session.boxes.ngr, "SU5096012345");
        EXPECT_EQ(session.boxes.llBack, kTypedNgrLLBack);
        EXPECT_EQ(session.boxes.locFore, kCalculatedRed);
        EXPECT_EQ(session.boxes.ngrFore, kBlack);
        EXPECT_NEAR(session.lat_deg, 50.908333, 1e-5);
        EXPECT_NEAR(session.lon_deg, -1.276575, 1e-5);
        ASSERT_TRUE(session.boxes.hasEastNorth);
        EXPECT_DOUBLE_EQ(session.boxes.easting_m, 450960);
        EXPECT_DOUBLE_EQ(session.boxes.northing_m, 112345);
        EXPECT_EQ(session.boxes.osMapCaption, "SU51");
        EXPECT_EQ(session.siteName, "");
    }
    {
        SCOPED_TRACE("latitude/longitude");
        session.UseThis("51°30'N, 1°15'W");
        EXPECT_EQ(session.boxes.input, "51 30 N 1 15 W");
        EXPECT_EQ(session.pointing.ipt, "51 30 N 1 15 W");
        EXPECT_EQ(session.boxes.latlong, "51.500000N , 1.250000W");
        EXPECT_EQ(session.boxes.locNgrBack, kLatLongBack);
        EXPECT_EQ(session.boxes.locFore, kBlack);
        EXPECT_EQ(session.boxes.ngrFore, kBlack);
        EXPECT_EQ(session.boxes.xdim, "~");
    }
}

TEST_F(SessionTest, DatabaseOutcomes) {
    session.UseThis("hill");
    EXPECT_EQ(session.boxes.input, "Hill Top   ST4523 8150");
    EXPECT_EQ(session.boxes.ngr, "ST45238150");
    EXPECT_EQ(session.boxes.locNgrBack, kSiteBack);
    EXPECT_EQ(session.boxes.ngrFore, kBlack);
    EXPECT_EQ(session.boxes.locFore, kCalculatedRed);
    EXPECT_EQ(session.siteName, "Hill Top");

    session.UseThis("mast");
    EXPECT_EQ(session.boxes.locator, "IO91IM");
    EXPECT_EQ(session.boxes.locFore, kBlack);
    EXPECT_EQ(session.boxes.ngrFore, kCalculatedRed);

    const double lat = session.lat_deg;
    session.UseThis("odd place");
    EXPECT_EQ(session.boxes.locator, "ERROR");
    EXPECT_EQ(session.boxes.ngr, "ERROR");
    EXPECT_EQ(session.boxes.latlong, "");
    EXPECT_FALSE(session.boxes.setHomeEnabled);
    EXPECT_EQ(session.lat_deg, lat);

    session.UseThis("after end");
    EXPECT_EQ(session.boxes.input, "Not Found");
    EXPECT_EQ(session.pointing.ipt, "Not Found");
    EXPECT_EQ(session.boxes.locator, "");
    EXPECT_EQ(session.boxes.ngr, "");
    EXPECT_EQ(session.boxes.latlong, "");
    EXPECT_FALSE(session.boxes.setHomeEnabled);
    EXPECT_EQ(session.lat_deg, lat);

    session.databasePath = dir.FilePath("missing.dat");
    const auto r = session.UseThis("hill");
    EXPECT_EQ(r.message, "Site datbase not found");
    EXPECT_EQ(session.boxes.input, "hill");  // the typed text stays
}

TEST_F(SessionTest, FailedInputsKeepThePosition) {
    session.UseThis("IO91IM00");
    const double lat = session.lat_deg, lon = session.lon_deg;
    session.UseThis("IO91IM0");
    EXPECT_EQ(session.boxes.input, "Locator error");
    EXPECT_FALSE(session.boxes.setHomeEnabled);
    EXPECT_EQ(session.lat_deg, lat);
    session.UseThis("51.5 1.25");  // a number, but no hemisphere letters
    EXPECT_EQ(session.boxes.input, "");
    EXPECT_EQ(session.lat_deg, lat);
    EXPECT_EQ(session.lon_deg, lon);
    session.UseThis("");
    EXPECT_FALSE(session.boxes.setHomeEnabled);
    // A locator naming no place cannot become home either.
    session.UseThis("XZ99 ZZ");
    EXPECT_EQ(session.boxes.input, "XZ99 ZZ");
    EXPECT_EQ(session.boxes.locator, "Not valid");
    EXPECT_EQ(session.boxes.latlong, "");
    EXPECT_FALSE(session.boxes.hasEastNorth);
    EXPECT_FALSE(session.boxes.setHomeEnabled);
    EXPECT_EQ(session.lat_deg, lat);
}

TEST_F(SessionTest, SetAsHomeAndTheWorkedPair) {
    session.UseThis("52N 0E");
    const std::string caption = session.SetAsHome();
    // No name: no " - " before the locator.
    EXPECT_EQ(caption, "Home Station:  " + session.boxes.locator + "  " + session.boxes.ngr);
    EXPECT_TRUE(session.homeSet);
    EXPECT_EQ(session.homeName, "52N 0E");
    EXPECT_EQ(session.pointing.ipt, "");

    session.UseThis("51.5N 1W");
    EXPECT_NEAR(session.distBear.dist_km, 88.4901, 1e-4);
    EXPECT_NEAR(session.distBear.bearing_deg, 231.468, 1e-3);
    EXPECT_NEAR(session.distBear.back_bearing_deg, 50.683, 1e-3);
    EXPECT_EQ(session.pointing.dist, "88.49");
    EXPECT_EQ(session.pointing.bear, "231.5\xC2\xB0");
    EXPECT_EQ(session.pointing.backBear, "50.7\xC2\xB0");
    EXPECT_EQ(session.pointing.uncert, "0.001km 0.0 deg");

    session.UseThis("mast");
    EXPECT_EQ(session.siteName, "Radio Mast");
    // The caption takes the boxes as they read, typed over or not.
    session.boxes.locator = "IO91IM";
    session.boxes.ngr = "SU49 35";
    EXPECT_EQ(session.SetAsHome(), "Home Station:  Radio Mast - IO91IM  SU49 35");
}

TEST_F(SessionTest, OpeningTheListingPanelEmptiesTheResultsButKeepsThePosition) {
    session.UseThis("52N 0E");
    session.SetAsHome();
    session.UseThis("51.5N 1W");
    ASSERT_EQ(session.pointing.dist, "88.49");
    const std::string eastNorth = session.boxes.eastNorth;
    session.OpenListingPanel();
    EXPECT_EQ(session.boxes.locator, "");
    EXPECT_EQ(session.boxes.ngr, "");
    EXPECT_EQ(session.boxes.latlong, "");
    EXPECT_EQ(session.pointing.dist, "");
    EXPECT_EQ(session.pointing.bear, "");
    EXPECT_EQ(session.pointing.backBear, "");
    EXPECT_EQ(session.pointing.uncert, "");
    EXPECT_FALSE(session.boxes.setHomeEnabled);
    // What the panel does not cover stays: the input copy, the easting/northing, the site.
    EXPECT_EQ(session.pointing.ipt, "51.5N 1W");
    EXPECT_EQ(session.boxes.eastNorth, eastNorth);
    EXPECT_EQ(session.lat_deg, 51.5);
    EXPECT_TRUE(session.homeSet);
}

TEST(UncertaintyText, FourFormsByKindOfInput) {
    EXPECT_EQ(UncertaintyText(UncertForm::kGridRef, 0.0014, 0.26), "0.001km 0.3 deg");
    EXPECT_EQ(UncertaintyText(UncertForm::kLocator, 3.2436, 1.04), "3.244km 1.0deg");
    EXPECT_EQ(UncertaintyText(UncertForm::kLatLong, 0.0014, 0.05), "0.001km 0.1 deg");
    EXPECT_EQ(UncertaintyText(UncertForm::kLatLong, 1.5, 0.05), "1.50km 0.1 deg");
    EXPECT_EQ(UncertaintyText(UncertForm::kSite, 0.0707, 0.0125), "0.013deg / 0.07km / ");
}

TEST(RestoredHome, TextAndBoxes) {
    EXPECT_EQ(RestoredHomeText(51.5, -1.25), "Base    Lat: 51.5  Long: -1.25");
    EXPECT_EQ(RestoredHomeText(0.5, 0), "Base    Lat: .5  Long: .");
    SiteSession s;
    s.RestoreHome(51.5, -1.0);
    EXPECT_EQ(s.boxes.locator, "IO91MM00AA");
    EXPECT_EQ(s.boxes.latlong, "51.500000N , 1.000000W");
    EXPECT_EQ(s.boxes.llBack, kLatLongBack);
    EXPECT_EQ(s.pointing.ipt, s.boxes.input);
    EXPECT_EQ(s.pointing.dist, "");  // blank until the first resolution
    EXPECT_TRUE(s.boxes.setHomeEnabled);
}

TEST(LatLongFormat, ThreePressesReturnToTheFirstLayout) {
    SiteSession s;
    s.UseThis("51.5N 1.25W");
    const std::string first = s.boxes.latlong;
    s.NextLatLongFormat();
    EXPECT_EQ(s.boxes.latlong, "51° 30.0000' N , 1° 15.0000' W");
    s.NextLatLongFormat();
    EXPECT_EQ(s.boxes.latlong, "51° 30' 00.0'' N, 1° 15' 00.0'' W");
    s.NextLatLongFormat();
    EXPECT_EQ(s.boxes.latlong, first);
}

}  // namespace
}  // namespace tormark
