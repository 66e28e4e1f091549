#include "mastview/area_loader.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "console/console_constants.h"
#include "console/no_data_lines.h"
#include "console/picture_mask.h"

namespace mastview {

void CopyTile(const terrain::TileBuffer& tile, PlotHeights& heights, int ox, int oy,
              HeightRange& range) {
    // Row by row: one bulk copy and one minimum and maximum per row.
    const int side = tile.Side();
    for (int s = 0; s < side; ++s) {
        const int32_t* row = tile.Data() + static_cast<std::size_t>(s) * side;
        heights.SetRow(ox, oy + s, row, side);
        const auto [low, high] = std::minmax_element(row, row + side);
        range.min_m = std::min(range.min_m, *low);
        range.max_m = std::max(range.max_m, *high);
    }
}

RadiusHeights LoadRadiusArea(const RadiusArea& area, terrain::TileStore& store,
                             console::Console& console) {
    RadiusHeights loaded{PlotHeights(area.nLon, area.nLat), HeightRange{},
                         terrain::NoDataMask(area.nLon + 1, area.nLat + 1), 0};
    terrain::Diagnostics& reports = store.Reports();
    reports.AreaLoadStarted();
    // Each tile's south-west corner in plot samples; its samples reach n further each way.
    struct Corner {
        int x, y;
    };
    constexpr int n = terrain::kSamplesPerDegree;
    std::vector<Corner> read, unread;
    std::string lastName;
    for (int lon = area.tileLonW; lon <= area.tileLonE; ++lon) {
        for (int lat = area.tileLatS; lat <= area.tileLatN; ++lat) {
            // The tile's corner in area-grid cells, then in plot samples.
            const Corner corner{n * (lon - area.tileLonW) - area.x0,
                                n * (lat - area.tileLatS) - area.y0};
            const std::string name = store.TileFileName(terrain::TileCorner{lat, lon});
            if (name.empty()) {
                reports.TileSkipped();
                unread.push_back(corner);
                continue;
            }
            if (name == lastName) continue;
            lastName = name;
            reports.TileLoading(name);
            // A tile that vanished since it was named leaves its samples at 0.
            const terrain::TileRead tile = store.ReadTile(name);
            if (!tile.Read()) {
                unread.push_back(corner);
                continue;
            }
            ++loaded.tilesLoaded;
            read.push_back(corner);
            if (tile.voidSamples > 0) {
                for (const terrain::TileStore::SampleAt& v : store.FindVoids(name))
                    loaded.noData.Mark(corner.x + v.column, corner.y + v.row);
            }
            CopyTile(store.Tile(), loaded.heights, corner.x, corner.y, loaded.range);
        }
    }
    // Tiles meet only on their edges: an unread tile's inner samples have no data, and a sample
    // on an edge it shares with a read tile has the read tile's height.
    const auto readTileHolds = [&read](int x, int y) {
        return std::any_of(read.begin(), read.end(), [x, y](const Corner& c) {
            return x >= c.x && x <= c.x + n && y >= c.y && y <= c.y + n;
        });
    };
    for (const Corner& c : unread) {
        loaded.noData.MarkBlock(c.x + 1, c.y + 1, c.x + n - 1, c.y + n - 1);
        for (int i = 0; i <= n; ++i) {
            for (const auto& [x, y] : {std::pair{c.x + i, c.y}, std::pair{c.x + i, c.y + n},
                                       std::pair{c.x, c.y + i}, std::pair{c.x + n, c.y + i}}) {
                if (!readTileHolds(x, y)) loaded.noData.Mark(x, y);
            }
        }
    }
    // Without a tile the range is still at its starting values; nothing is printed then, as the
    // tools refuse such a run (RefuseWithoutHeights).
    if (loaded.tilesLoaded > 0) {
        console.PrintLine("Min Max heights " + console::PlainNumber(loaded.range.min_m) + " " +
                          console::PlainNumber(loaded.range.max_m));
    }
    return loaded;
}

bool RefuseWithoutHeights(const RadiusArea& area, const RadiusHeights& loaded,
                          const std::string& heightPath, console::Console& console) {
    if (loaded.tilesLoaded > 0) return false;
    std::vector<std::string> names;
    for (int lon = area.tileLonW; lon <= area.tileLonE; ++lon)
        for (int lat = area.tileLatS; lat <= area.tileLatN; ++lat)
            names.push_back(terrain::TileName(terrain::TileCorner{lat, lon}));
    console.PrintLine(console::NoHeightDataLine(heightPath, names));
    return true;
}

std::string PrintNoDataShare(const RadiusArea& area, const RadiusHeights& loaded,
                             console::Console& console) {
    if (!loaded.noData.Any()) return {};
    // Of the samples inside the radius: the plot's corners are never looked at.
    std::size_t inside = 0, missing = 0;
    for (int y = 0; y <= area.nLat; ++y) {
        for (int x = 0; x <= area.nLon; ++x) {
            if (!InsideRadius(area, x, y)) continue;
            ++inside;
            if (loaded.noData.At(x, y)) ++missing;
        }
    }
    if (missing == 0 || inside == 0) return {};
    const std::string line = console::NoDataShareLine(static_cast<double>(missing) / inside);
    console.PrintLine(line);
    return line;
}

}  // namespace mastview
