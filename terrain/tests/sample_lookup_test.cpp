// The two lookups of a position's sample: nearest (rounded) and at or below (truncated), in each
// hemisphere and at both spacings.
#include "terrain/sample_lookup.h"

#include <gtest/gtest.h>

namespace terrain {
namespace {

constexpr int n3 = kThreeArcSecondTile.samplesPerDegree;
constexpr int n1 = kOneArcSecondTile.samplesPerDegree;

TEST(SampleLookup, AtOrBelowNeverRoundsUp) {
    // 0.7 / n above the tile's edge still reads row 0; 1.2 / n reads row 1.
    EXPECT_EQ(SampleIndexAtOrBelow(54.0 + 0.7 / n3, 1.0 + 0.7 / n3, n3), (SampleIndex{0, 0}));
    EXPECT_EQ(SampleIndexAtOrBelow(54.0 + 1.2 / n3, 1.0 + 2.5 / n3, n3), (SampleIndex{2, 1}));
    // West: the column counts back from the eastern edge (-3.0 is column n of W004).
    EXPECT_EQ(SampleIndexAtOrBelow(54.5, -3.0, n3), (SampleIndex{n3, n3 / 2}));
    EXPECT_EQ(SampleIndexAtOrBelow(54.5, -3.0 - 1.5 / n3, n3), (SampleIndex{n3 - 1, n3 / 2}));
    // South: the row counts back from the northern edge.
    EXPECT_EQ(SampleIndexAtOrBelow(-0.25, 0.5, n3), (SampleIndex{n3 / 2, n3 - n3 / 4}));
    // At 1 arc-second, 1.5 seconds past the edge is sample 1.
    EXPECT_EQ(SampleIndexAtOrBelow(54.0 + 1.5 / n1, -3.0 - 1.5 / n1, n1), (SampleIndex{n1 - 1, 1}));
}

TEST(SampleLookup, NearestRoundsHalvesToEven) {
    EXPECT_EQ(NearestSampleIndex(54.0 + 0.7 / n3, 1.0 + 0.4 / n3, n3), (SampleIndex{0, 1}));
    EXPECT_EQ(NearestSampleIndex(51.5, -1.25, n3), (SampleIndex{n3 - n3 / 4, n3 / 2}));
    // At 4 samples a degree (fractions exact in binary) 2.5 samples rounds to 2, 3.5 to 4.
    EXPECT_EQ(NearestSampleIndex(10.625, 10.875, 4), (SampleIndex{4, 2}));
    EXPECT_EQ(NearestSampleIndex(54.0 + 1.4 / n1, -3.0 - 1.6 / n1, n1), (SampleIndex{n1 - 2, 1}));
}

TEST(SampleLookup, HeightAtOrBelowReadsTheTileAtItsOwnSpacing) {
    TileBuffer tile;
    for (int s = 0; s <= n3; ++s)
        for (int c = 0; c <= n3; ++c) tile.Set(c, s, c * 10000 + s);
    // Scafell Pike: column floor(n * 0.7883), row floor(n * 0.4542).
    EXPECT_EQ(HeightAtOrBelow(tile, 54.4542, -3.2117), 946 * 10000 + 545);
    EXPECT_EQ(HeightAtOrBelow(tile, 51.99999, 1.99999), (n3 - 1) * 10000 + (n3 - 1));
    EXPECT_EQ(HeightAtOrBelow(tile, -0.26, 0.5), 600 * 10000 + 888);
    tile.Reshape(kOneArcSecondTile.Side());
    tile.Set(n1 - 1, 1, 77);
    EXPECT_EQ(HeightAtOrBelow(tile, 54.0 + 1.5 / n1, -3.0 - 1.5 / n1), 77);
}

}  // namespace
}  // namespace terrain
