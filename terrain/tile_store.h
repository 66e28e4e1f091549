// The tile store: one tile in memory, the area grid of a plot and the height of a single
// position, all read from a tile source and reported to a diagnostics sink.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "terrain/area_grid.h"
#include "terrain/area_refusal.h"
#include "terrain/diagnostics.h"
#include "terrain/tile_buffer.h"
#include "terrain/tile_decoding.h"
#include "terrain/tile_name.h"
#include "terrain/tile_source.h"

namespace terrain {

// LoadArea's maximum starts here: below any height a decoded tile can hold.
inline constexpr std::int32_t kInitialMaximum_m = -9999;

// What LoadArea gives besides the filled grid.
struct AreaLoadResult {
    std::optional<AreaRefusal> refusal;  // set when nothing was loaded: the area does not fit
    int x0 = 0;                          // column of the area's south-west corner within the grid
    int y0 = 0;                          // row of the area's south-west corner within the grid
    std::int32_t maxHeight_m = kInitialMaximum_m;  // highest copied sample
    double maxLatitude_deg = 0;                    // its position
    double maxLongitude_deg = 0;
    std::string maxTile;  // full name of the tile that holds it
    int tilesLoaded = 0;
    int voidSamples = 0;  // samples without data in the tiles loaded
    // Grid samples per degree: 1200, or 3600 when the area was loaded at 1 arc-second.
    int samplesPerDegree = kSamplesPerDegree;
    bool Refused() const { return refusal.has_value(); }
};

class TileStore {
  public:
    // Tiles come from `source`, what happens is told to `reports`. The area grid has `capacity`;
    // tiles are decoded by `decoding` (both from the tool's profile).
    TileStore(std::unique_ptr<TileSource> source, std::unique_ptr<Diagnostics> reports,
              AreaCapacity capacity = kDefaultAreaCapacity,
              TileDecoding decoding = kVoidsToSeaLevel);
    virtual ~TileStore() = default;
    TileStore(const TileStore&) = delete;
    TileStore& operator=(const TileStore&) = delete;

    // The found tile that covers the position (its full name, found whatever its case in the
    // .hgt folder); otherwise reports it not found with the full name it would have and gives
    // the empty text (also, silently, for a position that names no tile).
    std::string TileFileName(double latitude_deg, double longitude_deg);
    // The same for the tile with this corner.
    std::string TileFileName(TileCorner corner);

    // Reads a whole tile into the tile buffer, decoded by the store's rule (or by `decoding`). A
    // missing file is reported as no height file and leaves the buffer unchanged (false). A file
    // too short for its format or unreadable is reported with its name and gives an all-zero
    // buffer (false). A 1 arc-second tile is reported, and taken at 3 arc-seconds (every third
    // sample, a 3 arc-second buffer) unless `detail` is kFinest.
    bool LoadTile(const std::string& fileName, TileDetail detail = TileDetail::kThreeArcSecond) {
        return LoadTile(fileName, decoding_, detail);
    }
    bool LoadTile(const std::string& fileName, const TileDecoding& decoding,
                  TileDetail detail = TileDetail::kThreeArcSecond);

    // Loads the tiles that cover the area (degrees) into the area grid and finds the highest
    // sample: reports the start, then per tile its name or that it was skipped. The samples of a
    // tile that is absent or unreadable, and the voids of the tiles read, are marked in the
    // grid's no-data mask (Area().NoData()). An area needing
    // more tiles than the grid holds, or with an edge that names no tile, is refused (reported,
    // and result.refusal set) before anything is loaded.
    // With kFinest an area whose tiles (those present) are all 1 arc-second is loaded at 1
    // arc-second (result.samplesPerDegree 3600) into a grid reshaped to hold those tiles within
    // the cells of the grid's capacity, so memory stays as bounded as at 3 arc-seconds; an area
    // needing more is refused. Any other area is loaded at 3 arc-seconds.
    AreaLoadResult LoadArea(double west_deg, double south_deg, double east_deg, double north_deg,
                            TileDetail detail = TileDetail::kThreeArcSecond);

    // LoadTile, telling how the read went (its void count among it).
    TileRead ReadTile(const std::string& fileName, const TileDecoding& decoding, TileDetail detail);
    TileRead ReadTile(const std::string& fileName,
                      TileDetail detail = TileDetail::kThreeArcSecond) {
        return ReadTile(fileName, decoding_, detail);
    }

    // Where the voids of the tile `fileName` lie, as samples (column from the west, row from the
    // south, 0 ... samples per degree, at `detail`): the tile is read once more, silently, with
    // its voids kept, and the tile buffer then decoded in place by the store's rule, so it ends
    // as LoadTile leaves it. Empty when the tile cannot be read.
    struct SampleAt {
        int column;
        int row;
    };
    std::vector<SampleAt> FindVoids(const std::string& fileName,
                                    TileDetail detail = TileDetail::kThreeArcSecond);

    // The height of the sample nearest to the position (NearestSampleIndex), read on its own from
    // its tile, at the tile's own spacing. A missing, short or unreadable tile is reported as no
    // height file and gives nullopt (the caller keeps its previous value). The void reads as 0.
    std::optional<std::int32_t> PointHeight(double latitude_deg, double longitude_deg);
    // The form the tools call: leaves `height` unchanged when the tile is missing.
    void PointHeight(double latitude_deg, double longitude_deg, std::int32_t& height);

    TileBuffer& Tile() { return tile_; }
    const TileBuffer& Tile() const { return tile_; }
    AreaGrid& Area() { return area_; }
    const AreaGrid& Area() const { return area_; }
    const TileSource& Source() const { return *source_; }
    Diagnostics& Reports() { return *reports_; }

  private:
    // The shape of the tile with this corner, found silently; nullopt when it is missing.
    std::optional<TileShape> ShapeOfTile(TileCorner corner) const;
    // True when the tiles of the range that exist are all 1 arc-second (and at least one does).
    bool AllTilesOneArcSecond(long westTile, long eastTile, long southTile, long northTile) const;
    AreaLoadResult Refuse(const AreaRefusal& refusal);

    std::unique_ptr<TileSource> source_;
    std::unique_ptr<Diagnostics> reports_;
    TileDecoding decoding_;
    TileBuffer tile_;
    AreaCapacity capacity_;  // of the grid at 3 arc-seconds; its cells bound the 1 arc-second one
    AreaGrid area_;
};

}  // namespace terrain
