// pathprofile's own options: the masts inside --to and the ranges of --mast and --k, each refused
// as a usage error that names the range.
#include "pathprofile/tool_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pathprofile {
namespace {

using Words = std::vector<std::string>;

console::CommandLine Parse(const Words& words) {
    return console::ParseCommandLine(words, kDescription);
}

TEST(DistantAnswers, MastSuffixIsANumberInRangeOrPartOfTheSite) {
    struct Case {
        const char* value;
        const char* site;
        const char* mast;
    };
    for (const Case& c :
         {Case{"Skiddaw:10", "Skiddaw", "10"}, Case{"Skiddaw", "Skiddaw", ""},
          Case{"Skiddaw:0", "Skiddaw", "0"}, Case{"Skiddaw:+7.5", "Skiddaw", "+7.5"},
          Case{"Skiddaw:10000", "Skiddaw", "10000"},
          Case{"Great Gable:2.5e1", "Great Gable", "2.5e1"},
          // Not a number at all: the ":" is the site's own.
          Case{"Keswick:Town", "Keswick:Town", ""}, Case{"Keswick:", "Keswick:", ""},
          Case{"a:b:12", "a:b", "12"}}) {
        const DistantAnswer answer = SplitDistantAnswer(c.value);
        EXPECT_EQ(answer.error, "") << c.value;
        EXPECT_EQ(answer.site, c.site) << c.value;
        EXPECT_EQ(answer.mast, c.mast) << c.value;
    }
    // A suffix that begins like a number must be one, from 0 to 10000 m: "-5" was once read as
    // part of the site's name, "1e300" printed heights of 300 digits.
    for (const char* bad : {"Skiddaw:-5", "Skiddaw:10m", "Skiddaw:1e300", "Skiddaw:10000.5",
                            "Skiddaw:.", "Skiddaw:-"}) {
        const DistantAnswer answer = SplitDistantAnswer(bad);
        EXPECT_EQ(answer.error, "--to " + std::string(bad) +
                                    ": the mast height after \":\" must be a number in metres "
                                    "from 0 to 10000")
            << bad;
    }
    EXPECT_EQ(DistantAnswersError(Parse({"--to", "Skiddaw:10", "--to", "Fairfield:-5"})),
              "--to Fairfield:-5: the mast height after \":\" must be a number in metres from 0 "
              "to 10000");
    EXPECT_EQ(DistantAnswersError(Parse({"--to", "Skiddaw:10", "--to", "Fairfield"})), "");
}

TEST(PathOptions, MastAndKOutsideTheirRangesAreUsageErrors) {
    EXPECT_EQ(Parse({"--mast", "0", "--k", "0.1"}).request, console::CommandRequest::kRun);
    EXPECT_EQ(Parse({"--mast", "10000", "--k", "1000"}).request, console::CommandRequest::kRun);
    for (const char* mast : {"-1", "10000.1", "1e300", "inf", "nan", ""}) {
        const console::CommandLine line = Parse({"--mast", mast});
        EXPECT_EQ(line.error, "--mast " + std::string(mast) +
                                  ": expected a mast height in metres from 0 to 10000");
    }
    for (const char* k : {"0", "-1", "0.09", "1000.5", "inf", "nan", "1e999"}) {
        const console::CommandLine line = Parse({"--k", k});
        EXPECT_EQ(line.error, "--k " + std::string(k) + ": expected a K factor from 0.1 to 1000");
    }
}

}  // namespace
}  // namespace pathprofile
