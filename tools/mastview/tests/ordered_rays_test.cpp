#include "mastview/ordered_rays.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "console/console_constants.h"
#include "mastview/sweep.h"
#include "terrain/huge_page_array.h"

namespace mastview {
namespace {

// What a replay saw: ray numbers in the order they came, and every sample's fields.
struct Replayed {
    std::vector<std::size_t> rays;
    std::vector<double> fields;
};

Replayed RunWith(unsigned threads, std::size_t count) {
    Replayed seen;
    RunRaysInOrder(
        count,
        [threads](std::size_t i, unsigned thread, std::vector<RaySample>& samples) {
            EXPECT_LT(thread, threads);
            // A ray's sample count varies (0 for every seventh ray) so that threads finish
            // out of order.
            for (std::size_t k = 0; k < (i % 7) * (i % 13); ++k)
                samples.push_back(RaySample{1.0 * i, 0.01 * k, static_cast<int>(i),
                                            static_cast<int>(k), std::sin(1.0 * i * k)});
        },
        [&](std::size_t i, const std::vector<RaySample>& samples) {
            seen.rays.push_back(i);
            for (const RaySample& s : samples) {
                EXPECT_EQ(s.x, static_cast<int>(i));
                seen.fields.insert(seen.fields.end(), {s.bearing_deg, s.t, 1.0 * s.y, s.angle_rad});
            }
        },
        threads);
    return seen;
}

TEST(OrderedRays, EveryThreadCountReplaysTheSingleThreadedSequence) {
    // Counts below, at and across the batch size of 64 rays per thread.
    for (std::size_t count : {0u, 1u, 5u, 128u, 1000u}) {
        const Replayed one = RunWith(1, count);
        ASSERT_EQ(one.rays.size(), count);
        for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(one.rays[i], i);
        for (unsigned threads : {2u, 3u, 8u}) {
            const Replayed many = RunWith(threads, count);
            EXPECT_EQ(many.rays, one.rays) << threads << " threads, " << count << " rays";
            EXPECT_EQ(many.fields, one.fields) << threads << " threads, " << count << " rays";
        }
    }
}

TEST(HugePageArray, StartsZeroedAndMovesItsPages) {
    terrain::HugePageArray<int16_t> a(3'000'001);  // more than one huge page, not a whole one
    ASSERT_EQ(a.Size(), 3'000'001u);
    EXPECT_EQ(a[0], 0);
    EXPECT_EQ(a[3'000'000], 0);
    a[3'000'000] = -32768;
    terrain::HugePageArray<int16_t> b(std::move(a));
    EXPECT_EQ(a.Data(), nullptr);
    EXPECT_EQ(b[3'000'000], -32768);
    b = terrain::HugePageArray<int16_t>(4);
    EXPECT_EQ(b.Size(), 4u);
    EXPECT_EQ(b[3], 0);
}

// An array on ordinary pages holds memory only where it was written: the verdict planes of a
// wide plot are written at a fraction of their samples.
TEST(HugePageArray, OrdinaryPagesAreMappedOnlyWhereWritten) {
    constexpr std::size_t kBytes = std::size_t{64} << 20;
    terrain::HugePageArray<uint8_t> a(kBytes, terrain::PageSize::kOrdinary);
    a[0] = 1;
    a[kBytes / 2] = 2;
    a[kBytes - 1] = 3;
    const long page = sysconf(_SC_PAGESIZE);
    ASSERT_GT(page, 0);
    std::vector<unsigned char> resident((kBytes + static_cast<std::size_t>(page) - 1) /
                                        static_cast<std::size_t>(page));
    ASSERT_EQ(mincore(a.Data(), kBytes, resident.data()), 0);
    std::size_t mapped = 0;
    for (unsigned char r : resident) mapped += r & 1;
    EXPECT_GE(mapped, 3u);
    EXPECT_LE(mapped, 8u);
    EXPECT_EQ(a[1], 0);
    EXPECT_EQ(a[kBytes - 1], 3);
}

// The sweep as one loop straight over the area grid, without the block copy, the skipped
// corners or the threads.
std::vector<RaySample> PlainSweep(const SweepSetup& setup, const terrain::AreaGrid& grid) {
    std::vector<RaySample> marks;
    const double rd = setup.radius_km;
    const double dBearing = console::kSweepStep_km * console::kDegPerRad / rd;
    const double dt = console::kSweepStep_km / rd;
    const double curvature = 2.0 * console::kEarthRadiusSingle_km * setup.kFactor;
    for (double b = 0; b <= 360; b += dBearing) {
        const double a = (90 - b) / console::kDegPerRad;
        double highest = kLowestAngle_rad;
        for (double t = dt; t <= 1; t += dt) {
            const double s = t * rd;
            const int x = Nearest((std::cos(a) * t + 1) / 2 * setup.nLon);
            const int y = Nearest((std::sin(a) * t + 1) / 2 * setup.nLat);
            const int32_t h = grid.At(x + setup.x0, y + setup.y0);
            const double e =
                (static_cast<double>(h - setup.ground_m) - setup.mast_m) / (1000.0 * s) -
                s / curvature;
            if (e > highest) {
                highest = e;
                marks.push_back(RaySample{b, t, x, y, e});
            }
        }
    }
    return marks;
}

TEST(Sweep, BlocksCornersAndThreadsMarkWhatAPlainSweepMarks) {
    // Rough ground (a different height at nearly every sample, negative ones among them) with
    // plot sizes that do not fill their last blocks.
    for (double rd_km : {3.1, 11.7}) {
        SweepSetup setup;
        setup.radius_km = rd_km;
        setup.mast_m = 10;
        setup.ground_m = 40;
        setup.nLat = Nearest(2 * rd_km / console::kKmPerSample);
        setup.nLon = Nearest(setup.nLat / std::cos(54 / console::kDegPerRad));
        setup.x0 = 5;
        setup.y0 = 9;
        terrain::AreaGrid grid(terrain::AreaCapacity{setup.nLon + 12, setup.nLat + 12});
        for (int y = 0; y < grid.Rows(); ++y)
            for (int x = 0; x < grid.Columns(); ++x)
                grid.Set(x, y, (x * 7919 + y * 104729) % 211 - 30);
        const std::vector<RaySample> expected = PlainSweep(setup, grid);
        std::vector<RaySample> marks;
        int progressCalls = 0;
        SweepRays(
            setup, grid, NewHighest::kStrictlyAbove,
            [&](const RaySample& s) { marks.push_back(s); }, [&](int) { ++progressCalls; });
        ASSERT_EQ(marks.size(), expected.size()) << rd_km << " km";
        for (std::size_t i = 0; i < marks.size(); ++i) {
            ASSERT_EQ(marks[i].bearing_deg, expected[i].bearing_deg) << i;
            ASSERT_EQ(marks[i].t, expected[i].t) << i;
            ASSERT_EQ(marks[i].x, expected[i].x) << i;
            ASSERT_EQ(marks[i].y, expected[i].y) << i;
            ASSERT_EQ(marks[i].angle_rad, expected[i].angle_rad) << i;
        }
        EXPECT_EQ(progressCalls, kProgressSteps);
    }
}

}  // namespace
}  // namespace mastview
