#include "grid_ref.h"

#include <gtest/gtest.h>

namespace benchfind {
namespace {

TEST(GridRefRead, BlanksAndCaseAreIgnored) {
    EXPECT_EQ(NormaliseGridText(" su 123\t456 "), "SU123456");
    // 6 digits: 100 m unit.
    EXPECT_EQ(ParseGridPoint("su 123 456"), (GridPoint{412300, 145600}));
    EXPECT_EQ(ParseGridPoint("SU123456"), (GridPoint{412300, 145600}));
}

TEST(GridRefRead, DigitCountSetsTheUnit) {
    EXPECT_EQ(ParseGridPoint("SV0000000000"), (GridPoint{0, 0}));
    EXPECT_EQ(ParseGridPoint("SU14"), (GridPoint{410000, 140000}));          // 10 km
    EXPECT_EQ(ParseGridPoint("SU1245"), (GridPoint{412000, 145000}));        // 1 km
    EXPECT_EQ(ParseGridPoint("SU12344567"), (GridPoint{412340, 145670}));    // 10 m
    EXPECT_EQ(ParseGridPoint("SU1234545678"), (GridPoint{412345, 145678}));  // 1 m
}

TEST(GridRefRead, EverySquareOfTheGridLettering) {
    // One square from each 500 km letter used in Britain, plus the letters either side of I.
    EXPECT_EQ(ParseGridPoint("NY3000020000"), (GridPoint{330000, 520000}));
    EXPECT_EQ(ParseGridPoint("TQ3000080000"), (GridPoint{530000, 180000}));
    EXPECT_EQ(ParseGridPoint("HU4000011000"), (GridPoint{440000, 1111000}));
    EXPECT_EQ(ParseGridPoint("HP0000000000"), (GridPoint{400000, 1200000}));
    EXPECT_EQ(ParseGridPoint("JA00"), (GridPoint{500000, 1400000}));
    EXPECT_EQ(ParseGridPoint("OV00"), (GridPoint{500000, 500000}));
    EXPECT_EQ(ParseGridPoint("NH00"), (GridPoint{200000, 800000}));
    EXPECT_EQ(ParseGridPoint("NJ00"), (GridPoint{300000, 800000}));
}

TEST(GridRefRead, TextsThatAreNotGridReferences) {
    for (const char* text : {"", "S", "SU", "SU 12 3", "IU1234", "SI1234", "1U1234", "S11234",
                             "SU12a4", "SU123456789012", "SU12-456", "12345678"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseGridPoint(text).has_value());
    }
}

TEST(GridRefWrite, FiveDigitsEachWithTheSquareLetters) {
    EXPECT_EQ(FormatGridPoint(412345, 145678), "SU12345 45678");
    EXPECT_EQ(FormatGridPoint(0, 0), "SV00000 00000");
    EXPECT_EQ(FormatGridPoint(330000, 520005), "NY30000 20005");
    EXPECT_EQ(FormatGridPoint(530000, 180000), "TQ30000 80000");
    // Two rows north of S the first-letter count lands on I, which becomes H.
    EXPECT_EQ(FormatGridPoint(450000, 1150000), "HU50000 50000");
    EXPECT_EQ(FormatGridPoint(550000, 1150000), "JQ50000 50000");
    // Second letters either side of the skipped I.
    EXPECT_EQ(FormatGridPoint(299999, 899999), "NH99999 99999");
    EXPECT_EQ(FormatGridPoint(300000, 800000), "NJ00000 00000");
}

TEST(GridRefWrite, RoundTripsThroughReading) {
    for (std::int64_t e = 5; e < 700000; e += 49999) {
        for (std::int64_t n = 7; n < 1250000; n += 61111) {
            const std::string text = FormatGridPoint(e, n);
            SCOPED_TRACE(text);
            EXPECT_EQ(ParseGridPoint(text), (GridPoint{e, n}));
        }
    }
}

TEST(GridRefWrite, PositionsOffTheLetteringAreMarkedNotGarbled) {
    // Far north of the grid the letter count runs below A.
    EXPECT_EQ(FormatGridPoint(0, 2600000).substr(0, 2), "?Q");
    EXPECT_EQ(FormatGridPoint(-250000, 100).size(), 13U);
}

}  // namespace
}  // namespace benchfind
