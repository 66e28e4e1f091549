// The command lines as parsed: modes, options and the mistakes that make a usage error.

#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

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

}  // namespace
}  // namespace tormark
