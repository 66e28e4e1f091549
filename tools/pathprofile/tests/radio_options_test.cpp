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

// 1 MHz to 100 GHz, both ends included. Beyond them the figures went wrong before: 1e-120 MHz
// wrote stray bytes into the CSV, 1e12 MHz a clearance of millions of per cent, 1e-6 MHz a
// negative free-space loss.
TEST(RadioOptions, FrequencyTexts) {
    auto frequency = [](const char* text) { return RadioOptionsFrom(Parse({"--freq", text})); };
    EXPECT_EQ(frequency("1296.5").frequency_MHz, 1296.5);
    EXPECT_EQ(frequency("2.4e3").frequency_MHz, 2400.0);
    EXPECT_EQ(frequency("1").frequency_MHz, 1.0);
    EXPECT_EQ(frequency("100000").frequency_MHz, 100000.0);
    for (const char* bad : {"abc", "", "0", "-144", "144MHz", " 144", "inf", "nan", "1e-320",
                            "1e-120", "1e-6", "0.999", "100000.1", "1e12"}) {
        const console::CommandLine line = Parse({"--freq", bad});
        EXPECT_EQ(line.request, console::CommandRequest::kUsageError) << '"' << bad << '"';
        EXPECT_NE(line.error.find("from 1 to 100000"), std::string::npos) << line.error;
    }
}

// The link options: typed and in range, each refused outside it with its range named.
TEST(RadioOptions, LinkBudgetOptionsAndTheirRanges) {
    const RadioOptions all = RadioOptionsFrom(
        Parse({"--freq", "144", "--erp", "25", "--rx-gain", "-2.5", "--sensitivity", "-120"}));
    EXPECT_EQ(all.erp_W, 25.0);
    EXPECT_EQ(all.rxGain_dBi, -2.5);
    EXPECT_EQ(all.sensitivity_dBm, -120.0);
    const RadioOptions bare = RadioOptionsFrom(Parse({"--freq", "144", "--erp", "0.001"}));
    EXPECT_EQ(bare.erp_W, 0.001);
    EXPECT_EQ(bare.rxGain_dBi, 0.0);
    EXPECT_FALSE(bare.sensitivity_dBm.has_value());

    struct Case {
        const char* option;
        const char* value;
        const char* range;
    };
    for (const Case& c :
         {Case{"--erp", "0", "above 0 and up to 1000000"},
          Case{"--erp", "-25", "above 0 and up to 1000000"},
          Case{"--erp", "2e6", "above 0 and up to 1000000"},
          Case{"--rx-gain", "71", "from -30 to 70"}, Case{"--rx-gain", "-31", "from -30 to 70"},
          Case{"--sensitivity", "1", "from -200 to 0"},
          Case{"--sensitivity", "-1e300", "from -200 to 0"},
          Case{"--sensitivity", "abc", "from -200 to 0"}}) {
        const console::CommandLine line = Parse({"--freq", "144", c.option, c.value});
        EXPECT_EQ(line.request, console::CommandRequest::kUsageError) << c.option << c.value;
        EXPECT_NE(line.error.find(c.range), std::string::npos) << line.error;
    }
}

TEST(RadioOptions, LinkOptionsNameWhatTheyLack) {
    EXPECT_EQ(MissingRadioOption(Parse({"--erp", "25"})), "--erp needs --freq MHZ");
    EXPECT_EQ(MissingRadioOption(Parse({"--rx-gain", "3"})),
              "--rx-gain needs --freq MHZ and --erp W");
    EXPECT_EQ(MissingRadioOption(Parse({"--freq", "144", "--sensitivity", "-120"})),
              "--sensitivity needs --erp W");
    EXPECT_EQ(MissingRadioOption(Parse(
                  {"--freq", "144", "--erp", "25", "--rx-gain", "3", "--sensitivity", "-120"})),
              "");
    EXPECT_EQ(MissingRadioOption(Parse({"--freq", "144"})), "");
}

TEST(RadioOptions, MalformedUseIsAUsageErrorNamingIt) {
    struct Case {
        Words words;
        std::string error;
    };
    const std::vector<Case> cases = {
        {{"--freq", "abc"},
         "--freq abc: expected a frequency in MHz from 1 to 100000 (1 MHz to "
         "100 GHz)"},
        {{"Skiddaw", "--freq", "-5"},
         "--freq -5: expected a frequency in MHz from 1 to 100000 (1 MHz to 100 GHz)"},
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
