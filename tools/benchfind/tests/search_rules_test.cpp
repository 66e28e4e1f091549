#include "benchfind/search_rules.h"

#include <gtest/gtest.h>

#include <limits>

namespace benchfind {
namespace {

TEST(SearchLimit, TooSmallOrEmptyGivesFiveKm) {
    EXPECT_EQ(maxDistanceFromTyped(0.0), 5.0F);  // an empty answer reads as 0
    EXPECT_EQ(maxDistanceFromTyped(0.0009), 5.0F);
    EXPECT_EQ(maxDistanceFromTyped(-3.0), 5.0F);
    EXPECT_EQ(maxDistanceFromTyped(std::numeric_limits<double>::quiet_NaN()), 5.0F);
    EXPECT_EQ(maxDistanceFromTyped(0.001), 0.001F);
    EXPECT_EQ(maxDistanceFromTyped(12.5), 12.5F);
    // Beyond the float range: checked before the conversion, never infinity.
    const float largest = std::numeric_limits<float>::max();
    EXPECT_EQ(maxDistanceFromTyped(1e300), largest);
    EXPECT_EQ(maxDistanceFromTyped(std::numeric_limits<double>::max()), largest);
    EXPECT_EQ(maxDistanceFromTyped(-1e300), 5.0F);
    EXPECT_EQ(limitMetres(maxDistanceFromTyped(1e300)), std::numeric_limits<std::int32_t>::max());
}

TEST(SearchLimit, MetresRoundedHalfToEvenAndHeldInRange) {
    EXPECT_EQ(limitMetres(5.0F), 5000);
    EXPECT_EQ(limitMetres(0.001F), 1);
    EXPECT_EQ(limitMetres(2.5F), 2500);
    // 0.0125 km in single precision is 0.012500000186... so 12.5000002 m rounds up;
    // 0.0105 km is 0.010499999858... so it rounds down.
    EXPECT_EQ(limitMetres(0.0125F), 13);
    EXPECT_EQ(limitMetres(0.0105F), 10);
    // Exact halves (binary fractions) go to the even metre.
    EXPECT_EQ(limitMetres(1.0625F), 1062);
    EXPECT_EQ(limitMetres(1.1875F), 1188);
    EXPECT_EQ(limitMetres(1e30F), std::numeric_limits<std::int32_t>::max());
}

TEST(SearchDistance, FlatGridDistanceRoundedToMetres) {
    const GridPoint base{330000, 520000};
    EXPECT_EQ(gridDistanceMetres(base, 333000, 524000), 5000.0);
    EXPECT_EQ(gridDistanceMetres(base, 327000, 516000), 5000.0);
    EXPECT_EQ(gridDistanceMetres(base, 330000, 520000), 0.0);
    EXPECT_EQ(gridDistanceMetres(base, 333000, 524001), 5001.0);  // 5000.8
    EXPECT_EQ(gridDistanceMetres(base, 331000, 521000), 1414.0);  // 1414.21
    // Far outside the grid: large, finite, no overflow.
    EXPECT_GT(gridDistanceMetres(base, 1e300, -1e300), 1e300);
}

TEST(SearchFilters, AnswersThatSwitchTheFiltersOn) {
    EXPECT_TRUE(includeDestroyedFromAnswer("n"));
    EXPECT_TRUE(includeDestroyedFromAnswer("N"));
    for (const char* answer : {"", "NO", "no", "Y", " N", "N "}) {
        SCOPED_TRACE(answer);
        EXPECT_FALSE(includeDestroyedFromAnswer(answer));
    }
    EXPECT_TRUE(pillarsOnlyFromAnswer("Y"));
    EXPECT_TRUE(pillarsOnlyFromAnswer("y"));
    for (const char* answer : {"", "YES", "N", "n"}) {
        SCOPED_TRACE(answer);
        EXPECT_FALSE(pillarsOnlyFromAnswer(answer));
    }
}

TEST(SearchFilters, LimitIsInclusive) {
    SearchSettings s;
    s.limit_m = 5000;
    EXPECT_TRUE(isListed(s, 5000, "Pillar", ""));
    EXPECT_FALSE(isListed(s, 5001, "Pillar", ""));
    EXPECT_FALSE(isListed(s, std::numeric_limits<double>::quiet_NaN(), "Pillar", ""));
}

TEST(SearchFilters, DestroyedAndPillarRulesIgnoreCase) {
    SearchSettings defaults;  // destroyed left out, all types listed
    EXPECT_TRUE(isListed(defaults, 10, "Bolt", "Good"));
    EXPECT_TRUE(isListed(defaults, 10, "PILLAR", "Remains"));
    EXPECT_FALSE(isListed(defaults, 10, "Pillar", "destroyed"));
    EXPECT_FALSE(isListed(defaults, 10, "Pillar", "Reported DeSt 1999"));

    SearchSettings all = defaults;
    all.includeDestroyed = true;
    EXPECT_TRUE(isListed(all, 10, "Pillar", "DESTROYED"));

    SearchSettings pillars = defaults;
    pillars.pillarsOnly = true;
    EXPECT_TRUE(isListed(pillars, 10, "pillar", "Good"));
    EXPECT_TRUE(isListed(pillars, 10, "Buried pill", "Good"));
    EXPECT_FALSE(isListed(pillars, 10, "Bolt", "Good"));
    EXPECT_FALSE(isListed(pillars, 10, "", "Good"));
    EXPECT_FALSE(isListed(pillars, 10, "Pillar", "Destroyed"));
}

TEST(SearchFilters, ContainsIgnoringCaseAtTheEdges) {
    EXPECT_TRUE(containsIgnoringCase("dest", "DEST"));
    EXPECT_TRUE(containsIgnoringCase("xxDESt", "DEST"));
    EXPECT_FALSE(containsIgnoringCase("DES", "DEST"));
    EXPECT_FALSE(containsIgnoringCase("DE ST", "DEST"));
    EXPECT_FALSE(containsIgnoringCase("", "DEST"));
}

}  // namespace
}  // namespace benchfind
