// The coverage map's colours: bands placed by the levels a map holds, the field strength beside
// each level, the covered key's edge inclusive.
#include "visplot/level_key.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "plot/no_data.h"

namespace visplot {
namespace {

TEST(LevelKey, TheHighestBandStartsWhereOnlyTheTopSamplesReach) {
    // 1000 samples from -149.9 to -50.0 dBm, one each 0.1 dB: 2 % lie at or above -52.0 dBm, so
    // the top band starts at -60 dBm.
    mastview::LevelGrid levels(999, 0);
    for (int x = 0; x <= 999; ++x)
        levels.Data()[levels.Index(x, 0)] = static_cast<std::int16_t>(-1499 + x);
    EXPECT_EQ(HighestBandEdge_dBm(levels), -60.0);
    const LevelKey key = BandKey(levels, {144.0, 25.0, 1.5, 0.0});
    ASSERT_EQ(key.entries.size(), 10u);
    EXPECT_EQ(key.lowerEdges_dBm.front(), -60.0);
    EXPECT_EQ(key.lowerEdges_dBm[9], -150.0);
    // At 144 MHz, 0 dBi: E = P + 20 log10(144) + 77.2 = P + 120.4.
    EXPECT_EQ(key.entries[0].label, ">= -60 (60)");
    EXPECT_EQ(key.entries[1].label, "-70 to -60 (50 to 60)");
    EXPECT_EQ(key.entries[9].label, "< -140 (-20)");
    EXPECT_NE(key.heading[1].find("dBm"), std::string::npos);
    EXPECT_NE(key.heading[1].find("dBµV/m"), std::string::npos);
    EXPECT_EQ(key.EntryOf(-10), 0);
    EXPECT_EQ(key.EntryOf(-60), 0);
    EXPECT_EQ(key.EntryOf(-60.1), 1);
    EXPECT_EQ(key.EntryOf(-500), 9);
    // Every band has a colour of its own.
    for (std::size_t i = 1; i < key.entries.size(); ++i)
        EXPECT_FALSE(key.entries[i].colour == key.entries[i - 1].colour) << i;
}

TEST(LevelKey, TheFieldStrengthIsOfTheFieldNotTheAntenna) {
    // A 6 dBi receive antenna: -100 dBm received is -106 dBm on an isotropic one.
    const LevelKey key = CoveredKey(-100.0, {432.0, 25.0, 1.5, 6.0});
    EXPECT_EQ(key.heading[1], "-100.0 dBm (23.9 dBµV/m)");  // -106 + 52.7 + 77.2
    EXPECT_EQ(key.EntryOf(-100.0), 0);
    EXPECT_EQ(key.EntryOf(-100.1), 1);
    EXPECT_EQ(key.entries[0].label, "covered");
    EXPECT_EQ(key.entries[1].label, "not covered");
}

// Every colour of a coverage key stands well apart from the no-data grey, so ground without
// heights is never read as "not covered" or as a band.
TEST(LevelKey, NoColourLooksLikeNoData) {
    const mastview::CoverageRadio radio{};
    for (const LevelKey& key : {CoveredKey(-110, radio)}) {
        for (const KeyEntry& entry : key.entries) {
            const int distance = std::abs(entry.colour.red - plot::kNoDataColour.red) +
                                 std::abs(entry.colour.green - plot::kNoDataColour.green) +
                                 std::abs(entry.colour.blue - plot::kNoDataColour.blue);
            EXPECT_GT(distance, 90) << entry.label;
        }
    }
}

}  // namespace
}  // namespace visplot
