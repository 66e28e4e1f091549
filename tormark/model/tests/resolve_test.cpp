// The "&Use This" resolve step: each input kind, its failures and the database outcomes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"
#include "geodesy/position_input.h"
#include "resolve_input.h"
#include "sitefile/site_search.h"
#include "testing/real_data.h"

namespace tormark {
namespace {

using namespace geodesy;

namespace fs = std::filesystem;

constexpr char kSites[] =
    "Hill Top~ST4523 8150\r\n"
    "Beacon~io91im00\r\n"
    "Lat Long Site~54.6N 3.1W\r\n"
    "Spaced Grid Ref~NY 215 072\r\n"
    "Odd Length Locator~IO84KO4\r\n"
    "Long Grid Ref~SU1234567890123\r\n"
    "Off Grid~XZ12 34\r\n"
    "ENDENDEND\r\n"
    "After End~NY342151\r\n";

class ResolveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("tormark_resolve_" + std::to_string(rd()));
        fs::create_directories(dir_);
        path_ = (dir_ / "Sites.dat").string();
        std::ofstream(path_, std::ios::binary) << kSites;
    }
    void TearDown() override { fs::remove_all(dir_); }

    // The previous position: somewhere else, with a stale resolution.
    ResolveResult Resolve(const std::string& input, std::optional<Site> home = std::nullopt) {
        ResolveRequest req;
        req.input = input;
        req.lat_deg = 50.0;
        req.lon_deg = -4.0;
        req.resolution_km = 3.0;
        req.llFormat = 0;
        req.databasePath = path_;
        req.home = home;
        return ResolveInput(req);
    }

    fs::path dir_;
    std::string path_;
};

void ExpectUnchanged(const ResolveResult& r) {
    EXPECT_FALSE(r.positionChanged);
    EXPECT_EQ(r.lat_deg, 50.0);
    EXPECT_EQ(r.lon_deg, -4.0);
    EXPECT_EQ(r.resolution_km, 3.0);
}

TEST_F(ResolveTest, TypedGridReference) {
    const ResolveResult r = Resolve("su5096 1234");
    EXPECT_EQ(r.kind, ResolveKind::kGridRef);
    EXPECT_EQ(r.inputClass, InputClass::kGridRef);
    EXPECT_TRUE(r.positionChanged);
    EXPECT_EQ(r.resolution_km, 0.01);
    EXPECT_EQ(r.inputText, "SU5096 1234");
    EXPECT_EQ(r.ngrText, "SU50961234");
    EXPECT_EQ(r.locatorText, FormatLocator(r.lat_deg, r.lon_deg));
    EXPECT_EQ(r.eastNorthText, "E: 450960 , N: 112340");
    EXPECT_EQ(r.square10km, "SU51");
    EXPECT_EQ(r.xSizeText, "10m");
    EXPECT_EQ(r.ySizeText, "10m");
    EXPECT_EQ(r.llText, FormatLatLong(r.lat_deg, r.lon_deg, 0));
    EXPECT_EQ(r.sitename, "");
    EXPECT_FALSE(r.distBear.has_value());  // no home set
}

TEST_F(ResolveTest, TypedLocator) {
    const ResolveResult r = Resolve("io91 im");
    EXPECT_EQ(r.kind, ResolveKind::kLocator);
    EXPECT_NEAR(r.lat_deg, 51.518836, 1e-6);
    EXPECT_NEAR(r.lon_deg, -1.2956633, 1e-6);
    EXPECT_EQ(r.locatorText, "IO91IM");
    // 4.6 km: a 2-digit grid reference of the same position.
    EXPECT_EQ(r.ngrText, FormatGridRef(r.lat_deg, r.lon_deg, r.resolution_km).text);
    EXPECT_EQ(r.ngrText->size(), 7u);  // "SU.. .." style
    EXPECT_EQ(r.xSizeText, "5766m");
    EXPECT_EQ(r.ySizeText, "4633m");
    EXPECT_EQ(r.inputText, "IO91 IM");
}

