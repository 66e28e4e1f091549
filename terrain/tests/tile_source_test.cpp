// The seam for other kinds of height data: an in-memory source, with none of the .hgt folder's
// files, feeding the store's tile reads, point heights and area mosaic. And the area grid itself.
#include "terrain/tile_source.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "recording_diagnostics.h"
#include "terrain/area_grid.h"
#include "terrain/tile_store.h"

namespace terrain {
namespace {

using testing::RecordingDiagnostics;

constexpr int n = kThreeArcSecondTile.samplesPerDegree;

// Tiles held as height functions of (file row from the north, column from the west), named
// "mem:<corner name>"; void samples come back as kVoidSample and are decoded by the rule given.
class MemorySource final : public TileSource {
  public:
    using Heights = int (*)(int row, int column);
    void Add(TileCorner corner, Heights heights) { tiles_[NameOf(corner)] = heights; }

    std::string NameOf(TileCorner corner) const override { return "mem:" + TileName(corner); }
    std::optional<std::string> Find(const std::string& name) const override {
        if (!tiles_.contains(name)) return std::nullopt;
        return name;
    }
    std::optional<TileShape> ShapeOf(const std::string& found) const override {
        if (!tiles_.contains(found)) return std::nullopt;
        return TileShape{kThreeArcSecondTile, true};
    }
    TileRead Read(const std::string& found, const TileDecoding& decoding, TileDetail,
                  TileBuffer& tile, Diagnostics&) const override {
        const Heights heights = tiles_.at(found);
        TileRead read{TileReadStatus::kRead, kThreeArcSecondTile, 0};
        tile.Reshape(n + 1);
        for (int r = 0; r <= n; ++r)
            for (int c = 0; c <= n; ++c) {
                int v = heights(r, c);
                if (v == kVoidSample) ++read.voidSamples;
                tile.Set(c, n - r, v < decoding.replaceBelow ? decoding.replacement : v);
            }
        return read;
    }
    std::optional<std::int32_t> ReadSample(const std::string& found, TileFormat, int column,
                                           int row) const override {
        return tiles_.at(found)(row, column);
    }

  private:
    std::map<std::string, Heights> tiles_;
};

struct MemoryStore {
    MemoryStore() {
        auto memory = std::make_unique<MemorySource>();
        source = memory.get();
        auto recording = std::make_unique<RecordingDiagnostics>();
        reports = recording.get();
        store = std::make_unique<TileStore>(std::move(memory), std::move(recording),
                                            AreaCapacity{2 * n + 1, n + 1});
    }
    MemorySource* source;
    RecordingDiagnostics* reports;
    std::unique_ptr<TileStore> store;
};

TEST(TileSourceSeam, AnotherSourceFeedsTheAreaMosaic) {
    MemoryStore m;
    m.source->Add({54, -4}, [](int, int c) { return c; });
    m.source->Add({54, -3}, [](int r, int c) { return r == 1 && c == 1 ? kVoidSample : 100 + c; });
    const AreaLoadResult a = m.store->LoadArea(-3.5, 54.25, -2.5, 54.75);
    ASSERT_FALSE(a.Refused());
    EXPECT_EQ(a.tilesLoaded, 2);
    EXPECT_EQ(a.voidSamples, 1);
    EXPECT_EQ(a.maxHeight_m, 100 + n);
    EXPECT_EQ(a.maxTile, "mem:N54W003.hgt");
    EXPECT_EQ(m.store->Area().At(n, 10), n);         // the western tile's eastern edge...
    EXPECT_EQ(m.store->Area().At(n + 1, 10), 101);   // ...then the eastern tile
    EXPECT_EQ(m.store->Area().At(n + 1, n - 1), 0);  // the void, made sea level by the store's rule
    EXPECT_EQ(m.reports->events, (std::vector<std::string>{"area", "loading mem:N54W004.hgt",
                                                           "loading mem:N54W003.hgt"}));
}

TEST(TileSourceSeam, AbsentTileIsSeaLevelAndReportedByItsSourcesName) {
    MemoryStore m;
    m.source->Add({54, -4}, [](int, int) { return 50; });
    const AreaLoadResult a = m.store->LoadArea(-3.5, 54.25, -2.5, 54.75);
    EXPECT_EQ(a.tilesLoaded, 1);
    EXPECT_EQ(m.store->Area().At(n + 10, 10), 0);
    EXPECT_EQ(m.reports->events[2], "not found mem:N54W003.hgt");
    EXPECT_EQ(m.reports->events[3], "skipped");

    // Point heights: the nearest sample, the void as 0, an absent tile as no answer.
    m.source->Add({54, -3}, [](int r, int c) { return r == 0 && c == n ? kVoidSample : r; });
    EXPECT_EQ(m.store->PointHeight(54.5, -2.5), n / 2);
    EXPECT_EQ(m.store->PointHeight(54.5, -3.5), 50);
    EXPECT_EQ(m.store->PointHeight(55.0, -2.0), std::nullopt);  // names N55W003: absent
    EXPECT_EQ(m.store->PointHeight(54.0 + (n - 0.2) / n, -2.0 - 0.2 / n), 0);
}

TEST(AreaGrid, OutsideTheCapacityReadsZeroAndWritesNothing) {
    AreaGrid grid({10, 5});
    grid.Set(9, 4, 7);
    grid.Set(10, 4, 8);
    grid.Set(-1, 0, 9);
    EXPECT_EQ(grid.At(9, 4), 7);
    EXPECT_EQ(grid.At(10, 4), 0);
    EXPECT_EQ(grid.At(-1, 0), 0);
    EXPECT_EQ(grid.Row(5), nullptr);
    grid.Clear();
    EXPECT_EQ(grid.At(9, 4), 0);
}

TEST(AreaGrid, RowsAreCopiedWithTheirEndsOutsideTheCapacityDropped) {
    AreaGrid grid({10, 5});
    const std::int32_t values[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    grid.SetRow(-2, 1, values, 14);  // x = -2 ... 11: the first two and the last two dropped
    grid.SetRow(3, 5, values, 4);    // a row outside: nothing
    grid.SetRow(12, 2, values, 4);   // wholly east of the grid: nothing
    EXPECT_EQ(grid.At(0, 1), 3);
    EXPECT_EQ(grid.At(9, 1), 12);
    EXPECT_EQ(grid.At(0, 2), 0);
    EXPECT_EQ(grid.At(9, 4), 0);
    grid.SetRow(7, 4, values, 2);
    EXPECT_EQ(grid.At(8, 4), 2);
    // Clear reaches every cell the rows wrote.
    grid.Clear();
    for (int y = 0; y < grid.Rows(); ++y)
        for (int x = 0; x < grid.Columns(); ++x) ASSERT_EQ(grid.At(x, y), 0) << x << " " << y;
}

}  // namespace
}  // namespace terrain
