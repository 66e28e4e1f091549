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
        req.ll_format = 0;
        req.database_path = path_;
        req.home = home;
        return ResolveInput(req);
    }

    fs::path dir_;
    std::string path_;
};

void ExpectUnchanged(const ResolveResult& r) {
    EXPECT_FALSE(r.position_changed);
    EXPECT_EQ(r.lat_deg, 50.0);
    EXPECT_EQ(r.lon_deg, -4.0);
    EXPECT_EQ(r.resolution_km, 3.0);
}

TEST_F(ResolveTest, TypedGridReference) {
    const ResolveResult r = Resolve("su5096 1234");
    EXPECT_EQ(r.kind, ResolveKind::kGridRef);
    EXPECT_EQ(r.input_class, InputClass::kGridRef);
    EXPECT_TRUE(r.position_changed);
    EXPECT_EQ(r.resolution_km, 0.01);
    EXPECT_EQ(r.input_text, "SU5096 1234");
    EXPECT_EQ(r.ngr_text, "SU50961234");
    EXPECT_EQ(r.locator_text, FormatLocator(r.lat_deg, r.lon_deg));
    EXPECT_EQ(r.east_north_text, "E: 450960 , N: 112340");
    EXPECT_EQ(r.square_10km, "SU51");
    EXPECT_EQ(r.x_size_text, "10m");
    EXPECT_EQ(r.y_size_text, "10m");
    EXPECT_EQ(r.ll_text, FormatLatLong(r.lat_deg, r.lon_deg, 0));
    EXPECT_EQ(r.sitename, "");
    EXPECT_FALSE(r.dist_bear.has_value());  // no home set
}

TEST_F(ResolveTest, TypedLocator) {
    const ResolveResult r = Resolve("io91 im");
    EXPECT_EQ(r.kind, ResolveKind::kLocator);
    EXPECT_NEAR(r.lat_deg, 51.518836, 1e-6);
    EXPECT_NEAR(r.lon_deg, -1.2956633, 1e-6);
    EXPECT_EQ(r.locator_text, "IO91IM");
    // 4.6 km: a 2-digit grid reference of the same position.
    EXPECT_EQ(r.ngr_text, FormatGridRef(r.lat_deg, r.lon_deg, r.resolution_km).text);
    EXPECT_EQ(r.ngr_text->size(), 7u);  // "SU.. .." style
    EXPECT_EQ(r.x_size_text, "5766m");
    EXPECT_EQ(r.y_size_text, "4633m");
    EXPECT_EQ(r.input_text, "IO91 IM");
}

TEST_F(ResolveTest, OddLocatorChangesNothingElse) {
    const ResolveResult r = Resolve("IO91IM0", Site{52.0, 0.0, 0.001});
    EXPECT_EQ(r.kind, ResolveKind::kLocatorError);
    EXPECT_EQ(r.input_text, "Locator error");
    ExpectUnchanged(r);
    EXPECT_FALSE(r.locator_text.has_value());
    EXPECT_FALSE(r.ngr_text.has_value());
    EXPECT_FALSE(r.ll_text.has_value());
    EXPECT_FALSE(r.dist_bear.has_value());
}

TEST_F(ResolveTest, TypedLatLong) {
    const ResolveResult r = Resolve("51°30'n, 1°15'w", Site{52.0, 0.0, 0.001});
    EXPECT_EQ(r.kind, ResolveKind::kLatLong);
    EXPECT_EQ(r.lat_deg, 51.5);
    EXPECT_EQ(r.lon_deg, -1.25);
    EXPECT_EQ(r.resolution_km, 0.001);
    EXPECT_EQ(r.input_text, "51 30 N 1 15 W");
    EXPECT_EQ(r.x_size_text, "~");
    EXPECT_EQ(r.y_size_text, "~");
    EXPECT_EQ(r.ngr_text, FormatGridRef(51.5, -1.25, 0.001).text);
    EXPECT_EQ(r.locator_text, FormatLocator(51.5, -1.25));
    EXPECT_EQ(r.ll_text, "51.500000N , 1.250000W");
    ASSERT_TRUE(r.dist_bear.has_value());
    EXPECT_NEAR(r.dist_bear->dist_km, DistBear({51.5, -1.25, 0.001}, {52.0, 0.0, 0.001}).dist_km,
                1e-12);
}

TEST_F(ResolveTest, UnreadableLatLongShowsThePreviousPosition) {
    const ResolveResult r = Resolve("51.5 1.25", Site{52.0, 0.0, 0.001});
    EXPECT_EQ(r.kind, ResolveKind::kUnreadableLatLong);
    EXPECT_EQ(r.input_text, "");
    ExpectUnchanged(r);
    EXPECT_EQ(r.locator_text, FormatLocator(50.0, -4.0));
    EXPECT_EQ(r.ngr_text, FormatGridRef(50.0, -4.0, 3.0).text);
    EXPECT_EQ(r.ll_text, FormatLatLong(50.0, -4.0, 0));
    EXPECT_TRUE(r.dist_bear.has_value());
}

