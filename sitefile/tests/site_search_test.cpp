// The site file: name searches, listing, line ends and missing files, on temporary files.
#include "sitefile/site_search.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "sitefile/site_file_lines.h"

namespace sitefile {
namespace {

namespace fs = std::filesystem;

// A fresh folder for each test, removed afterwards.
class SiteDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("sitefile_sites_" + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary) << bytes;
        return p.string();
    }

    fs::path dir_;
};

TEST_F(SiteDatabaseTest, NameSearchMatchesAnywhereInTheLine) {
    const std::string path = Write("Sites.dat", "Hill Top~ST4523 8150\r\nENDENDEND\r\n");
    const SiteSearchResult by_name = FindSiteByName(path, "hill");
    ASSERT_EQ(by_name.outcome, SiteSearchOutcome::kFound);
    EXPECT_EQ(by_name.fields.name, "Hill Top");
    EXPECT_EQ(by_name.fields.location, "ST4523 8150");
    // The location field matches too.
    const SiteSearchResult by_location = FindSiteByName(path, "st45");
    ASSERT_EQ(by_location.outcome, SiteSearchOutcome::kFound);
    EXPECT_EQ(by_location.fields.name, "Hill Top");
}

// Accented letters of the 8-bit (Latin-1) file are upper-cased too, so their case does not
// decide a match in either search.
TEST_F(SiteDatabaseTest, AccentedLettersMatchInEitherCase) {
    const std::string path =
        Write("Sites.dat", "Pen-y-F\xE2n~SO0121 2158\r\nCAF\xC9 MAST~SU123456\r\nENDENDEND\r\n");
    const SiteSearchResult fan = FindSiteByName(path, "F\xC2N");
    ASSERT_EQ(fan.outcome, SiteSearchOutcome::kFound);
    EXPECT_EQ(fan.fields.name, "Pen-y-F\xE2n");
    const SiteSearchResult cafe = FindSiteByName(path, "caf\xE9");
    ASSERT_EQ(cafe.outcome, SiteSearchOutcome::kFound);
    EXPECT_EQ(cafe.fields.name, "CAF\xC9 MAST");
    const SiteListResult list = ListSites(path, "f\xC2n");
    ASSERT_TRUE(list.ok);
    EXPECT_EQ(list.items, std::vector<std::string>{"Pen-y-F\xE2n~SO0121 2158"});
}

TEST_F(SiteDatabaseTest, EndMarkerEndsNameSearchButNotListing) {
    const std::string path =
        Write("Sites.dat", "Hill Top~ST4523 8150\r\nENDENDEND\r\nHidden Mast~SU123456\r\n");
    const SiteSearchResult r = FindSiteByName(path, "hidden");
    EXPECT_EQ(r.outcome, SiteSearchOutcome::kNotFound);
    const SiteListResult list = ListSites(path, "hidden");
    ASSERT_TRUE(list.ok);
    EXPECT_EQ(list.items, std::vector<std::string>{"Hidden Mast~SU123456"});
}

TEST_F(SiteDatabaseTest, EmptyInputListsEveryLineCutTo28) {
    const std::string path = Write("Sites.dat",
                                   "A Rather Long Site Name Indeed~NY2154 0722~more\r\n"
                                   "no separator here\r\n"
                                   "\r\n"
                                   "ENDENDEND\r\n");
    const SiteListResult list = ListSites(path, "");
    ASSERT_TRUE(list.ok);
    EXPECT_EQ(list.items, (std::vector<std::string>{"A Rather Long Site Name Inde",
                                                    "no separator here", "", "ENDENDEND"}));
}

TEST_F(SiteDatabaseTest, LinesWithoutSeparatorAreSkipped) {
    const std::string path = Write("Sites.dat",
                                   "First~NY3000 2000\r\n"
                                   "a comment line\r\n"
                                   "\r\n"
                                   "Second Mast~NY120306~x\r\n"
                                   "ENDENDEND\r\n");
    const SiteSearchResult r = FindSiteByName(path, "second");
    ASSERT_EQ(r.outcome, SiteSearchOutcome::kFound);
    EXPECT_EQ(r.fields.location, "NY120306");
    // A separator-less line that contains the text is not a match either.
    EXPECT_EQ(FindSiteByName(path, "comment").outcome, SiteSearchOutcome::kNotFound);
}

