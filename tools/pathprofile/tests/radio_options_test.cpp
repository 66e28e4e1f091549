// The --freq and --csv options: read typed from pathprofile's own table, the site words left in
// order, and every malformed use refused with a message naming it.
#include "pathprofile/radio_options.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "pathprofile/tool_options.h"

namespace pathprofile {
namespace {

using Words = std::vector<std::string>;

console::CommandLine Parse(const Words& words) {
    return console::ParseCommandLine(words, kDescription);
}

TEST(RadioOptions, TakesBothOptionsAndLeavesTheSiteWords) {
    const console::CommandLine line =
        Parse({"--freq", "144", "Scafell", "--csv", "out/p.csv", "Pike"});
    ASSERT_EQ(line.request, console::CommandRequest::kRun) << line.error;
    const RadioOptions a = RadioOptionsFrom(line);
    ASSERT_TRUE(a.frequency_MHz.has_value());
    EXPECT_EQ(*a.frequency_MHz, 144.0);
    EXPECT_EQ(a.csvFile, "out/p.csv");
    EXPECT_EQ(line.words, (Words{"Scafell", "Pike"}));

    const RadioOptions byEquals = RadioOptionsFrom(Parse({"--freq=432", "--csv=p.csv"}));
    EXPECT_EQ(byEquals.frequency_MHz, 432.0);
    EXPECT_EQ(byEquals.csvFile, "p.csv");

    const RadioOptions none = RadioOptionsFrom(Parse({"Scafell", "Pike"}));
    EXPECT_FALSE(none.frequency_MHz.has_value());
    EXPECT_TRUE(none.csvFile.empty());
}

TEST(RadioOptions, FrequencyTexts) {
    auto frequency = [](const char* text) { return RadioOptionsFrom(Parse({"--freq", text})); };
    EXPECT_EQ(frequency("1296.5").frequency_MHz, 1296.5);
    EXPECT_EQ(frequency("2.4e3").frequency_MHz, 2400.0);
    EXPECT_EQ(frequency("0.136").frequency_MHz, 0.136);
    // "1e-307" is above 0, but its wavelength overflows: no zone could be drawn.
    for (const char* bad :
         {"abc", "", "0", "-144", "144MHz", " 144", "inf", "nan", "1e-320", "1e-307"}) {
        EXPECT_EQ(Parse({"--freq", bad}).request, console::CommandRequest::kUsageError)
            << '"' << bad << '"';
    }
    EXPECT_TRUE(std::isfinite(radiolink::Wavelength_m(kLowestFrequency_MHz * 1.000001)));
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
        {{"Skiddaw", "--freq"}, "--freq needs a value MHZ"},
        {{"--csv"}, "--csv needs a value FILE"},
        {{"--csv", ""}, "--csv needs a file name"},
        {{"--freq", "144", "--freq", "432"}, "--freq given twice"},
        {{"--csv", "a.csv", "--csv=b.csv"}, "--csv given twice"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.error);
        EXPECT_EQ(Parse(c.words).error, c.error);
    }
}

}  // namespace
}  // namespace pathprofile
