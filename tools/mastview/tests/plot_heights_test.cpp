#include "mastview/plot_heights.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

#include "mastview/sweep.h"
#include "terrain/area_grid.h"

namespace mastview {
namespace {

// A distinct height for every sample, positive and negative, within 16 bits.
int32_t Pattern(int x, int y) {
    return (x * 37 + y * 101) % 30001 - 15000;
}

TEST(PlotHeights, EverySampleWithinTheRaysReachIsStoredAndTheCornersAreLeftOut) {
    // Sizes on and off whole blocks, wide and tall, a single sample.
    for (auto [nLon, nLat] : {std::pair{600, 360}, std::pair{300, 180}, std::pair{64, 64},
                              std::pair{95, 200}, std::pair{0, 0}, std::pair{1, 40}}) {
        SCOPED_TRACE(testing::Message() << nLon << " x " << nLat);
        PlotHeights h(nLon, nLat);
        std::vector<int32_t> row(static_cast<std::size_t>(nLon) + 1);
        for (int y = 0; y <= nLat; ++y) {
            for (int x = 0; x <= nLon; ++x) row[static_cast<std::size_t>(x)] = Pattern(x, y);
            h.SetRow(0, y, row.data(), nLon + 1);
        }
        // A ray reads the sample nearest to a point of the ellipse of half-axes nLon / 2 and
        // nLat / 2: every sample up to half a sample beyond it must hold its height.
        const double cx = nLon / 2.0, cy = nLat / 2.0;
        int outside = 0;
        for (int y = 0; y <= nLat; ++y) {
            for (int x = 0; x <= nLon; ++x) {
                const double dx = (x - cx) / (cx + 0.5), dy = (y - cy) / (cy + 0.5);
                if (dx * dx + dy * dy <= 1)
                    ASSERT_EQ(h.At(x, y), Pattern(x, y)) << x << ", " << y;
                else if (h.At(x, y) == 0)
                    ++outside;
            }
        }
        if (nLon >= 300) {
            // Blocks small beside the plot: the corner ones hold nothing and cost nothing.
            EXPECT_EQ(h.At(0, 0), 0);
            EXPECT_EQ(h.At(nLon, nLat), 0);
            EXPECT_GT(outside, 0);
            const std::size_t full = std::size_t{2} * (nLon / 32 + 1) * (nLat / 32 + 1) * 32 * 32;
            EXPECT_LT(h.StoredBytes(), full);
        }
    }
}

TEST(PlotHeights, RowsAreCutToThePlotAndOffsetByTheirFirstColumn) {
    PlotHeights h(100, 100);
    std::vector<int32_t> values(300);
    for (int i = 0; i < 300; ++i) values[static_cast<std::size_t>(i)] = 1000 + i;
    h.SetRow(-120, 50, values.data(), 300);  // columns -120 ... 179: 0 ... 100 kept
    EXPECT_EQ(h.At(0, 50), 1120);
    EXPECT_EQ(h.At(31, 50), 1151);  // either side of a block edge
    EXPECT_EQ(h.At(32, 50), 1152);
    EXPECT_EQ(h.At(100, 50), 1220);
    EXPECT_EQ(h.At(50, 49), 0);  // the rows beside it untouched
    EXPECT_EQ(h.At(50, 51), 0);
    h.SetRow(90, 60, values.data(), 5);  // a short stretch inside
    EXPECT_EQ(h.At(89, 60), 0);
    EXPECT_EQ(h.At(90, 60), 1000);
    EXPECT_EQ(h.At(94, 60), 1004);
    EXPECT_EQ(h.At(95, 60), 0);
    // Rows above and below the plot, and stretches wholly west or east of it, write nothing.
    h.SetRow(0, -1, values.data(), 101);
    h.SetRow(0, 101, values.data(), 101);
    h.SetRow(-300, 40, values.data(), 300);
    h.SetRow(101, 40, values.data(), 300);
    for (int x = 0; x <= 100; ++x) ASSERT_EQ(h.At(x, 40), 0) << x;
    EXPECT_EQ(h.At(50, 0), 0);
    EXPECT_EQ(h.At(50, 100), 0);
}

TEST(PlotHeights, CopiedFromAnAreaGridTheyReadAsTheGridDoes) {
    SweepSetup setup;
    setup.radius_km = 5;
    setup.nLon = 130;
    setup.nLat = 77;
    setup.x0 = 11;
    setup.y0 = 5;
    terrain::AreaGrid grid(terrain::AreaCapacity{160, 90});
    for (int y = 0; y < grid.Rows(); ++y)
        for (int x = 0; x < grid.Columns(); ++x) grid.Set(x, y, Pattern(x, y));
    const PlotHeights h = PlotHeightsFrom(setup, grid);
    EXPECT_EQ(h.NLon(), 130);
    EXPECT_EQ(h.NLat(), 77);
    for (auto [x, y] : {std::pair{65, 38}, std::pair{0, 38}, std::pair{130, 38}, std::pair{65, 0},
                        std::pair{65, 77}, std::pair{100, 60}})
        EXPECT_EQ(h.At(x, y), grid.At(x + 11, y + 5)) << x << ", " << y;
    // Heights of another plot size are refused by the sweep.
    SweepSetup other = setup;
    other.nLon = 131;
    EXPECT_THROW(CheckSweep(other, h), std::invalid_argument);
    EXPECT_NO_THROW(CheckSweep(setup, h));
}

}  // namespace
}  // namespace mastview
