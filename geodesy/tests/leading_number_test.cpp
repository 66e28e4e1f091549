// Reading the leading number of a text by the window's and the console's rules, and upper-casing.
#include "geodesy/leading_number.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "geodesy/upper_case.h"

namespace geodesy {
namespace {

TEST(LeadingNumberTest, ReadsTheLeadingNumberIgnoringBlanks) {
    EXPECT_EQ(LeadingNumber("51 3"), 513.0);
    EXPECT_EQ(LeadingNumber("  51.5N"), 51.5);
    EXPECT_EQ(LeadingNumber("-1.25W"), -1.25);
    EXPECT_EQ(LeadingNumber("001"), 1.0);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("1.2.3"), 1.2);
    EXPECT_EQ(LeadingNumber("1E3X"), 1000.0);
    EXPECT_EQ(LeadingNumber("12EAST"), 12.0);  // "E" without digits is not an exponent
    EXPECT_EQ(LeadingNumber("SU12"), 0.0);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
}

TEST(UpperCaseTest, LatinOneLettersAndUtf8Sequences) {
    EXPECT_EQ(UpperCase("hill top 51.5n"), "HILL TOP 51.5N");
    // Latin-1 small letters a-grave to thorn become capitals; the division sign, sharp s and
    // y-diaeresis have no Latin-1 capital and stay.
    EXPECT_EQ(UpperCase("f\xE2n caf\xE9 \xFE\xF7\xDF\xFF"), "F\xC2N CAF\xC9 \xDE\xF7\xDF\xFF");
    // A UTF-8 text keeps its multi-byte sequences intact (euro sign, degree sign, an emoji).
    EXPECT_EQ(UpperCase("\xE2\x82\xAC 51\xC2\xB0n \xF0\x9F\x98\x80"),
              "\xE2\x82\xAC 51\xC2\xB0N \xF0\x9F\x98\x80");
}

// The two number readers differ in blanks inside numbers, "&h" hexadecimal and overflow.
TEST(LeadingNumberTest, WindowAndConsoleRules) {
    struct Case {
        const char* text;
        double window, console;
    };
    const Case cases[] = {
        {"51 3", 513.0, 51.0},       {"- 5", -5.0, 0.0}, {"1 . 5", 1.5, 1.0},
        {"1e 3", 1000.0, 1.0},       {"\n7", 7.0, 0.0},  {"&h1F", 0.0, 31.0},
        {"  -2.5e1x", -25.0, -25.0}, {"+4", 4.0, 4.0},   {"1.2.3", 1.2, 1.2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(LeadingNumber(c.text, kWindowNumbers), c.window);
        EXPECT_EQ(LeadingNumber(c.text, kConsoleNumbers), c.console);
    }
    EXPECT_EQ(LeadingNumber("1e999", kWindowNumbers), HUGE_VAL);
    EXPECT_EQ(LeadingNumber("-1e999", kConsoleNumbers), -std::numeric_limits<double>::max());
    EXPECT_EQ(LeadingNumber("1e-999", kConsoleNumbers), 0.0);
}

// A number is read as written however many digits it has: only a value beyond the double range
// becomes infinity (window) or the largest double (console), and one too small for it reads 0.
TEST(LeadingNumberTest, LongNumbersReadAsTheirValue) {
    const std::string zeros330(330, '0');
    const std::string digits400 = "1" + std::string(400, '0');
    struct Case {
        std::string text;
        double window, console;
    };
    const double max = std::numeric_limits<double>::max();
    const Case cases[] = {
        {"0." + zeros330 + "1N", 0.0, 0.0},
        {"-0." + zeros330 + "1", -0.0, -0.0},
        {"0." + zeros330 + "1e400", 1e69, 1e69},
        {"0." + std::string(300, '0') + "1", 1e-301, 1e-301},
        {digits400 + "e-390", 1e10, 1e10},
        {digits400, HUGE_VAL, max},
        {"-" + digits400, -HUGE_VAL, -max},
        {"0.1e99999999999999999999", HUGE_VAL, max},
        {"5e-99999999999999999999", 0.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text, kWindowNumbers), c.window);
        EXPECT_DOUBLE_EQ(LeadingNumber(c.text, kConsoleNumbers), c.console);
    }
    // Hexadecimal digits beyond the double range follow the same rule (257 of them).
    const std::string hex257 = "&h" + std::string(257, 'F');
    EXPECT_EQ(LeadingNumber(hex257, kConsoleNumbers), max);
    EXPECT_EQ(LeadingNumber(hex257, kWindowNumbers), 0.0);  // the window reads no "&h"
    EXPECT_DOUBLE_EQ(LeadingNumber("&h1" + std::string(250, '0'), kConsoleNumbers),
                     std::ldexp(1.0, 1000));
    // The typed position with such a fraction reads as 54 degrees.
    EXPECT_EQ(LeadingNumber("54 0." + zeros330 + "1N 3W", kConsoleNumbers), 54.0);
}

// Short numbers are worked out without the library's reader; they must give the same double,
// bit for bit, as from_chars does for the same digits, at every length and point position
// up to and beyond the 15 digits of the short path.
TEST(LeadingNumberTest, ShortNumbersGiveTheLibrarysDouble) {
    std::mt19937_64 random(16);
    for (int i = 0; i < 200000; ++i) {
        const int length = 1 + static_cast<int>(random() % 18);
        std::string digits;
        for (int k = 0; k < length; ++k) digits += static_cast<char>('0' + random() % 10);
        const std::size_t point = random() % (digits.size() + 2);
        if (point <= digits.size()) digits.insert(point, ".");
        const std::string text = (i % 3 == 0 ? "-" : "") + digits;
        double expected = 0.0;
        std::from_chars(text.data(), text.data() + text.size(), expected);
        for (const NumberRules& rules : {kWindowNumbers, kConsoleNumbers}) {
            const double got = LeadingNumber(text + "N", rules);
            ASSERT_EQ(std::signbit(got), std::signbit(expected)) << text;
            ASSERT_EQ(got, expected) << text;
        }
    }
    EXPECT_EQ(LeadingNumber("+54.45431N"), 54.45431);
    EXPECT_EQ(LeadingNumber("0.1"), 0.1);
    EXPECT_EQ(LeadingNumber("999999999999999"), 999999999999999.0);
    EXPECT_EQ(LeadingNumber("9007199254740993"), 9007199254740992.0);  // 2^53 + 1 rounds to even
}

}  // namespace
}  // namespace geodesy
