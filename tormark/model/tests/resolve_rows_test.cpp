// The lines of a script resolved in shares on several threads give the rows that resolving them
// one by one gives, including the rows that depend on the lines before them.
#include "resolve_rows.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "model_test_support.h"

namespace tormark {
namespace {

// Grid references of 5, 7 and 9 digits keep the resolution of the lines before them.
const std::vector<std::string> kKeepsResolution = {"NY2154072", "SD12345", "SU122442195",
                                                   "odd grid"};
const std::vector<std::string> kSetsResolution = {
    "54.45431N 3.21172W", "IO84JK",  "54 27 15N 3 12 42W", "IO84JK49", "NY21540722",
    "SU12244219",         "dunkery", "IO84JK49OA"};
const std::vector<std::string> kNamesNoPosition = {
    "", "nowhere at all", "IO91IM0", "51.5 1.25", "broken", "SU" + std::string(14, '1')};

SiteSession NewSession(const std::string& database, bool withHome) {
    SiteSession session;
    session.databasePath = database;
    if (withHome) {
        session.UseThis("IO84JK");
        session.SetAsHome();
    }
    session.showsWindow = false;
    return session;
}

std::vector<std::string> Columns(const std::string& row) {
    std::vector<std::string> columns(1);
    for (char c : row) {
        if (c == '\t')
            columns.emplace_back();
        else
            columns.back() += c;
    }
    return columns;
}

constexpr std::size_t kResolutionColumn = 4;

// The rows of the lines resolved one after the other, the reference.
std::string OneByOne(SiteSession session, const std::vector<std::string>& lines) {
    std::string rows;
    for (const std::string& line : lines) {
        const ResolveResult r = session.UseThis(line);
        AppendResolutionRow(rows, line, r, session);
    }
    return rows;
}

std::string Shared(SiteSession session, const std::vector<std::string>& lines, unsigned workers,
                   bool* allResolved = nullptr) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    std::istringstream in(text);
    std::ostringstream out;
    const bool all = ResolveLines(session, in, out, workers);
    if (allResolved) *allResolved = all;
    return out.str();
}

class ResolveLinesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        database_ = test::WriteFile(dir_, "Sites.dat",
                                    {"Dunkery Beacon~SS891 416", "Odd Grid~NY2154072", "Broken~XY",
                                     std::string("Bell\a Cairn\x1b[2J~IO84JK"), "ENDENDEND"});
    }
    test::TempDir dir_;
    std::string database_;
};

// Lines that set the resolution are rare, so that every share starts with lines whose rows need
// the resolution left by the shares before it. A long run of lines naming no position covers a
// whole share (whose state is then that of the share before) or starts one that then sets the
// resolution first, and passes its own state on.
TEST_F(ResolveLinesTest, SharesGiveTheRowsOfOneByOne) {
    std::mt19937 random(13);
    std::vector<std::string> lines;
    const auto pick = [&](const std::vector<std::string>& from) {
        return from[random() % from.size()];
    };
    for (int i = 0; i < 9000; ++i) {
        if (i >= 2400 && i < 4200)
            lines.push_back(pick(kNamesNoPosition));
        else if (random() % 150 == 0)
            lines.push_back(pick(kSetsResolution));
        else
            lines.push_back(pick(random() % 3 == 0 ? kNamesNoPosition : kKeepsResolution));
    }
    lines[4200] = "IO84JK49OA";
    for (bool withHome : {false, true}) {
        const SiteSession session = NewSession(database_, withHome);
        const std::string expected = OneByOne(session, lines);
        // The kept resolutions differ along the file, so a wrongly carried one shows.
        std::set<std::string> kept;
        std::istringstream rows(expected);
        for (std::string row; std::getline(rows, row);)
            if (row.rfind("NY2154072\t", 0) == 0) kept.insert(Columns(row)[kResolutionColumn]);
        EXPECT_GE(kept.size(), 3u);
        for (unsigned workers : {1u, 2u, 3u, 8u}) {
            SCOPED_TRACE(workers);
            bool allResolved = true;
            EXPECT_EQ(Shared(session, lines, workers, &allResolved), expected);
            EXPECT_FALSE(allResolved);
        }
    }
}

TEST_F(ResolveLinesTest, LineEndsAndTheExitStatus) {
    const SiteSession session = NewSession(database_, false);
    std::istringstream in("IO84JK\r\nNY2154072\r\nSU12244219");  // no line end after the last
    std::ostringstream out;
    SiteSession copy = session;
    EXPECT_TRUE(ResolveLines(copy, in, out, 2));
    EXPECT_EQ(out.str(), OneByOne(session, {"IO84JK", "NY2154072", "SU12244219"}));
    // The grid reference of 7 digits keeps the 6-character locator's resolution.
    std::istringstream rows(out.str());
    std::string locator, kept;
    std::getline(rows, locator);
    std::getline(rows, kept);
    EXPECT_EQ(Columns(kept)[kResolutionColumn], Columns(locator)[kResolutionColumn]);

    std::istringstream empty("");
    std::ostringstream none;
    EXPECT_TRUE(ResolveLines(copy, empty, none, 2));
    EXPECT_EQ(none.str(), "");
    // A block of lines of which one names no position.
    std::vector<std::string> lines(500, "IO84JK");
    lines[321] = "nowhere at all";
    bool allResolved = true;
    Shared(session, lines, 4, &allResolved);
    EXPECT_FALSE(allResolved);
    lines[321] = "IO84JK49";
    Shared(session, lines, 4, &allResolved);
    EXPECT_TRUE(allResolved);
}

// A row is text for a terminal or a script: the control bytes of an input or of a database name
// are written escaped, never as the bytes themselves (NUL would end a C string, ESC starts a
// terminal command, BEL rings).
TEST_F(ResolveLinesTest, ControlBytesAreWrittenEscaped) {
    SiteSession session = NewSession(database_, false);
    using namespace std::string_literals;
    const std::string typed = "no\0where\x1b[31m\a\x7f\x1f\tcaf\xc3\xa9"s;
    std::string row;
    AppendResolutionRow(row, typed, session.UseThis(typed), session);
    const std::vector<std::string> columns = Columns(row);
    ASSERT_EQ(columns.size(), 17u) << row;
    // The tab inside the input stays a blank, as before; UTF-8 letters pass unchanged.
    EXPECT_EQ(columns[0], "no\\x00where\\x1b[31m\\x07\\x7f\\x1f caf\xc3\xa9");
    EXPECT_EQ(columns[15], "Not Found");

    // The name found in the database is escaped too, in the input and site columns.
    row.clear();
    AppendResolutionRow(row, "bell", session.UseThis("bell"), session);
    const std::vector<std::string> found = Columns(row);
    ASSERT_EQ(found.size(), 17u) << row;
    EXPECT_EQ(found[5], "IO84JK");
    EXPECT_EQ(found[16], "Bell\\x07 Cairn\\x1b[2J\n");
    for (char c : row) {
        if (c == '\t' || c == '\n') continue;
        EXPECT_GE(static_cast<unsigned char>(c), 0x20) << row;
    }
}

}  // namespace
}  // namespace tormark
