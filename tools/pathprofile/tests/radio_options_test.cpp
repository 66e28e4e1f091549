// The --freq and --csv options: taken out of the command line, everything else left in order,
// and every malformed use refused with a message naming it.
#include "pathprofile/radio_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pathprofile {
namespace {

using Words = std::vector<std::string>;

TEST(RadioOptions, TakesBothOptionsAndLeavesTheSiteWords) {
    const RadioArgs a = TakeRadioArgs({"--freq", "144", "Scafell", "--csv", "out/p.csv", "Pike"});
    EXPECT_TRUE(a.error.empty()) << a.error;
    ASSERT_TRUE(a.options.frequency_MHz.has_value());
    EXPECT_EQ(*a.options.frequency_MHz, 144.0);
    EXPECT_EQ(a.options.csvFile, "out/p.csv");
    EXPECT_EQ(a.remaining, (Words{"Scafell", "Pike"}));

    const RadioArgs none = TakeRadioArgs({"Scafell", "Pike"});
    EXPECT_TRUE(none.error.empty());
    EXPECT_FALSE(none.options.frequency_MHz.has_value());
    EXPECT_TRUE(none.options.csvFile.empty());
    EXPECT_EQ(none.remaining, (Words{"Scafell", "Pike"}));
}

TEST(RadioOptions, FrequencyTexts) {
    EXPECT_EQ(ParseFrequency_MHz("1296.5"), 1296.5);
    EXPECT_EQ(ParseFrequency_MHz("2.4e3"), 2400.0);
    EXPECT_EQ(ParseFrequency_MHz("0.136"), 0.136);
    for (const char* bad : {"abc", "", "0", "-144", "144MHz", " 144", "inf", "nan", "1e-320"}) {
        EXPECT_FALSE(ParseFrequency_MHz(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(RadioOptions, MalformedUseIsAUsageErrorNamingIt) {
    struct Case {
        Words words;
        std::string error;
    };
    const std::vector<Case> cases = {
        {{"--freq", "abc"},
         "--freq abc: expected a frequency in MHz, a number above 0 (for example 144)"},
        {{"Skiddaw", "--freq", "-5"},
         "--freq -5: expected a frequency in MHz, a number above 0 (for example 144)"},
        {{"Skiddaw", "--freq"}, "--freq needs a value"},
        {{"--csv"}, "--csv needs a value"},
        {{"--csv", ""}, "--csv needs a file name"},
        {{"--freq", "144", "--freq", "432"}, "--freq given twice: one frequency per run"},
        {{"--csv", "a.csv", "--csv", "b.csv"}, "--csv given twice: one file name per run"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        EXPECT_EQ(TakeRadioArgs(c.words).error, c.error);
    }
}

}  // namespace
}  // namespace pathprofile
