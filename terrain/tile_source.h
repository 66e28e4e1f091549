// Where tiles come from. The store asks a source for tiles by name; the .hgt folder (hgt_folder.h)
// is the first kind, and another kind of height data (a GeoTIFF read through GDAL, zipped .hgt
// tiles) can be added beside it without the tools knowing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "terrain/diagnostics.h"
#include "terrain/tile_buffer.h"
#include "terrain/tile_decoding.h"
#include "terrain/tile_format.h"
#include "terrain/tile_name.h"

namespace terrain {

// What a source knows of a tile without reading its samples.
struct TileShape {
    TileFormat format;
    bool complete = true;  // it holds all of its format's samples
};

enum class TileReadStatus {
    kRead,        // the whole tile was decoded
    kMissing,     // it could not be opened: the buffer now reads 0 m
    kUnreadable,  // it is shorter than its format or its reading failed: the buffer reads 0 m
};

struct TileRead {
    TileReadStatus status = TileReadStatus::kMissing;
    TileFormat format = kThreeArcSecondTile;
    int voidSamples = 0;  // samples without data among those taken (0 unless read)
    bool Read() const { return status == TileReadStatus::kRead; }
};

class TileSource {
  public:
    virtual ~TileSource() = default;

    // The name of the tile with south-west corner `corner`, whether it exists or not (what a
    // report of a missing tile names).
    virtual std::string NameOf(TileCorner corner) const = 0;
    // The existing tile `name` stands for, as the source names it; nullopt when there is none.
    // Silent.
    virtual std::optional<std::string> Find(const std::string& name) const = 0;
    // The format of the found tile; nullopt when it cannot be told. Silent.
    virtual std::optional<TileShape> ShapeOf(const std::string& found) const = 0;
    // Decodes the tile into `tile` (tile_decoding.h, hgt_decoder.h for the meaning of `decoding`
    // and `detail`), reporting a 1 arc-second tile, heights out of range and a failed read to
    // `reports`. A failed read leaves `tile` all 0.
    virtual TileRead Read(const std::string& found, const TileDecoding& decoding, TileDetail detail,
                          TileBuffer& tile, Diagnostics& reports) const = 0;
    // The stored sample at `column` from the west and `row` from the north of the tile, both
    // 0 ... format.samplesPerDegree, the void as -32768; nullopt when it cannot be read.
    virtual std::optional<std::int32_t> ReadSample(const std::string& found, TileFormat format,
                                                   int column, int row) const = 0;
    // The tiles (as Find gave them) the next Reads will take, in that order: a source that can
    // read ahead may start on them. Only a hint; it reports nothing and changes no result.
    virtual void PlanReads(const std::vector<std::string>& /*found*/) const {}
};

}  // namespace terrain
