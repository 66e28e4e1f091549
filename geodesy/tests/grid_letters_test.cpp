// The 100 km square letters both ways, and the readers built on them agreeing with each other.
#include "geodesy/grid_letters.h"

#include <gtest/gtest.h>

#include <string>

namespace geodesy {
namespace {

TEST(GridLettersTest, WorkedSquares) {
    EXPECT_EQ(FormatGridLetters({0, 0}), "SV");
    EXPECT_EQ(FormatGridLetters({4, 1}), "SU");
    EXPECT_EQ(FormatGridLetters({3, 5}), "NY");
    EXPECT_EQ(FormatGridLetters({5, 1}), "TQ");
    // Two rows north of S the first-letter count lands on I, which the grid skips: H.
    EXPECT_EQ(FormatGridLetters({4, 11}), "HU");
    EXPECT_EQ(FormatGridLetters({5, 11}), "JQ");
    // Second letters either side of the skipped I.
    EXPECT_EQ(FormatGridLetters({2, 8}), "NH");
    EXPECT_EQ(FormatGridLetters({3, 8}), "NJ");
    // Far north of the grid the letter count runs below A.
    EXPECT_EQ(FormatGridLetters({0, 26}), "?Q");
    EXPECT_EQ(ParseGridLetters('S', 'V'), (GridSquare{0, 0}));
    EXPECT_EQ(ParseGridLetters('H', 'P'), (GridSquare{4, 12}));
    EXPECT_EQ(ParseGridLetters('N', 'J'), (GridSquare{3, 8}));
}

TEST(GridLettersTest, EverySquareOfTheGridRoundTrips) {
    for (std::int64_t e = 0; e < 7; ++e) {
        for (std::int64_t n = 0; n < 13; ++n) {
            const std::string letters = FormatGridLetters({e, n});
            SCOPED_TRACE(letters);
            ASSERT_EQ(letters.size(), 2u);
            EXPECT_TRUE(IsGridLetter(letters[0]) && IsGridLetter(letters[1]));
            EXPECT_EQ(ParseGridLetters(letters[0], letters[1]), (GridSquare{e, n}));
        }
    }
}

// Beyond the grid's 7 x 13 squares the letters stay right up to 1500 km east and north (the
// blocks U, P and K included); benchfind writes them for archive points there.
TEST(GridLettersTest, TheWholeQuadrantNorthEastOfTheFalseOriginRoundTrips) {
    for (std::int64_t e = 0; e < 15; ++e) {
        for (std::int64_t n = 0; n < 15; ++n) {
            const std::string letters = FormatGridLetters({e, n});
            SCOPED_TRACE(letters);
            ASSERT_TRUE(IsGridLetter(letters[0]) && IsGridLetter(letters[1]));
            EXPECT_EQ(ParseGridLetters(letters[0], letters[1]), (GridSquare{e, n}));
        }
    }
    EXPECT_EQ(FormatGridLetters({14, 14}), "KE");
    EXPECT_EQ(FormatGridLetters({14, 0}), "UZ");
    EXPECT_EQ(FormatGridLetters({10, 14}), "KA");
}

TEST(GridLettersTest, EveryLetterPairParsesBackToItself) {
    for (char first = 'A'; first <= 'Z'; ++first) {
        for (char second = 'A'; second <= 'Z'; ++second) {
            if (!IsGridLetter(first) || !IsGridLetter(second)) continue;
            const GridSquare square = ParseGridLetters(first, second);
            // Blocks north of H are not on the grid, and some wrap oddly; all the rest come back.
            if (square.east < 0 || square.north < 0 || square.north >= 15) continue;
            EXPECT_EQ(FormatGridLetters(square), std::string({first, second}))
                << square.east << " " << square.north;
        }
    }
    EXPECT_FALSE(IsGridLetter('I'));
    EXPECT_FALSE(IsGridLetter('s'));
    EXPECT_EQ(GridLetterIndex('H'), 7);
    EXPECT_EQ(GridLetterIndex('J'), 8);
    EXPECT_EQ(GridLetterIndex('Z'), 24);
}

}  // namespace
}  // namespace geodesy
