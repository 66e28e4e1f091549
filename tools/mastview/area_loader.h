// Area loading of visplot and horizon: the tiles round the centre, read by the tile store,
// copied with their edge columns and rows straight into the plot heights of the sweep.
#pragma once

#include <cstdint>
#include <string>

#include "console/console.h"
#include "mastview/plot_heights.h"
#include "mastview/radius_area.h"
#include "terrain/no_data_mask.h"
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
    // Plot samples 0 ... nLon, 0 ... nLat without height data: those of no tile read (their
    // heights read 0) and the voids (read as sea level).
    terrain::NoDataMask noData{0, 0};
    int tilesLoaded = 0;
};

// Loads every tile of the area into the plot's heights (only the samples the sweep can reach are
// kept; the store's area grid is left untouched), read with the store's decoding: reports the
// start of the area and per tile its full name, or that it was skipped when it is missing, to
// the store's diagnostics, then prints "Min Max heights " with the lowest and highest sample.
// Samples of missing tiles read 0; they and the voids are marked in noData.
RadiusHeights LoadRadiusArea(const RadiusArea& area, terrain::TileStore& store,
                             console::Console& console);

// When not one tile of the area was read: prints NoHeightDataLine naming `heightPath` and the
// tiles looked for, and gives true (the tool refuses the run and keeps its configuration).
bool RefuseWithoutHeights(const RadiusArea& area, const RadiusHeights& loaded,
                          const std::string& heightPath, console::Console& console);

// Plot sample (x, y) lies within the radius: u^2 + v^2 <= 1 with u = 2x / nLon - 1 and
// v = 2y / nLat - 1, the disc the sweep's rays cover.
inline bool InsideRadius(const RadiusArea& area, int x, int y) {
    const double u = 2.0 * x / area.nLon - 1, v = 2.0 * y / area.nLat - 1;
    return u * u + v * v <= 1;
}

// Prints NoDataShareLine for the samples within the radius when any of them has no height
// data; nothing otherwise. Returns the line printed ("" for none), for the picture's title.
std::string PrintNoDataShare(const RadiusArea& area, const RadiusHeights& loaded,
                             console::Console& console);

}  // namespace mastview