TEST_F(ResolveTest, OddLocatorChangesNothingElse) {
    const ResolveResult r = Resolve("IO91IM0", Site{52.0, 0.0, 0.001});
    EXPECT_EQ(r.kind, ResolveKind::kRefusedLocator);
    EXPECT_EQ(r.inputText, "Locator error");
    ExpectUnchanged(r);
    EXPECT_FALSE(r.locatorText.has_value());
    EXPECT_FALSE(r.ngrText.has_value());
    EXPECT_FALSE(r.llText.has_value());
    EXPECT_FALSE(r.distBear.has_value());
}

TEST_F(ResolveTest, TypedLatLong) {
    const ResolveResult r = Resolve("51°30'n, 1°15'w", Site{52.0, 0.0, 0.001});
    EXPECT_EQ(r.kind, ResolveKind::kLatLong);
    EXPECT_EQ(r.lat_deg, 51.5);
    EXPECT_EQ(r.lon_deg, -1.25);
    EXPECT_EQ(r.resolution_km, 0.001);
    EXPECT_EQ(r.inputText, "51 30 N 1 15 W");
    EXPECT_EQ(r.xSizeText, "~");
    EXPECT_EQ(r.ySizeText, "~");
    EXPECT_EQ(r.ngrText, FormatGridRef(51.5, -1.25, 0.001).text);
    EXPECT_EQ(r.locatorText, FormatLocator(51.5, -1.25));
    EXPECT_EQ(r.llText, "51.500000N , 1.250000W");
    ASSERT_TRUE(r.distBear.has_value());
    EXPECT_NEAR(r.distBear->dist_km, DistBear({51.5, -1.25, 0.001}, {52.0, 0.0, 0.001}).dist_km,
                1e-12);
}

TEST_F(ResolveTest, UnreadableLatLongShowsThePreviousPosition) {
    const ResolveResult r = Resolve("51.5 1.25", Site{52.0, 0.0, 0.001});
    EXPECT_EQ(r.kind, ResolveKind::kUnreadableLatLong);
    EXPECT_EQ(r.inputText, "");
    ExpectUnchanged(r);
    EXPECT_EQ(r.locatorText, FormatLocator(50.0, -4.0));
    EXPECT_EQ(r.ngrText, FormatGridRef(50.0, -4.0, 3.0).text);
    EXPECT_EQ(r.llText, FormatLatLong(50.0, -4.0, 0));
    EXPECT_TRUE(r.distBear.has_value());
}

TEST_F(ResolveTest, TooManyGridDigitsIsRefused) {
    const ResolveResult r = Resolve("SU1234567890123");
    EXPECT_EQ(r.kind, ResolveKind::kRefusedGridRef);
    EXPECT_NE(r.message.find("more than 5 digits"), std::string::npos);
    ExpectUnchanged(r);
    EXPECT_FALSE(r.ngrText.has_value());
}

// Text of the shape of a locator or a grid reference whose letters name no place: refused as
// "Not valid" in the box of its form, not placed at latitude 170 N or 500 km south of the grid.
TEST_F(ResolveTest, FormsNamingNoPlaceAreNotValid) {
    const struct {
        const char* typed;
        InputClass form;
    } cases[] = {
        {"XZ99 ZZ", InputClass::kLocator},     // fields end at R: latitude 170 N
        {"IO91IZ", InputClass::kLocator},      // subsquares end at X
        {"XZ99 9999", InputClass::kGridRef},   // 500 km south-west of the grid
        {"TH12 34", InputClass::kGridRef},     // the column east of TG
        {"IA1234 5678", InputClass::kGridRef}  // the letters skip I
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const ResolveResult r = Resolve(c.typed, Site{52.0, 0.0, 0.001});
        EXPECT_EQ(r.kind, ResolveKind::kNamesNoPlace);
        EXPECT_EQ(r.typedClass, c.form);
        ExpectUnchanged(r);
        EXPECT_FALSE(r.distBear.has_value());
        const bool locator = c.form == InputClass::kLocator;
        EXPECT_EQ(r.locatorText, locator ? "Not valid" : "");
        EXPECT_EQ(r.ngrText, locator ? "" : "Not valid");
        EXPECT_EQ(r.llText, "");
        EXPECT_EQ(r.eastNorthText, "");
        EXPECT_EQ(r.message, "");                // shown in the box, not in a message box
        EXPECT_FALSE(r.inputText.has_value());  // the input stays as typed
    }
    // The squares at the grid's corners are places.
    for (const char* typed : {"SV0000 0000", "HP9999 9999", "TG9999 0000", "RR99XX", "AA00AA"}) {
        SCOPED_TRACE(typed);
        EXPECT_TRUE(Resolve(typed).positionChanged);
    }
}

