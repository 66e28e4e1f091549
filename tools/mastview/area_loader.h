// Area loading of visplot and horizon: the tiles round the centre copied, edge columns and rows
// included, straight into the plot heights of the sweep, and the heights of the centre read from
// the tile buffer.
#pragma once

#include <cstdint>

#include "console/console.h"
#include "console/hgt_tile_store.h"
#include "mastview/plot_heights.h"
#include "mastview/radius_area.h"

namespace mastview {

// How visplot and horizon read their tiles: only the void marker (-32768) becomes sea level, so
// other negative samples stay as they are; heights above 10000 m or below -10000 m print the
// warning line.
inline constexpr console::TileDecoding kTileDecoding{
    console::kVoidSample + 1, 0, console::kWarningThreshold_m, -console::kWarningThreshold_m};

// Lowest and highest samples copied into the area grid.
struct HeightRange {
    int32_t min_m = 9999999;
    int32_t max_m = -9999999;
};

// Copies all 1201 x 1201 samples of tile, edges included, to the plot samples they fall on when
// the tile's south-west corner is at plot sample (ox, oy) (negative when it lies west or south
// of the plot), and widens range with every sample of the tile, inside the plot or not.
// Neighbouring tiles share their edge column or row; the tile copied later wins.
void CopyTile(const console::TileBuffer& tile, PlotHeights& heights, int ox, int oy,
              HeightRange& range);

// The heights of a plot and the lowest and highest sample of the tiles read for it.
struct RadiusHeights {
    PlotHeights heights;
    HeightRange range;
};

// Loads every tile of the area into the plot's heights (only the samples the sweep can reach are
// kept; the store's area grid is left untouched), read with the store's decoding: prints
// "Loading Height data from SRTM files" in colour 13, then per tile its full name, or "Skipped"
// when it is missing, then "Min Max heights " with the lowest and highest sample. Samples of
// missing tiles read 0.
RadiusHeights LoadRadiusArea(const RadiusArea& area, console::HgtTileStore& store,
                             console::Console& console);

// The sample at or below a position in its tile (no rounding): row and column are the whole
// part of 1200 times the fraction of the degree from the south and west, mirrored (1200 - n)
// for southern latitudes and western longitudes.
int32_t SampleBelow(const console::TileBuffer& tile, double lat_deg, double lon_deg);

}  // namespace mastview
