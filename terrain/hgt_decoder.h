// The one decoder of .hgt samples: the bytes of a tile file turned into the heights of a tile
// buffer. Pure computation; reading the file is hgt_file.h's.
#pragma once

#include <cstdint>
#include <functional>

#include "terrain/tile_buffer.h"
#include "terrain/tile_decoding.h"
#include "terrain/tile_format.h"

namespace terrain {

// Called for a decoded height outside the decoding's warning limits, with the file's own column
// (from the west) and row (from the north), in file order.
using OutOfRangeHeight = std::function<void(std::int32_t height_m, int column, int row)>;

// Decodes the file bytes of a tile of `format` (at least format.fileBytes of them) into `tile`,
// rows from the north in the file becoming rows from the south in the tile, samples by
// `decoding`. With kThreeArcSecond a 1 arc-second file gives every third row and column (the
// samples on the 3 arc-second lattice) into a 3 arc-second buffer; with kFinest the buffer takes
// the file's own spacing. Returns the number of void samples (-32768) among those taken, whatever
// the decoding made of them.
int DecodeHgtSamples(const unsigned char* bytes, TileFormat format, const TileDecoding& decoding,
                     TileDetail detail, TileBuffer& tile, const OutOfRangeHeight& outOfRange);

}  // namespace terrain
