// The listing file, compared line by line: header lines and their conditions, the 132-character
// site lines, the empty line after every tenth site, the sector through north, and the errors.

#include "listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "model_test_support.h"

namespace tormark {
namespace {

const char* const kDate = "2026/12/08";

// The worked pair of the distance and bearing formulae: home 52 N 0 E, site 51.5 N 1 W.
const std::string kWorkedLine =
    "Worked Site                                    IO91MM00AA  SU69511 78370 231.5  (50.7)  deg  "
    "  88.5   km                            ";

std::vector<std::string> Header(const std::vector<std::string>& conditional) {
    std::vector<std::string> lines{"Generated from    Tormark  Orvel", kDate, "",
                                   "Distance and Bearings from 52N 0E", ""};
    lines.insert(lines.end(), conditional.begin(), conditional.end());
    lines.push_back("");
    lines.push_back(
        "   Sitename                                     Locator       NGR         To     "
        "Back           Distance");
    lines.push_back("");
    return lines;
}

// The text with the blanks at either end removed.
std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

class ListingTest : public ::testing::Test {
  protected:
    void Home() {
        session.UseThis("52N 0E");
        session.SetAsHome();
    }
    ListingOutcome Write(const std::vector<std::string>& sites, ListingBoxes boxes = {}) {
        session.databasePath = test::WriteFile(dir, "Sites.dat", sites);
        if (boxes.fileName.empty()) boxes.fileName = out;
        return WriteListing(boxes, session, kDate);
    }
    std::vector<std::string> Lines() const { return test::ReadCrLfLines(out); }