TEST_F(ResolveTest, TooManyGridDigitsIsRefused) {
    const ResolveResult r = Resolve("SU1234567890123");
    EXPECT_EQ(r.kind, ResolveKind::kGridRefError);
    EXPECT_NE(r.message.find("more than 5 digits"), std::string::npos);
    ExpectUnchanged(r);
    EXPECT_FALSE(r.ngr_text.has_value());
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
        EXPECT_EQ(r.typed_class, c.form);
        ExpectUnchanged(r);
        EXPECT_FALSE(r.dist_bear.has_value());
        const bool locator = c.form == InputClass::kLocator;
        EXPECT_EQ(r.locator_text, locator ? "Not valid" : "");
        EXPECT_EQ(r.ngr_text, locator ? "" : "Not valid");
        EXPECT_EQ(r.ll_text, "");
        EXPECT_EQ(r.east_north_text, "");
        EXPECT_EQ(r.message, "");                // shown in the box, not in a message box
        EXPECT_FALSE(r.input_text.has_value());  // the input stays as typed
    }
    // The squares at the grid's corners are places.
    for (const char* typed : {"SV0000 0000", "HP9999 9999", "TG9999 0000", "RR99XX", "AA00AA"}) {
        SCOPED_TRACE(typed);
        EXPECT_TRUE(Resolve(typed).position_changed);
    }
}

TEST_F(ResolveTest, EmptyInputDoesNothing) {
    const ResolveResult r = Resolve("", Site{52.0, 0.0, 0.001});
    EXPECT_EQ(r.kind, ResolveKind::kEmpty);
    ExpectUnchanged(r);
    EXPECT_FALSE(r.input_text.has_value());
    EXPECT_FALSE(r.dist_bear.has_value());
}

TEST_F(ResolveTest, DatabaseGridReference) {
    const ResolveResult r = Resolve("hill", Site{52.0, 0.0, 0.001});
    EXPECT_EQ(r.kind, ResolveKind::kSite);
    EXPECT_EQ(r.input_class, InputClass::kGridRef);
    EXPECT_EQ(r.input_text, "Hill Top   ST4523 8150");
    EXPECT_EQ(r.ngr_text, "ST45238150");
    EXPECT_EQ(r.sitename, "Hill Top");
    EXPECT_EQ(r.resolution_km, 0.01);
    EXPECT_TRUE(r.dist_bear.has_value());
    // A name search through the location field finds the same entry.
    EXPECT_EQ(Resolve("st45").sitename, "Hill Top");
}

TEST_F(ResolveTest, DatabaseLocatorAndLatLong) {
    const ResolveResult loc = Resolve("beacon");
    EXPECT_EQ(loc.kind, ResolveKind::kSite);
    EXPECT_EQ(loc.input_class, InputClass::kLocator);
    EXPECT_EQ(loc.locator_text, "IO91IM00");
    EXPECT_NEAR(loc.lat_deg, 51.5021693, 1e-6);
    EXPECT_EQ(loc.ngr_text, FormatGridRef(loc.lat_deg, loc.lon_deg, loc.resolution_km).text);
    EXPECT_EQ(loc.sitename, "Beacon");

    // A stored latitude/longitude is read, not ignored.
    const ResolveResult ll = Resolve("lat long");
    EXPECT_EQ(ll.kind, ResolveKind::kSite);
    EXPECT_EQ(ll.input_class, InputClass::kLatLong);
    EXPECT_NEAR(ll.lat_deg, 54.6, 1e-12);
    EXPECT_NEAR(ll.lon_deg, -3.1, 1e-12);
    EXPECT_EQ(ll.input_text, "Lat Long Site   54.6N 3.1W");
    EXPECT_EQ(ll.sitename, "Lat Long Site");
}

TEST_F(ResolveTest, DatabaseUnreadableLocations) {
    for (const char* name : {"spaced", "long grid", "off grid"}) {
        SCOPED_TRACE(name);
        const ResolveResult r = Resolve(name, Site{52.0, 0.0, 0.001});
        EXPECT_EQ(r.kind, ResolveKind::kSiteLocationError);
        EXPECT_EQ(r.locator_text, "ERROR");
        EXPECT_EQ(r.ngr_text, "ERROR");
        EXPECT_EQ(r.ll_text, "");
        ExpectUnchanged(r);
        EXPECT_FALSE(r.sitename.has_value());  // the old position keeps its name
    }
    const ResolveResult odd = Resolve("odd length");
    EXPECT_EQ(odd.kind, ResolveKind::kLocatorError);
    EXPECT_EQ(odd.input_text, "Locator error");
    ExpectUnchanged(odd);
}

