// Area loading of visplot and horizon: the tiles round the centre, read by the tile store,
// copied with their edge columns and rows straight into the plot heights of the sweep.
#pragma once

#include <cstdint>

#include "console/console.h"
#include "mastview/plot_heights.h"
#include "mastview/radius_area.h"
#include "terrain/tile_buffer.h"
#include "terrain/tile_decoding.h"
#include "terrain/tile_store.h"

namespace mastview {

// How visplot and horizon read their tiles: only the void marker (-32768) becomes sea level, so
// other negative samples stay as they are; heights above 10000 m or below -10000 m print the
// warning line.
inline constexpr terrain::TileDecoding kTileDecoding = terrain::kOnlyVoidsToSeaLevel;

// Lowest and highest samples copied into the area grid.
struct HeightRange {
    int32_t min_m = 9999999;
    int32_t max_m = -9999999;
};

// Copies all samples of the 3 arc-second tile, edges included, to the plot samples they fall on
// when the tile's south-west corner is at plot sample (ox, oy) (negative when it lies west or south
// of the plot), and widens range with every sample of the tile, inside the plot or not.
// Neighbouring tiles share their edge column or row; the tile copied later wins.
void CopyTile(const terrain::TileBuffer& tile, PlotHeights& heights, int ox, int oy,
              HeightRange& range);

// The heights of a plot and the lowest and highest sample of the tiles read for it.
struct RadiusHeights {
    PlotHeights heights;
    HeightRange range;
};

// Loads every tile of the area into the plot's heights (only the samples the sweep can reach are
// kept; the store's area grid is left untouched), read with the store's decoding: reports the
// start of the area and per tile its full name, or that it was skipped when it is missing, to
// the store's diagnostics, then prints "Min Max heights " with the lowest and highest sample.
// Samples of missing tiles read 0.
RadiusHeights LoadRadiusArea(const RadiusArea& area, terrain::TileStore& store,
                             console::Console& console);

}  // namespace mastview