TEST_F(SiteDatabaseTest, NoMatchAndNoEndMarkerReachesEndOfFile) {
    const std::string path = Write("Sites.dat", "First~NY3000 2000\r\nSecond~IO84KO");
    EXPECT_EQ(FindSiteByName(path, "third").outcome, SiteSearchOutcome::kEndOfFile);
    // The last line has no line end and is still read.
    EXPECT_EQ(FindSiteByName(path, "second").fields.location, "IO84KO");
}

TEST_F(SiteDatabaseTest, AllLineEndsAreRead) {
    for (const std::string end : {"\r", "\n", "\r\n"}) {
        SCOPED_TRACE(testing::PrintToString(end));
        const std::string path =
            Write("Sites.dat", "Alpha~NY3000 2000" + end + "Beta~io84ko" + end + "ENDENDEND" + end);
        const SiteSearchResult r = FindSiteByName(path, "BETA");
        ASSERT_EQ(r.outcome, SiteSearchOutcome::kFound);
        EXPECT_EQ(r.fields.name, "Beta");
        EXPECT_EQ(r.fields.location, "IO84KO");  // upper-cased, no line-end byte
        EXPECT_EQ(ListSites(path, "").items.size(), 3u);
    }
}

TEST_F(SiteDatabaseTest, LongFilesAreReadAcrossChunkBoundaries) {
    // The reader works in 64 KiB chunks: put a CR LF pair across the first boundary, and a line
    // longer than a whole chunk after it.
    const std::string first = std::string(65531, 'x') + "~NY1";  // CR at byte 65535
    const std::string long_line = "Long~SU123456~" + std::string(200000, 'y');
    const std::string path =
        Write("Sites.dat", first + "\r\nTarget~SU123456\r\n" + long_line + "\r\nLast~IO84KO");
    const SiteListResult all = ListSites(path, "");
    ASSERT_TRUE(all.ok);
    ASSERT_EQ(all.items.size(), 4u);  // no empty line from the split CR LF
    EXPECT_EQ(all.items[1], "Target~SU123456");
    EXPECT_EQ(all.items[3], "Last~IO84KO");
    EXPECT_EQ(FindSiteByName(path, "target").fields.name, "Target");
    EXPECT_EQ(FindSiteByName(path, "last").fields.location, "IO84KO");
    const auto lines = ReadSiteFileLines(path);
    ASSERT_TRUE(lines.has_value());
    ASSERT_EQ(lines->size(), 4u);
    EXPECT_EQ((*lines)[0], first);
    EXPECT_EQ((*lines)[2], long_line);
}

TEST_F(SiteDatabaseTest, MissingFileIsAnErrorResult) {
    const std::string path = (dir_ / "absent.dat").string();
    const SiteSearchResult r = FindSiteByName(path, "hill");
    EXPECT_EQ(r.outcome, SiteSearchOutcome::kFileMissing);
    const SiteListResult list = ListSites(path, "");
    EXPECT_FALSE(list.ok);
    EXPECT_TRUE(list.items.empty());
    EXPECT_FALSE(ReadSiteFileLines(path).has_value());
    // A folder is not a database.
    EXPECT_EQ(FindSiteByName(dir_.string(), "x").outcome, SiteSearchOutcome::kFileMissing);
}

// A FIFO opened for reading waits for a writer: a site file, configuration or palette that is
// one once blocked the tools for ever. Such a file is not opened at all.
TEST_F(SiteDatabaseTest, OnlyRegularFilesAreOpened) {
    const fs::path fifo = dir_ / "SITES.DAT";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(LineReader(fifo, LineEnds::kAny).is_open());
    EXPECT_FALSE(ForEachLine(fifo, LineEnds::kAny, [](std::string_view) { return true; }));
    EXPECT_EQ(ReadSiteFileLines(fifo.string()), std::nullopt);
    EXPECT_FALSE(LineReader(dir_, LineEnds::kAny).is_open()) << "nor a folder";
    const std::string plain = Write("plain.dat", "one\ntwo\n");
    EXPECT_TRUE(LineReader(plain, LineEnds::kAny).is_open());
}

