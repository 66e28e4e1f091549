// The decoder on tile bytes made in memory: rows from the north landing south up, the decodings'
// voids and warnings, the count of voids and a 1 arc-second tile taken at 3 arc-seconds.
#include "terrain/hgt_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "terrain/testing/hgt_fixture.h"

namespace terrain {
namespace {

constexpr int n = kThreeArcSecondTile.samplesPerDegree;

// A tile whose samples encode their position, with a void, a -5 and a spike in column 20.
int Pattern(int row, int column) {
    if (row == 10 && column == 20) return kVoidSample;
    if (row == 11 && column == 20) return -5;
    if (row == 12 && column == 20) return 12000;
    return (row * 7 + column * 3) % 1000;
}

struct Decoded {
    TileBuffer tile;
    int voids = 0;
    std::vector<std::tuple<int, int, int>> warnings;  // height, column, row
};

Decoded Decode(const std::string& bytes, TileFormat format, const TileDecoding& decoding,
               TileDetail detail = TileDetail::kThreeArcSecond) {
    Decoded d;
    d.voids = DecodeHgtSamples(
        reinterpret_cast<const unsigned char*>(bytes.data()), format, decoding, detail, d.tile,
        [&d](std::int32_t h, int c, int r) { d.warnings.emplace_back(h, c, r); });
    return d;
}

TEST(HgtDecoder, FileRowsFromTheNorthLandSouthUp) {
    const Decoded d = Decode(testing::EncodeHgt(Pattern), kThreeArcSecondTile, kVoidsToSeaLevel);
    EXPECT_EQ(d.tile.Side(), n + 1);
    EXPECT_EQ(d.tile.At(0, n), Pattern(0, 0));  // north-west corner
    EXPECT_EQ(d.tile.At(n, 0), Pattern(n, n));  // south-east corner
    EXPECT_EQ(d.tile.At(37, n - 500), Pattern(500, 37));
}

TEST(HgtDecoder, EachDecodingTreatsVoidsAndWarnsItsOwnWay) {
    const std::string bytes = testing::EncodeHgt(Pattern);
    {
        SCOPED_TRACE("the frame's rule: below -1000 m is sea level, above 10000 m warns");
        const Decoded d = Decode(bytes, kThreeArcSecondTile, kVoidsToSeaLevel);
        EXPECT_EQ(d.tile.At(20, n - 10), 0);
        EXPECT_EQ(d.tile.At(20, n - 11), -5);
        EXPECT_EQ(d.tile.At(20, n - 12), 12000);
        ASSERT_EQ(d.warnings.size(), 1u);
        EXPECT_EQ(d.warnings[0], std::make_tuple(12000, 20, 12));  // file column and row
        EXPECT_EQ(d.voids, 1);
    }
    {
        SCOPED_TRACE("the void as the unsigned sample it is, without warnings");
        constexpr TileDecoding kVoidAsUnsigned{kVoidSample + 1, 32768,
                                               std::numeric_limits<std::int32_t>::max(),
                                               std::numeric_limits<std::int32_t>::min()};
        const Decoded d = Decode(bytes, kThreeArcSecondTile, kVoidAsUnsigned);
        EXPECT_EQ(d.tile.At(20, n - 10), 32768);
        EXPECT_TRUE(d.warnings.empty());
        EXPECT_EQ(d.voids, 1);
    }
    {
        SCOPED_TRACE("only the void to sea level: -10000 m and below warn too");
        const std::string deep = testing::EncodeHgt([](int r, int c) {
            return r == 3 && c == 4 ? -20000 : (r == 3 && c == 2 ? 10001 : 1);
        });
        const Decoded d = Decode(deep, kThreeArcSecondTile, kOnlyVoidsToSeaLevel);
        EXPECT_EQ(d.tile.At(4, n - 3), -20000);
        ASSERT_EQ(d.warnings.size(), 2u);
        EXPECT_EQ(d.warnings[0], std::make_tuple(10001, 2, 3));  // in file order
        EXPECT_EQ(d.warnings[1], std::make_tuple(-20000, 4, 3));
        EXPECT_EQ(d.voids, 0);
    }
}

TEST(HgtDecoder, VoidsAreCountedWhateverTheyBecome) {
    const std::string bytes =
        testing::EncodeHgt([](int r, int c) { return (r + c) % 100 == 0 ? kVoidSample : 5; });
    int expected = 0;
    for (int r = 0; r <= n; ++r)
        for (int c = 0; c <= n; ++c) expected += (r + c) % 100 == 0 ? 1 : 0;
    EXPECT_EQ(Decode(bytes, kThreeArcSecondTile, kVoidsToSeaLevelUnwarned).voids, expected);
}

TEST(HgtDecoder, OneArcSecondTileTakenAtThreeArcSecondsIsItsLattice) {
    const auto fine = [](int r, int c) { return (7 * r + c) % 3000; };
    const std::string bytes = testing::EncodeHgt(fine, kOneArcSecondTile);
    const Decoded coarse = Decode(bytes, kOneArcSecondTile, kVoidsToSeaLevel);
    ASSERT_EQ(coarse.tile.Side(), n + 1);
    for (int r : {0, 1, 600, n})
        for (int c : {0, 7, 999, n}) EXPECT_EQ(coarse.tile.At(c, n - r), fine(3 * r, 3 * c));
    const Decoded full = Decode(bytes, kOneArcSecondTile, kVoidsToSeaLevel, TileDetail::kFinest);
    const int n1 = kOneArcSecondTile.samplesPerDegree;
    ASSERT_EQ(full.tile.Side(), n1 + 1);
    EXPECT_EQ(full.tile.At(1, n1 - 1), fine(1, 1));
    EXPECT_EQ(full.tile.At(n1, 0), fine(n1, n1));
}

}  // namespace
}  // namespace terrain
