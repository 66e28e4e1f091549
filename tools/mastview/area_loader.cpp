#include "mastview/area_loader.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "console/console_constants.h"
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
    RadiusHeights loaded{PlotHeights(area.nLon, area.nLat), HeightRange{}};
    terrain::Diagnostics& reports = store.Reports();
    reports.AreaLoadStarted();
    std::string lastName;
    for (int lon = area.tileLonW; lon <= area.tileLonE; ++lon) {
        for (int lat = area.tileLatS; lat <= area.tileLatN; ++lat) {
            const std::string name = store.TileFileName(terrain::TileCorner{lat, lon});
            if (name.empty()) {
                reports.TileSkipped();
                continue;
            }
            if (name == lastName) continue;
            lastName = name;
            reports.TileLoading(name);
            // A tile that vanished since it was named leaves its samples at 0.
            if (!store.LoadTile(name)) continue;
            // The tile's corner in area-grid cells, then in plot samples.
            CopyTile(store.Tile(), loaded.heights,
                     terrain::kSamplesPerDegree * (lon - area.tileLonW) - area.x0,
                     terrain::kSamplesPerDegree * (lat - area.tileLatS) - area.y0, loaded.range);
        }
    }
    console.PrintLine("Min Max heights " + console::PlainNumber(loaded.range.min_m) + " " +
                      console::PlainNumber(loaded.range.max_m));
    return loaded;
}

}  // namespace mastview