TEST_F(SiteDatabaseTest, FileNameCaseAndBackslashesAreForgiven) {
    Write("sites.dat", "Hill Top~ST4523 8150\r\n");
    EXPECT_EQ(FindSiteByName((dir_ / "SITES.DAT").string(), "hill").outcome,
              SiteSearchOutcome::kFound);
#ifndef _WIN32
    std::string backslashed = (dir_ / "Sites.dat").string();
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    EXPECT_EQ(FindSiteByName(backslashed, "hill").outcome, SiteSearchOutcome::kFound);
#endif
}

TEST(SplitSiteLineTest, Fields) {
    const auto three = SplitSiteLine("Three Field Entry~ny2154 0722~second~third");
    ASSERT_TRUE(three.has_value());
    EXPECT_EQ(three->name, "Three Field Entry");
    EXPECT_EQ(three->location, "NY2154 0722");
    const auto empty_name = SplitSiteLine("~SU123456");
    ASSERT_TRUE(empty_name.has_value());
    EXPECT_EQ(empty_name->name, "");
    EXPECT_EQ(empty_name->location, "SU123456");
    EXPECT_FALSE(SplitSiteLine("no separator").has_value());
}

TEST(SplitSiteLineTest, ConsoleToolsUpperCaseAsciiOnly) {
    const auto latin1 = SplitSiteLine("Caf\xE9~io84k\xE9");
    ASSERT_TRUE(latin1.has_value());
    EXPECT_EQ(latin1->location, "IO84K\xC9");
    const auto ascii = SplitSiteLine("Caf\xE9~io84k\xE9", geodesy::Letters::kAscii);
    ASSERT_TRUE(ascii.has_value());
    EXPECT_EQ(ascii->location, "IO84K\xE9");
}

// The console tools' search: the name field only, every line (the end marker does not stop it),
// LF or CR LF line ends with a lone CR kept inside the line.
TEST_F(SiteDatabaseTest, ConsoleSearchLooksAtNamesOnlyPastTheEndMarker) {
    const std::string path = Write("SITES.DAT",
                                   "Hill Top~NY3000 2000\r\n"
                                   "ENDENDEND\r\n"
                                   "Skiddaw Mast~NY2600 2900\n"
                                   "Last~IO84KO");
    const SiteSearchResult mast = FindSiteByNameField(path, "skiddaw");
    ASSERT_EQ(mast.outcome, SiteSearchOutcome::kFound);
    EXPECT_EQ(mast.fields.name, "Skiddaw Mast");
    EXPECT_EQ(mast.fields.location, "NY2600 2900");
    // "NY3000" is in a location, not in a name.
    EXPECT_EQ(FindSiteByNameField(path, "NY3000").outcome, SiteSearchOutcome::kEndOfFile);
    EXPECT_EQ(FindSiteByNameField(path, "last").fields.location, "IO84KO");
    EXPECT_EQ(FindSiteByNameField((dir_ / "absent.dat").string(), "x").outcome,
              SiteSearchOutcome::kFileMissing);
}

TEST_F(SiteDatabaseTest, LoneCarriageReturnEndsALineForTheWindowAndTheConsoleSearch) {
    const std::string path =
        Write("Sites.dat", "Alpha~NY3000 2000\rBeta~IO84KO\r\nGamma~SU1234\r\r\n");
    std::vector<std::string> any, lf;
    ForEachLine(path, LineEnds::kAny, [&](std::string_view l) {
        any.emplace_back(l);
        return true;
    });
    ForEachLine(path, LineEnds::kLfOrCrLf, [&](std::string_view l) {
        lf.emplace_back(l);
        return true;
    });
    EXPECT_EQ(any,
              (std::vector<std::string>{"Alpha~NY3000 2000", "Beta~IO84KO", "Gamma~SU1234", ""}));
    EXPECT_EQ(lf, (std::vector<std::string>{"Alpha~NY3000 2000\rBeta~IO84KO", "Gamma~SU1234\r"}));
    // The console search reads every line end as the window does: "Beta" is an entry of its own.
    const SiteSearchResult beta = FindSiteByNameField(path, "beta");
    EXPECT_EQ(beta.outcome, SiteSearchOutcome::kFound);
    EXPECT_EQ(beta.fields.name, "Beta");
    EXPECT_EQ(beta.fields.location, "IO84KO");
}

}  // namespace
}  // namespace sitefile