TEST_F(ResolveTest, DatabaseSearchOutcomes) {
    const ResolveResult not_found = Resolve("after end", Site{52.0, 0.0, 0.001});
    EXPECT_EQ(not_found.kind, ResolveKind::kSiteNotFound);
    EXPECT_EQ(not_found.input_text, "Not Found");
    EXPECT_EQ(not_found.message, "");
    EXPECT_EQ(not_found.locator_text, "");
    EXPECT_EQ(not_found.ngr_text, "");
    EXPECT_EQ(not_found.ll_text, "");
    ExpectUnchanged(not_found);
    EXPECT_FALSE(not_found.dist_bear.has_value());

    std::ofstream(path_, std::ios::binary) << "Hill Top~ST4523 8150\r\n";
    // The end of a file without "ENDENDEND" is "Not Found" too: the boxes no longer keep the
    // previous site's results under the newly typed name.
    const ResolveResult ended = Resolve("nowhere");
    EXPECT_EQ(ended.kind, ResolveKind::kSiteNotFound);
    EXPECT_EQ(ended.input_text, "Not Found");
    EXPECT_EQ(ended.locator_text, "");
    EXPECT_EQ(ended.ngr_text, "");
    EXPECT_EQ(ended.ll_text, "");
    ExpectUnchanged(ended);

    fs::remove(path_);
    const ResolveResult missing = Resolve("hill");
    EXPECT_EQ(missing.kind, ResolveKind::kDatabaseMissing);
    EXPECT_EQ(missing.message, "Site datbase not found");
    EXPECT_FALSE(missing.input_text.has_value());
    ExpectUnchanged(missing);
}

// The shared test data, when present.
std::string DataFile(const char* name) {
    const char* env = std::getenv("TORMARK_TEST_DATA");
    const fs::path base = env ? fs::path(env) : fs::path(TORMARK_TEST_DATA);
    return (base / "sites" / name).string();
}

TEST(SharedSitesTest, WellKnownPlaces) {
    const std::string path = DataFile("Sites.dat");
    if (!fs::exists(path)) GTEST_SKIP() << path << " not present";
    ResolveRequest req;
    req.database_path = path;
    req.input = "scafell pike";
    const ResolveResult pike = ResolveInput(req);
    ASSERT_EQ(pike.kind, ResolveKind::kSite);
    EXPECT_EQ(pike.sitename, "Scafell Pike");
    EXPECT_EQ(pike.ngr_text, "NY21540722");
    // The summit sample of the height tile is at 54.454167 N 3.211667 W (within 150 m).
    EXPECT_NEAR(pike.lat_deg, 54.4542, 0.0015);
    EXPECT_NEAR(pike.lon_deg, -3.2117, 0.0025);

    req.input = "skiddaw";
    const ResolveResult skiddaw = ResolveInput(req);
    ASSERT_EQ(skiddaw.kind, ResolveKind::kSite);
    EXPECT_EQ(skiddaw.locator_text, "IO84KP26GH");
    EXPECT_EQ(skiddaw.ngr_text->substr(0, 2), "NY");

    req.input = "a bronze age round cairn";
    EXPECT_EQ(ResolveInput(req).kind, ResolveKind::kSite);
    req.input = "no such place anywhere";
    EXPECT_EQ(ResolveInput(req).kind, ResolveKind::kSiteNotFound);
}

TEST(SharedSitesTest, AwkwardLines) {
    const std::string path = DataFile("Sites-awkward.dat");
    if (!fs::exists(path)) GTEST_SKIP() << path << " not present";
    ResolveRequest req;
    req.database_path = path;
    auto resolve = [&](const char* input) {
        req.input = input;
        return ResolveInput(req);
    };
    EXPECT_EQ(resolve("hill").sitename, "Black Hill Test Point");
    EXPECT_EQ(resolve("lowercase locator").locator_text, "IO84KO");
    EXPECT_EQ(resolve("lowercase grid").ngr_text, "NY21540722");
    EXPECT_NEAR(resolve("lat long site").lat_deg, 54.6, 1e-12);
    EXPECT_EQ(resolve("spaced grid").kind, ResolveKind::kSiteLocationError);
    EXPECT_EQ(resolve("four figure").resolution_km, 1.0);
    EXPECT_EQ(resolve("odd length").kind, ResolveKind::kLocatorError);
    EXPECT_EQ(resolve("three field").ngr_text, "NY21540722");
    EXPECT_EQ(resolve("trailing blanks").ngr_text, "NY21540722");
    EXPECT_EQ(resolve("after separator").sitename, "After Separator-less Line");
    EXPECT_EQ(resolve("after end marker").kind, ResolveKind::kSiteNotFound);

    const sitefile::SiteListResult all = sitefile::ListSites(path, "");
    ASSERT_TRUE(all.ok);
    ASSERT_EQ(all.items.size(), 16u);
    EXPECT_EQ(all.items[10], "Sixty Character Site Name Fo");
    EXPECT_EQ(all.items[13], "");
    EXPECT_EQ(all.items[15], "After End Marker~NY342151");
}

}  // namespace
}  // namespace tormark
