// One .hgt tile file: its shape told by its size, the whole tile read and decoded, and a single
// sample read on its own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "terrain/diagnostics.h"
#include "terrain/tile_buffer.h"
#include "terrain/tile_decoding.h"
#include "terrain/tile_source.h"

namespace terrain {

// The format a file's size gives (tile_format.h) and whether it holds all of it; nullopt when
// the size cannot be had (no such file).
std::optional<TileShape> HgtFileShape(const std::string& path);

// Decodes the `format.fileBytes` bytes of a whole tile into `tile`, reporting under `name` a
// 1 arc-second tile and its first heights out of range followed by their count: every form a
// tile comes in (a file, a zip member, a GDAL raster) is decoded and reported alike.
TileRead DecodeHgtTile(const unsigned char* bytes, TileFormat format, const std::string& name,
                       const TileDecoding& decoding, TileDetail detail, TileBuffer& tile,
                       Diagnostics& reports);

// Reads the tile file `path` and decodes it into `tile`. Only the format's bytes are read; a file
// shorter than a 3 arc-second tile, or one that cannot be opened, is reported as unreadable and
// leaves `tile` all 0 (never a read past its end). A 1 arc-second file is reported before its
// heights out of range.
TileRead ReadHgtFile(const std::string& path, const TileDecoding& decoding, TileDetail detail,
                     TileBuffer& tile, Diagnostics& reports);

// The two-byte sample at `column` from the west and `row` from the north of a tile file of
// `format`, as stored (the void -32768 included); nullopt when it cannot be read.
std::optional<std::int32_t> ReadHgtSample(const std::string& path, TileFormat format, int column,
                                          int row);

}  // namespace terrain