TEST_F(ResolveTest, EmptyInputDoesNothing) {
    const ResolveResult r = Resolve("", Site{52.0, 0.0, 0.001});
    EXPECT_EQ(r.kind, ResolveKind::kEmpty);
    ExpectUnchanged(r);
    EXPECT_FALSE(r.inputText.has_value());
    EXPECT_FALSE(r.distBear.has_value());
}

TEST_F(ResolveTest, DatabaseGridReference) {
    const ResolveResult r = Resolve("hill", Site{52.0, 0.0, 0.001});
    EXPECT_EQ(r.kind, ResolveKind::kSite);
    EXPECT_EQ(r.inputClass, InputClass::kGridRef);
    EXPECT_EQ(r.inputText, "Hill Top   ST4523 8150");
    EXPECT_EQ(r.ngrText, "ST45238150");
    EXPECT_EQ(r.sitename, "Hill Top");
    EXPECT_EQ(r.resolution_km, 0.01);
    EXPECT_TRUE(r.distBear.has_value());
    // A name search through the location field finds the same entry.
    EXPECT_EQ(Resolve("st45").sitename, "Hill Top");
}

TEST_F(ResolveTest, DatabaseLocatorAndLatLong) {
    const ResolveResult loc = Resolve("beacon");
    EXPECT_EQ(loc.kind, ResolveKind::kSite);
    EXPECT_EQ(loc.inputClass, InputClass::kLocator);
    EXPECT_EQ(loc.locatorText, "IO91IM00");
    EXPECT_NEAR(loc.lat_deg, 51.5021693, 1e-6);
    EXPECT_EQ(loc.ngrText, FormatGridRef(loc.lat_deg, loc.lon_deg, loc.resolution_km).text);
    EXPECT_EQ(loc.sitename, "Beacon");

    // A stored latitude/longitude is read, not ignored.
    const ResolveResult ll = Resolve("lat long");
    EXPECT_EQ(ll.kind, ResolveKind::kSite);
    EXPECT_EQ(ll.inputClass, InputClass::kLatLong);
    EXPECT_NEAR(ll.lat_deg, 54.6, 1e-12);
    EXPECT_NEAR(ll.lon_deg, -3.1, 1e-12);
    EXPECT_EQ(ll.inputText, "Lat Long Site   54.6N 3.1W");
    EXPECT_EQ(ll.sitename, "Lat Long Site");
}

TEST_F(ResolveTest, DatabaseUnreadableLocations) {
    for (const char* name : {"spaced", "long grid", "off grid"}) {
        SCOPED_TRACE(name);
        const ResolveResult r = Resolve(name, Site{52.0, 0.0, 0.001});
        EXPECT_EQ(r.kind, ResolveKind::kSiteLocationError);
        EXPECT_EQ(r.locatorText, "ERROR");
        EXPECT_EQ(r.ngrText, "ERROR");
        EXPECT_EQ(r.llText, "");
        ExpectUnchanged(r);
        EXPECT_FALSE(r.sitename.has_value());  // the old position keeps its name
    }
    const ResolveResult odd = Resolve("odd length");
    EXPECT_EQ(odd.kind, ResolveKind::kRefusedLocator);
    EXPECT_EQ(odd.inputText, "Locator error");
    ExpectUnchanged(odd);
}

