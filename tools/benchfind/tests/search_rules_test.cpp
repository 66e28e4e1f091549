#include "benchfind/search_rules.h"

#include <gtest/gtest.h>

#include <limits>

namespace benchfind {
namespace {

TEST(SearchLimit, TooSmallOrEmptyGivesFiveKm) {
    EXPECT_EQ(MaxDistanceFromTyped(0.0), 5.0F);  // an empty answer reads as 0
    EXPECT_EQ(MaxDistanceFromTyped(0.0009), 5.0F);
    EXPECT_EQ(MaxDistanceFromTyped(-3.0), 5.0F);
    EXPECT_EQ(MaxDistanceFromTyped(std::numeric_limits<double>::quiet_NaN()), 5.0F);
    EXPECT_EQ(MaxDistanceFromTyped(0.001), 0.001F);
    EXPECT_EQ(MaxDistanceFromTyped(12.5), 12.5F);
    // Beyond the float range: checked before the conversion, never infinity.
    const float largest = std::numeric_limits<float>::max();
    EXPECT_EQ(MaxDistanceFromTyped(1e300), largest);
    EXPECT_EQ(MaxDistanceFromTyped(std::numeric_limits<double>::max()), largest);
    EXPECT_EQ(MaxDistanceFromTyped(-1e300), 5.0F);
    EXPECT_EQ(LimitMetres(MaxDistanceFromTyped(1e300)), std::numeric_limits<std::int32_t>::max());
}

TEST(SearchLimit, MetresRoundedHalfToEvenAndHeldInRange) {
    EXPECT_EQ(LimitMetres(5.0F), 5000);
    EXPECT_EQ(LimitMetres(0.001F), 1);
    EXPECT_EQ(LimitMetres(2.5F), 2500);
    // 0.0125 km in single precision is 0.012500000186... so 12.5000002 m rounds up;
    // 0.0105 km is 0.010499999858... so it rounds down.
    EXPECT_EQ(LimitMetres(0.0125F), 13);
    EXPECT_EQ(LimitMetres(0.0105F), 10);
    // Exact halves (binary fractions) go to the even metre.
    EXPECT_EQ(LimitMetres(1.0625F), 1062);
    EXPECT_EQ(LimitMetres(1.1875F), 1188);
    EXPECT_EQ(LimitMetres(1e30F), std::numeric_limits<std::int32_t>::max());
}

TEST(SearchDistance, FlatGridDistanceRoundedToMetres) {
    const GridPoint base{330000, 520000};
    EXPECT_EQ(GridDistanceMetres(base, 333000, 524000), 5000.0);
    EXPECT_EQ(GridDistanceMetres(base, 327000, 516000), 5000.0);
    EXPECT_EQ(GridDistanceMetres(base, 330000, 520000), 0.0);
    EXPECT_EQ(GridDistanceMetres(base, 333000, 524001), 5001.0);  // 5000.8
    EXPECT_EQ(GridDistanceMetres(base, 331000, 521000), 1414.0);  // 1414.21
    // Far outside the grid: large, finite, no overflow.
    EXPECT_GT(GridDistanceMetres(base, 1e300, -1e300), 1e300);
}

TEST(SearchFilters, AnswersThatSwitchTheFiltersOn) {
    EXPECT_TRUE(IncludeDestroyedFromAnswer("n"));
    EXPECT_TRUE(IncludeDestroyedFromAnswer("N"));
    for (const char* answer : {"", "NO", "no", "Y", " N", "N "}) {
        SCOPED_TRACE(answer);
        EXPECT_FALSE(IncludeDestroyedFromAnswer(answer));
    }
    EXPECT_TRUE(PillarsOnlyFromAnswer("Y"));
    EXPECT_TRUE(PillarsOnlyFromAnswer("y"));
    for (const char* answer : {"", "YES", "N", "n"}) {
        SCOPED_TRACE(answer);
        EXPECT_FALSE(PillarsOnlyFromAnswer(answer));
    }
}

TEST(SearchFilters, LimitIsInclusive) {
    SearchSettings s;
    s.limit_m = 5000;
    EXPECT_TRUE(IsListed(s, 5000, "Pillar", ""));
    EXPECT_FALSE(IsListed(s, 5001, "Pillar", ""));
    EXPECT_FALSE(IsListed(s, std::numeric_limits<double>::quiet_NaN(), "Pillar", ""));
}

TEST(SearchFilters, DestroyedAndPillarRulesIgnoreCase) {
    SearchSettings defaults;  // destroyed left out, all types listed
    EXPECT_TRUE(IsListed(defaults, 10, "Bolt", "Good"));
    EXPECT_TRUE(IsListed(defaults, 10, "PILLAR", "Remains"));
    EXPECT_FALSE(IsListed(defaults, 10, "Pillar", "destroyed"));
    EXPECT_FALSE(IsListed(defaults, 10, "Pillar", "Reported DeSt 1999"));

    SearchSettings all = defaults;
    all.includeDestroyed = true;
    EXPECT_TRUE(IsListed(all, 10, "Pillar", "DESTROYED"));

    SearchSettings pillars = defaults;
    pillars.pillarsOnly = true;
    EXPECT_TRUE(IsListed(pillars, 10, "pillar", "Good"));
    EXPECT_TRUE(IsListed(pillars, 10, "Buried pill", "Good"));
    EXPECT_FALSE(IsListed(pillars, 10, "Bolt", "Good"));
    EXPECT_FALSE(IsListed(pillars, 10, "", "Good"));
    EXPECT_FALSE(IsListed(pillars, 10, "Pillar", "Destroyed"));
}

TEST(SearchFilters, ContainsIgnoringCaseAtTheEdges) {
    EXPECT_TRUE(ContainsIgnoringCase("dest", "DEST"));
    EXPECT_TRUE(ContainsIgnoringCase("xxDESt", "DEST"));
    EXPECT_FALSE(ContainsIgnoringCase("DES", "DEST"));
    EXPECT_FALSE(ContainsIgnoringCase("DE ST", "DEST"));
    EXPECT_FALSE(ContainsIgnoringCase("", "DEST"));
}

}  // namespace
}  // namespace benchfind