    test::TempDir dir;
    std::string out = dir.FilePath("SITELIST.TXT");
    SiteSession session;
};

TEST_F(ListingTest, DefaultLimitsListEverySiteWithAPosition) {
    Home();
    const ListingOutcome r = Write({"Worked Site~51.5N 1W", "No Position~hello", "Bare line",
                                    "Grid Site~TL4500 5800", "ENDENDEND", "Loc Site~io91im"});
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.sites, 3);
    const std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(test::Mid(lines, 0, 8), Header({}));
    EXPECT_EQ(lines[8], kWorkedLine);
    EXPECT_EQ(lines[8].size(), static_cast<std::size_t>(kSiteLineWidth));
    // A stored grid reference is listed as stored (blanks removed), a locator likewise.
    EXPECT_TRUE(lines[9].substr(47, 12).starts_with("JO02"));
    EXPECT_EQ(lines[9].substr(59, 10), "TL45005800");
    EXPECT_EQ(lines[10].substr(0, 8), "Loc Site");
    EXPECT_EQ(lines[10].substr(47, 6), "IO91IM");
    // The conversions leave the last site converted as the current one.
    EXPECT_NEAR(session.lat_deg, 51.518836, 1e-6);
    EXPECT_EQ(session.boxes.ydim, "4633m");
}

TEST_F(ListingTest, HeaderNamesEachRestriction) {
    Home();
    ListingBoxes boxes;
    boxes.minDist = "5";
    boxes.maxDist = "5000";
    boxes.fromBear = "350";
    boxes.toBear = "10.5";
    boxes.search = "hill";
    ASSERT_TRUE(Write({"Worked Site~51.5N 1W"}, boxes).ok);
    EXPECT_EQ(Lines(), Header({"Minimum distance 5", "Maximum distance 5000",
                               "Bearings restricted to sites within350 to 10.5 deg",
                               "Only Sites with   'hill'   in their name"}));

    boxes = {};
    boxes.maxDist = "9999";
    ASSERT_TRUE(Write({"Worked Site~51.5N 1W"}, boxes).ok);
    EXPECT_EQ(test::Mid(Lines(), 0, 8), Header({}));
}

TEST_F(ListingTest, SectorThroughNorthAndNameSearch) {
    Home();
    const std::vector<std::string> sites{"North West~52.5N 0.01W", "North East~52.5N 0.01E",
                                         "Due South~51.5N 0E", "East Hill~52N 1E"};
    ListingBoxes boxes;
    boxes.fromBear = "350";
    boxes.toBear = "10";
    ASSERT_TRUE(Write(sites, boxes).ok);
    std::vector<std::string> names;
    for (const std::string& line : test::Mid(Lines(), 9))
        names.push_back(Trimmed(line.substr(0, 46)));
    EXPECT_EQ(names, (std::vector<std::string>{"North West", "North East"}));

    boxes.fromBear = boxes.toBear = "90";
    EXPECT_EQ(Write(sites, boxes).sites, 0);

    boxes = {};
    boxes.search = "HILL";
    boxes.minDist = "60";
    EXPECT_EQ(Write(sites, boxes).sites, 1);
    EXPECT_TRUE(Lines().back().starts_with("East Hill"));
    boxes.search = "east h";
    EXPECT_EQ(Write(sites, boxes).sites, 1);
}

TEST_F(ListingTest, EmptyLineAfterEveryTenthSiteAndLongNamesCut) {
    Home();
    std::vector<std::string> sites;
    for (int i = 0; i < 10; ++i)
        sites.push_back("Site " + std::to_string(i) + "~5" + std::to_string(i % 9) + "N 1W");
    ASSERT_EQ(Write(sites).sites, 10);
    std::vector<std::string> lines = Lines();
    ASSERT_EQ(lines.size(), 8 + 10 + 1);
    EXPECT_EQ(lines.back(), "");

    sites.pop_back();
    ASSERT_EQ(Write(sites).sites, 9);
    EXPECT_FALSE(Lines().back().empty());

    const std::string name50 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwx";
    ASSERT_EQ(name50.size(), 50u);
    ASSERT_TRUE(Write({name50 + "~51.5N 1W"}).ok);
    lines = Lines();
    EXPECT_EQ(lines[8].substr(0, 47), name50.substr(0, 46) + " ");
    EXPECT_EQ(lines[8].substr(47), kWorkedLine.substr(47));
}

TEST_F(ListingTest, ErrorsLeaveAnEarlierListingIntact) {
    Home();
    ASSERT_TRUE(Write({"Worked Site~51.5N 1W"}).ok);
    const std::vector<std::string> before = Lines();

    session.databasePath = dir.FilePath("missing.dat");
    ListingBoxes boxes;
    boxes.fileName = out;
    ListingOutcome r = WriteListing(boxes, session, kDate);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Site datbase not found");

    boxes.fileName = dir.FilePath("no such folder/list.txt");
    const double lat = session.lat_deg, lon = session.lon_deg;
    r = Write({"Worked Site~51.5N 1W", "Far Site~IO70AA"}, boxes);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, "Path or filename error\n" + boxes.fileName);
    EXPECT_EQ(Lines(), before);
    // Nothing was converted: the current site is the one before the attempt.
    EXPECT_EQ(session.lat_deg, lat);
    EXPECT_EQ(session.lon_deg, lon);

    // A box number beyond the double range is an error, never "inf" in the header.
    for (std::string ListingBoxes::*box :
         {&ListingBoxes::minDist, &ListingBoxes::maxDist, &ListingBoxes::toBear}) {
        ListingBoxes huge;
        huge.fileName = out;
        huge.*box = "1e999";
        r = Write({"Worked Site~51.5N 1W"}, huge);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, "Path or filename error\n" + out);
        EXPECT_EQ(Lines(), before);
    }
}

TEST_F(ListingTest, NoTemporaryFileIsLeftBehind) {
    Home();
    ASSERT_TRUE(Write({"Worked Site~51.5N 1W"}).ok);
    ListingBoxes boxes;
    boxes.fileName = dir.FilePath("no such folder/list.txt");
    EXPECT_FALSE(Write({"Worked Site~51.5N 1W"}, boxes).ok);
    std::vector<std::string> names;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(out).parent_path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"SITELIST.TXT", "Sites.dat"}));
}

}  // namespace
}  // namespace tormark