TEST_F(ResolveTest, DatabaseSearchOutcomes) {
    const ResolveResult not_found = Resolve("after end", Site{52.0, 0.0, 0.001});
    EXPECT_EQ(not_found.kind, ResolveKind::kNoSuchSite);
    EXPECT_EQ(not_found.inputText, "Not Found");
    EXPECT_EQ(not_found.message, "");
    EXPECT_EQ(not_found.locatorText, "");
    EXPECT_EQ(not_found.ngrText, "");
    EXPECT_EQ(not_found.llText, "");
    ExpectUnchanged(not_found);
    EXPECT_FALSE(not_found.distBear.has_value());

    std::ofstream(path_, std::ios::binary) << "Hill Top~ST4523 8150\r\n";
    // The end of a file without "ENDENDEND" is "Not Found" too: the boxes no longer keep the
    // previous site's results under the newly typed name.
    const ResolveResult ended = Resolve("nowhere");
    EXPECT_EQ(ended.kind, ResolveKind::kNoSuchSite);
    EXPECT_EQ(ended.inputText, "Not Found");
    EXPECT_EQ(ended.locatorText, "");
    EXPECT_EQ(ended.ngrText, "");
    EXPECT_EQ(ended.llText, "");
    ExpectUnchanged(ended);

    fs::remove(path_);
    const ResolveResult missing = Resolve("hill");
    EXPECT_EQ(missing.kind, ResolveKind::kNoDatabase);
    EXPECT_EQ(missing.message, "Site datbase not found");
    EXPECT_FALSE(missing.inputText.has_value());
    ExpectUnchanged(missing);
}

// The listing resolves every database line through ResolveLocation: it must place a site
// exactly where "&Use This" on the site's name places it, and refuse what that refuses.
TEST_F(ResolveTest, StoredLocationAgreesWithUsingTheSite) {
    const struct {
        const char* name;
        const char* location;
    } sites[] = {{"hill top", "ST4523 8150"}, {"beacon", "IO91IM00"}, {"lat long", "54.6N 3.1W"}};
    for (const auto& site : sites) {
        SCOPED_TRACE(site.name);
        const ResolveResult used = Resolve(site.name);
        ASSERT_EQ(used.kind, ResolveKind::kSite);
        const ResolveResult stored = ResolveLocation(site.location, 3.0, 0, true);
        ASSERT_EQ(stored.kind, ResolveKind::kSite);
        EXPECT_EQ(stored.lat_deg, used.lat_deg);
        EXPECT_EQ(stored.lon_deg, used.lon_deg);
        EXPECT_EQ(stored.resolution_km, used.resolution_km);
        EXPECT_EQ(stored.inputClass, used.inputClass);
        EXPECT_EQ(stored.locatorText, used.locatorText);
        EXPECT_EQ(stored.ngrText, used.ngrText);
        EXPECT_EQ(stored.eastNorthText, used.eastNorthText);
        EXPECT_EQ(stored.square10km, used.square10km);
        EXPECT_EQ(stored.xSizeText, used.xSizeText);
        EXPECT_EQ(stored.ySizeText, used.ySizeText);
    }
}

TEST(ResolveLocation, RefusalsPlaceNothing) {
    SCOPED_TRACE("odd-length locator");
    EXPECT_EQ(ResolveLocation("IO84KO4", 3.0, 0, true).kind, ResolveKind::kRefusedLocator);
    SCOPED_TRACE("too many grid digits");
    EXPECT_EQ(ResolveLocation("SU1234567890123", 3.0, 0, true).kind, ResolveKind::kRefusedGridRef);
    SCOPED_TRACE("neither form");
    const ResolveResult spaced = ResolveLocation("NY 215 072", 3.0, 0, true);
    EXPECT_EQ(spaced.kind, ResolveKind::kSiteLocationError);
    EXPECT_FALSE(spaced.positionChanged);
    EXPECT_FALSE(spaced.locatorText.has_value());
}

