// The command lines as parsed: modes, options and the mistakes that make a usage error.

#include "command_line.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "model_test_support.h"
#include "resolve_rows.h"

namespace tormark {
namespace {

TEST(ParseCommandLine, ModesOptionsAndMistakes) {
    CommandLine c = ParseCommandLine({"--db", "x.dat"});
    EXPECT_EQ(c.mode, RunMode::kWindow);
    EXPECT_EQ(c.database, "x.dat");
    EXPECT_EQ(c.error, "");

    c = ParseCommandLine({"--resolve", "--home", "IO91IM", "SU12344567", "hill top"});
    EXPECT_EQ(c.mode, RunMode::kResolve);
    EXPECT_EQ(c.home, "IO91IM");
    EXPECT_EQ(c.texts, (std::vector<std::string>{"SU12344567", "hill top"}));

    c = ParseCommandLine({"--listing", "out.txt", "--home", "h", "--max", "20", "--to", "90"});
    EXPECT_EQ(c.mode, RunMode::kListing);
    EXPECT_EQ(c.listing.fileName, "out.txt");
    EXPECT_EQ(c.listing.maxDist, "20");
    EXPECT_EQ(c.listing.toBear, "90");
    EXPECT_EQ(c.listing.minDist, "0");  // the box's initial text

    c = ParseCommandLine({"--screenshot", "w.png", "--home", "h", "--db", "s.dat", "IO91IM"});
    EXPECT_EQ(c.mode, RunMode::kScreenshot);
    EXPECT_EQ(c.screenshotFile, "w.png");
    EXPECT_EQ(c.home, "h");
    EXPECT_EQ(c.texts, std::vector<std::string>{"IO91IM"});
    EXPECT_NE(ParseCommandLine({"--screenshot"}).error, "");
    EXPECT_NE(ParseCommandLine({"--screenshot", "a.png", "--resolve"}).error, "");

    EXPECT_NE(ParseCommandLine({"--listing", "out.txt"}).error, "");  // no home
    EXPECT_NE(ParseCommandLine({"--resolve", "--max", "5"}).error, "");
    EXPECT_NE(ParseCommandLine({"--bogus"}).error, "");
    EXPECT_NE(ParseCommandLine({"--resolve", "--db"}).error, "");
    EXPECT_NE(ParseCommandLine({"stray"}).error, "");
}

// The suite's parser reads Tormark's options: "--name=VALUE", "--", negative numbers and the
// typed values of the listing boxes.
TEST(ParseCommandLine, SharesTheSuitesOptionRules) {
    CommandLine c = ParseCommandLine(
        {"--listing=out.txt", "--home=IO91IM", "--db=a=b.dat", "--min=-5", "--from", "-10"});
    EXPECT_EQ(c.error, "");
    EXPECT_EQ(c.mode, RunMode::kListing);
    EXPECT_EQ(c.listing.fileName, "out.txt");
    EXPECT_EQ(c.home, "IO91IM");
    EXPECT_EQ(c.database, "a=b.dat");
    EXPECT_EQ(c.listing.minDist, "-5");
    EXPECT_EQ(c.listing.fromBear, "-10");
    EXPECT_EQ(c.listing.maxDist, "99999") << "the box's initial text";

    c = ParseCommandLine({"--resolve", "-3.5", "--", "--home", "-x"});
    EXPECT_EQ(c.error, "");
    EXPECT_EQ(c.home, std::nullopt);
    EXPECT_EQ(c.texts, (std::vector<std::string>{"-3.5", "--home", "-x"}));

    struct Wrong {
        std::vector<std::string> args;
        std::string error;
    };
    for (const Wrong& w : std::vector<Wrong>{
             {{"--listing", "l.txt", "--max", "abc"}, "--max abc: expected a number in km"},
             {{"--listing", "l.txt", "--home", "h", "--to=north"},
              "--to north: expected a number in degrees"},
             {{"--listing", ""}, "--listing needs a file name"},
             {{"--screenshot="}, "--screenshot needs a file name"},
             {{"--resolve", "--listing", "l.txt"},
              "--resolve, --listing and --screenshot exclude each other"},
             {{"--resolve", "--db", "a", "--db", "b"}, "--db given twice"},
             {{"--resolve=yes"}, "--resolve takes no value"},
             {{"--listing", "l.txt"}, "--listing needs --home TEXT"},
             {{"--home", "h"}, "--home needs --resolve, --listing or --screenshot"},
             {{"--resolve", "--search", "x"},
              "--min, --max, --from, --to and --search belong to --listing"},
         }) {
        EXPECT_EQ(ParseCommandLine(w.args).error, w.error);
    }
    // --help answers a line that is otherwise wrong in how its options fit together.
    c = ParseCommandLine({"stray", "--home", "h", "--help"});
    EXPECT_TRUE(c.help);
    EXPECT_EQ(c.error, "");
}

TEST(HelpText, ComesFromTheTableInTormarksLayout) {
    const std::string help = HelpText();
    EXPECT_EQ(help.rfind("Usage: Tormark [--db FILE]\n  or:  Tormark --resolve [--db FILE]", 0),
              0u);
    EXPECT_NE(help.find("      --resolve           resolve each TEXT (or each line of standard "
                        "input) as\n                          \"Use This\" would"),
              std::string::npos);
    EXPECT_EQ(help.find("      --screenshot"), std::string::npos) << "in the usage lines alone";
    EXPECT_NE(help.find("\n  1  refused or failed run (a home that names no position"),
              std::string::npos);
    EXPECT_EQ(UsageText().rfind("usage: Tormark [--db FILE]\n       Tormark --resolve", 0), 0u);
}

std::vector<std::string> Columns(const std::string& row) {
    std::vector<std::string> columns;
    std::size_t start = 0;
    for (std::size_t tab; (tab = row.find('\t', start)) != std::string::npos; start = tab + 1)
        columns.push_back(row.substr(start, tab - start));
    columns.push_back(row.substr(start));
    return columns;
}

struct BatchRun {
    int status = -1;
    std::vector<std::vector<std::string>> rows;  // the header left out
};

BatchRun Resolve(const std::string& database, const std::string& input) {
    CommandLine command = ParseCommandLine({"--resolve", "--db", database});
    std::istringstream in(input);
    std::ostringstream out, err;
    BatchRun run;
    run.status = RunResolve(command, "", in, out, err);
    std::istringstream lines(out.str());
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, ResolveHeader());
    while (std::getline(lines, line)) run.rows.push_back(Columns(line));
    return run;
}

// Each line gives one row about itself alone: after a line that resolved, a line that does not
// leaves every position column empty and always says why; the exit status tells whether all
// lines resolved.
TEST(RunResolve, EveryRowReportsOnlyItsOwnLine) {
    test::TempDir dir;
    const std::string db = test::WriteFile(
        dir, "Sites.dat", {"Dunkery Beacon~SS891 416", "Odd~XY", "ENDENDEND", "Late~IO91IM"});
    const std::size_t kColumns = Columns(ResolveHeader()).size();
    ASSERT_EQ(kColumns, 17u);
    ASSERT_EQ(Columns(ResolveHeader())[16], "site");
    struct Case {
        std::string line;
        std::string message;  // "" for a line that resolves
    };
    // A latitude beyond the double range.
    const std::string overflow = std::string(400, '9') + "N 3W";
    const Case cases[] = {
        {"51.5N 1W", ""},
        {"IO91IM0", "Locator error"},
        {"IO91WM", ""},
        {"", "Not a position"},
        {"SU1224 4219", ""},
        {"51.5 1.25", "Not a position"},
        {"91", ""},
        {"late", "Not Found"},
        {"odd", "ERROR"},
        {overflow, "Not a position"},
        {"XZ99 ZZ", "Not valid"},
    };
    std::string input;
    for (const Case& c : cases) input += c.line + "\n";
    const BatchRun run = Resolve(db, input);
    EXPECT_EQ(run.status, 1);
    ASSERT_EQ(run.rows.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& row = run.rows[i];
        SCOPED_TRACE(cases[i].line.substr(0, 20));
        ASSERT_EQ(row.size(), kColumns);
        EXPECT_EQ(row[0], cases[i].line);
        EXPECT_EQ(row[15], cases[i].message);
        const bool resolved = cases[i].message.empty();
        for (int column = 2; column <= 9; ++column) EXPECT_EQ(row[column].empty(), !resolved);
    }
    // "91" finds Dunkery Beacon through its grid reference: the site column says so.
    EXPECT_EQ(run.rows[6][16], "Dunkery Beacon");
    EXPECT_EQ(run.rows[6][6], "SS891416");
    EXPECT_EQ(run.rows[2][16], "");
    // Each row's resolution is its own: a 6-character locator, then an 8-digit grid reference.
    EXPECT_EQ(run.rows[2][4], "4.633333333");
    EXPECT_EQ(run.rows[4][4], "0.010000000");
}

TEST(RunResolve, ExitStatusAndMissingDatabase) {
    test::TempDir dir;
    const std::string db = test::WriteFile(dir, "Sites.dat", {"Hill Top~ST4523 8150"});
    EXPECT_EQ(Resolve(db, "IO91WM\nhill\n").status, 0);
    // A file without "ENDENDEND": a name not in it is "Not Found" too.
    const BatchRun ended = Resolve(db, "IO91WM\nnowhere\n");
    EXPECT_EQ(ended.status, 1);
    ASSERT_EQ(ended.rows.size(), 2u);
    EXPECT_EQ(ended.rows[1][15], "Not Found");
    EXPECT_EQ(ended.rows[1][2], "");

    const BatchRun missing = Resolve(dir.FilePath("none.dat"), "IO91WM\nhill\n");
    EXPECT_EQ(missing.status, 1);
    ASSERT_EQ(missing.rows.size(), 2u);
    EXPECT_EQ(missing.rows[0][5], "IO91WM");
    EXPECT_EQ(missing.rows[1][15], "Site datbase not found");
    EXPECT_EQ(missing.rows[1][5], "");
}

}  // namespace
}  // namespace tormark
