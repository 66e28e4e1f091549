// A tile read through GDAL turned into the tools' tile buffer by the same decoder as a .hgt file,
// so that every form of the same heights decodes, warns and counts voids alike.
#pragma once

#include <string>

#include "terrain/diagnostics.h"
#include "terrain/tile_buffer.h"
#include "terrain/tile_decoding.h"
#include "terrain/tile_source.h"
#include "terrain_gdal/gdal_raster.h"

namespace terrain::gdal {

// Reads the tile at `corner` of `raster` on the lattice of `format` and decodes it into `tile`
// (hgt_decoder.h), reporting under `name` a 1 arc-second tile, heights out of range and a failed
// read (which leaves `tile` all 0), as a .hgt file is reported.
TileRead ReadRasterTile(const Raster& raster, TileCorner corner, TileFormat format,
                        const std::string& name, const TileDecoding& decoding, TileDetail detail,
                        TileBuffer& tile, Diagnostics& reports);

// The .hgt file bytes of a lattice: big-endian 16-bit samples, rows from the north.
std::vector<unsigned char> HgtBytesOf(const Lattice& lattice);

// The lattice of `format` held in .hgt file bytes (the inverse of HgtBytesOf).
Lattice LatticeOfHgtBytes(const std::vector<unsigned char>& bytes, TileFormat format);

}  // namespace terrain::gdal
