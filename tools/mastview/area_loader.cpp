#include "mastview/area_loader.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "console/console_constants.h"
#include "console/picture_mask.h"

namespace mastview {

void CopyTile(const console::TileBuffer& tile, console::AreaGrid& grid, int ox, int oy,
              HeightRange& range) {
    // Row by row: one bulk copy (one bounds check) and one minimum and maximum per row.
    const int side = tile.Side();
    for (int s = 0; s < side; ++s) {
        const int32_t* row = tile.Data() + static_cast<std::size_t>(s) * side;
        grid.SetRow(ox, oy + s, row, side);
        const auto [low, high] = std::minmax_element(row, row + side);
        range.min_m = std::min(range.min_m, *low);
        range.max_m = std::max(range.max_m, *high);
    }
}

HeightRange LoadRadiusArea(const RadiusArea& area, console::HgtTileStore& store,
                           console::Console& console) {
    HeightRange range;
    console.SetColour(console::Colour::kLightMagenta);
    console.PrintLine("Loading Height data from SRTM files");
    console.SetColour(console::Colour::kLightGrey);
    std::string lastName;
    for (int lon = area.tileLonW; lon <= area.tileLonE; ++lon) {
        for (int lat = area.tileLatS; lat <= area.tileLatN; ++lat) {
            const std::string name = store.TileFileName(lat + console::kAreaTileNudge_deg,
                                                        lon + console::kAreaTileNudge_deg);
            if (name.empty()) {
                console.PrintLine("Skipped");
                continue;
            }
            if (name == lastName) continue;
            lastName = name;
            console.PrintLine(name);
            // A tile that vanished since it was named leaves its cells at 0.
            if (!store.LoadTile(name)) continue;
            CopyTile(store.Tile(), store.Area(), console::kSamplesPerDegree * (lon - area.tileLonW),
                     console::kSamplesPerDegree * (lat - area.tileLatS), range);
        }
    }
    console.PrintLine("Min Max heights " + console::PlainNumber(range.min_m) + " " +
                      console::PlainNumber(range.max_m));
    return range;
}

int32_t SampleBelow(const console::TileBuffer& tile, double lat_deg, double lon_deg) {
    const auto index = [](double deg) {
        const double a = std::fabs(deg);
        const int n =
            static_cast<int>(std::floor(console::kSamplesPerDegree * (a - std::floor(a))));
        return deg < 0 ? console::kSamplesPerDegree - n : n;
    };
    return tile.At(index(lon_deg), index(lat_deg));
}

}  // namespace mastview