TEST(ResolveLocation, AGridReferenceOfNoStatedLengthKeepsTheCurrentResolution) {
    // Listing lines follow one another: a reference with an odd count of digits takes the
    // resolution the line before left, an even one names its own.
    for (const double current_km : {3.0, 0.5}) {
        SCOPED_TRACE(current_km);
        const ResolveResult odd = ResolveLocation("NY2154072", current_km, 0, true);
        ASSERT_EQ(odd.kind, ResolveKind::kSite);
        EXPECT_TRUE(odd.keptResolution);
        EXPECT_EQ(odd.resolution_km, current_km);
        const ResolveResult metre = ResolveLocation("NY2154007220", current_km, 0, true);
        ASSERT_EQ(metre.kind, ResolveKind::kSite);
        EXPECT_FALSE(metre.keptResolution);
        EXPECT_EQ(metre.resolution_km, 0.001);
    }
}

TEST(SharedSitesTest, WellKnownPlaces) {
    TORMARK_SKIP_WITHOUT_REAL_DATA("sites/Sites.dat");
    const std::string path = realdata::Path("sites/Sites.dat").string();
    ResolveRequest req;
    req.databasePath = path;
    req.input = "scafell pike";
    const ResolveResult pike = ResolveInput(req);
    ASSERT_EQ(pike.kind, ResolveKind::kSite);
    EXPECT_EQ(pike.sitename, "Scafell Pike");
    EXPECT_EQ(pike.ngrText, "NY21540722");
    // The summit sample of the height tile is at 54.454167 N 3.211667 W (within 150 m).
    EXPECT_NEAR(pike.lat_deg, 54.4542, 0.0015);
    EXPECT_NEAR(pike.lon_deg, -3.2117, 0.0025);

    req.input = "skiddaw";
    const ResolveResult skiddaw = ResolveInput(req);
    ASSERT_EQ(skiddaw.kind, ResolveKind::kSite);
    EXPECT_EQ(skiddaw.locatorText, "IO84KP26GH");
    EXPECT_EQ(skiddaw.ngrText->substr(0, 2), "NY");

    req.input = "a bronze age round cairn";
    EXPECT_EQ(ResolveInput(req).kind, ResolveKind::kSite);
    req.input = "no such place anywhere";
    EXPECT_EQ(ResolveInput(req).kind, ResolveKind::kNoSuchSite);
}

TEST(SharedSitesTest, AwkwardLines) {
    TORMARK_SKIP_WITHOUT_REAL_DATA("sites/Sites-awkward.dat");
    const std::string path = realdata::Path("sites/Sites-awkward.dat").string();
    ResolveRequest req;
    req.databasePath = path;
    auto resolve = [&](const char* input) {
        req.input = input;
        return ResolveInput(req);
    };
    EXPECT_EQ(resolve("hill").sitename, "Black Hill Test Point");
    EXPECT_EQ(resolve("lowercase locator").locatorText, "IO84KO");
    EXPECT_EQ(resolve("lowercase grid").ngrText, "NY21540722");
    EXPECT_NEAR(resolve("lat long site").lat_deg, 54.6, 1e-12);
    EXPECT_EQ(resolve("spaced grid").kind, ResolveKind::kSiteLocationError);
    EXPECT_EQ(resolve("four figure").resolution_km, 1.0);
    EXPECT_EQ(resolve("odd length").kind, ResolveKind::kRefusedLocator);
    EXPECT_EQ(resolve("three field").ngrText, "NY21540722");
    EXPECT_EQ(resolve("trailing blanks").ngrText, "NY21540722");
    EXPECT_EQ(resolve("after separator").sitename, "After Separator-less Line");
    EXPECT_EQ(resolve("after end marker").kind, ResolveKind::kNoSuchSite);

    const sitefile::SiteListResult all = sitefile::ListSites(path, "");
    ASSERT_TRUE(all.ok);
    ASSERT_EQ(all.items.size(), 16u);
    EXPECT_EQ(all.items[10], "Sixty Character Site Name Fo");
    EXPECT_EQ(all.items[13], "");
    EXPECT_EQ(all.items[15], "After End Marker~NY342151");
}

}  // namespace
}  // namespace tormark
