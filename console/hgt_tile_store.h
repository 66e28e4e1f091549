// The SRTM height tile store: tile names, one tile in memory, the area grid of a plot and the
// height of a single position read straight from its tile file.
//
// A tile file holds 1201 x 1201 signed 16-bit big-endian samples (2884802 bytes, no header), rows
// from the northern edge, each row from west to east; sample spacing 1/1200 degree; the outer
// rows and columns lie on the whole-degree lines and are shared with the neighbours.
// -32768 marks a void. A 1 arc-second tile of the same name holds 3601 x 3601 samples
// (25934402 bytes, spacing 1/3600 degree; console/tile_format.h).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/huge_page_array.h"
#include "console/tile_format.h"

namespace console {

inline constexpr int kTileSamples = 1201;                   // per row and per column
inline constexpr std::int64_t kTileFileBytes = 2884802;     // 1201 * 1201 * 2
inline constexpr std::int64_t kTileRowBytes = 2402;         // 1201 * 2
inline constexpr std::int32_t kVoidSample = -32768;         // SRTM's void marker
inline constexpr std::int32_t kVoidThreshold_m = -1000;     // below this LoadTile stores 0
inline constexpr std::int32_t kWarningThreshold_m = 10000;  // above this LoadTile warns
inline constexpr std::int32_t kInitialMaximum_m = -9999;    // LoadArea's maximum starts here

// Area grid capacity in columns x rows of samples. Each tool names its own in its profile.
struct AreaCapacity {
    int columns;  // x = 0 ... columns - 1
    int rows;     // y = 0 ... rows - 1
};
// 8 tiles east-west and 5 north-south (each tile adds 1200 samples to the shared edge sample).
inline constexpr AreaCapacity kDefaultAreaCapacity{8 * 1200 + 1, 5 * 1200 + 1};

// How the file's 16-bit samples become heights: samples below `replaceBelow` (the void marker
// -32768 among them) become `replacement`; a height then above `warnAbove` or below `warnBelow`
// prints a warning line naming the file, column and row.
struct TileDecoding {
    std::int32_t replaceBelow;
    std::int32_t replacement;
    std::int32_t warnAbove;
    std::int32_t warnBelow;
    friend constexpr bool operator==(const TileDecoding&, const TileDecoding&) = default;
};
// The frame's rule: heights below -1000 m (voids) become sea level; above 10000 m warn.
inline constexpr TileDecoding kVoidsToSeaLevel{kVoidThreshold_m, 0, kWarningThreshold_m,
                                               std::numeric_limits<std::int32_t>::min()};

// How finely a tile or an area is taken.
enum class TileDetail {
    // Every tile at 3 arc-seconds: a 1 arc-second tile gives every third sample (the 3 arc-second
    // lattice points it shares with its 3 arc-second twin). What every tool did before 1
    // arc-second tiles existed, and still the way of the tools that work at 3 arc-seconds only.
    kThreeArcSecond,
    // As stored: a tile at its own spacing; an area at 1 arc-second when all its tiles are 1
    // arc-second, otherwise (mixed) at 3 arc-seconds.
    kFinest,
};

// Tile buffer: T(c, s), c = 0 ... n west to east, s = 0 ... n south to north, n = 1200 for a tile
// taken at 3 arc-seconds (the usual case) or 3600 at 1 arc-second.
class TileBuffer {
  public:
    TileBuffer();  // 1201 x 1201, all 0
    std::int32_t At(int c, int s) const { return Inside(c, s) ? cells_[Index(c, s)] : 0; }
    void Set(int c, int s, std::int32_t v) {
        if (Inside(c, s)) cells_[Index(c, s)] = v;
    }
    bool Inside(int c, int s) const { return c >= 0 && c < side_ && s >= 0 && s < side_; }
    int Side() const { return side_; }  // 1201 or 3601
    int SamplesPerDegree() const { return side_ - 1; }
    // Makes the buffer side x side (all 0) unless it is that size already (contents kept).
    void Reshape(int side);
    void Clear();
    const std::int32_t* Data() const { return cells_.data(); }        // index c + Side() * s
    std::int32_t* Row(int s) { return cells_.data() + Index(0, s); }  // 0 <= s < Side()

  private:
    std::size_t Index(int c, int s) const {
        return static_cast<std::size_t>(c) + static_cast<std::size_t>(s) * side_;
    }
    int side_ = kTileSamples;
    std::vector<std::int32_t> cells_;
};

// Area grid: A(x, y), x the column from the area's western tile edge, y the row from its southern
// tile edge, one sample per 1/1200 degree, 0 where nothing was loaded. Reads outside the capacity
// give 0 and writes outside it are dropped, so a plot that reaches past the grid never touches
// memory beyond it. The memory is reserved zeroed and only touched where written. Heights are
// held in 16 bits, the width of the tiles' samples (a decoded void, 0, fits as well): half the
// memory of the widest plots.
class AreaGrid {
  public:
    explicit AreaGrid(AreaCapacity capacity);
    int Columns() const { return capacity_.columns; }
    int Rows() const { return capacity_.rows; }
    bool Inside(int x, int y) const {
        return x >= 0 && x < capacity_.columns && y >= 0 && y < capacity_.rows;
    }
    std::int32_t At(int x, int y) const { return Inside(x, y) ? cells_[Index(x, y)] : 0; }
    // v is a 16-bit height (-32768 ... 32767).
    void Set(int x, int y, std::int32_t v) {
        if (Inside(x, y)) {
            cells_[Index(x, y)] = static_cast<std::int16_t>(v);
            Touch(x, y);
        }
    }
    // Row y as a contiguous array of Columns() heights (nullptr when y is outside): bulk readers
    // index it with x after checking 0 <= x < Columns().
    const std::int16_t* Row(int y) const {
        return (y >= 0 && y < capacity_.rows) ? cells_.Data() + Index(0, y) : nullptr;
    }
    // Sets cells (x, y) ... (x + count - 1, y) to values[0 ... count - 1] (16-bit heights) as Set
    // would, each dropped when outside, with one bounds check for the row.
    void SetRow(int x, int y, const std::int32_t* values, int count);
    // Sets every cell written so far back to 0.
    void Clear();

  private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(x) +
               static_cast<std::size_t>(y) * static_cast<std::size_t>(capacity_.columns);
    }
    void Touch(int x, int y) {
        if (x > maxX_) maxX_ = x;
        if (y > maxY_) maxY_ = y;
    }
    AreaCapacity capacity_;
    HugePageArray<std::int16_t> cells_;
    int maxX_ = -1;  // extent written so far, for Clear
    int maxY_ = -1;
};

// What LoadArea gives besides the filled grid.
struct AreaLoadResult {
    bool refused = false;  // the area needs more tiles than the grid holds; nothing was loaded
    int x0 = 0;            // column of the area's south-west corner within the grid
    int y0 = 0;            // row of the area's south-west corner within the grid
    std::int32_t maxHeight_m = kInitialMaximum_m;  // highest copied sample
    double maxLatitude_deg = 0;                    // its position
    double maxLongitude_deg = 0;
    std::string maxTile;  // full name of the tile that holds it
    int tilesLoaded = 0;
    // Grid samples per degree: 1200, or 3600 when the area was loaded at 1 arc-second.
    int samplesPerDegree = kThreeArcSecondTile.samplesPerDegree;
};

class HgtTileStore {
  public:
    // `heightPath` is joined to tile names as given (a path without a final separator is joined
    // without one). Messages go to `console`. The area grid has `capacity`; tiles are decoded by
    // `decoding` (both from the tool's profile).
    HgtTileStore(std::string heightPath, Console& console,
                 AreaCapacity capacity = kDefaultAreaCapacity,
                 TileDecoding decoding = kVoidsToSeaLevel);

    // The tile name alone: "N51W002.hgt" for latitude 51.5, longitude -1.5; "S01E000.hgt" for
    // -0.5, 0.5. Negative coordinates take the whole part of |value| + 1. A coordinate that is
    // not finite or lies far off the globe (beyond a million degrees) names no tile: "".
    static std::string TileName(double latitude_deg, double longitude_deg);

    // HeightPath followed by the tile name when such a file exists (found whatever its case),
    // otherwise prints "No HDB for " and the full name and gives the empty text (also, silently,
    // for a position that names no tile).
    std::string TileFileName(double latitude_deg, double longitude_deg);

    // Reads a whole tile into the tile buffer, decoded by the store's rule (or by `decoding`). A
    // missing file prints "No Height file for this location" and leaves the buffer unchanged
    // (false). A file shorter than 2884802 bytes or unreadable is reported with its name and
    // gives an all-zero buffer (false), never a read past its end. A 1 arc-second tile prints
    // "1 arc-second tile " and its file name, and is taken at 3 arc-seconds (every third sample,
    // a 1201 buffer) unless `detail` is kFinest (a 3601 buffer).
    bool LoadTile(const std::string& fileName, TileDetail detail = TileDetail::kThreeArcSecond) {
        return LoadTile(fileName, decoding_, detail);
    }
    bool LoadTile(const std::string& fileName, const TileDecoding& decoding,
                  TileDetail detail = TileDetail::kThreeArcSecond);

    // Loads the tiles that cover the area (degrees) into the area grid and finds the highest
    // sample: prints "Loading Height data from SRTM files" in colour 13, then per tile the full
    // name or "Skipped". An area needing more tiles than the grid holds is refused with one
    // console line before anything is loaded (result.refused; the tool ends without writing its
    // configuration); so is an area with an edge that names no tile (TileName).
    // With kFinest an area whose tiles (those present) are all 1 arc-second is loaded at 1
    // arc-second (result.samplesPerDegree 3600) into a grid reshaped to hold those tiles within
    // the cells of the grid's capacity, so memory stays as bounded as at 3 arc-seconds; an area
    // needing more is refused with one console line. Any other area is loaded at 3 arc-seconds.
    AreaLoadResult LoadArea(double west_deg, double south_deg, double east_deg, double north_deg,
                            TileDetail detail = TileDetail::kThreeArcSecond);

    // The height of the sample nearest to the position, read from its tile file (two bytes), at
    // the tile's own spacing (1/1200 or 1/3600 degree).
    // A missing, short or unreadable file prints "No Height file for this location" and gives
    // nullopt (the caller keeps its previous value). The void reads as 0.
    std::optional<std::int32_t> PointHeight(double latitude_deg, double longitude_deg);
    // The form the tools call: leaves `height` unchanged when the tile is missing.
    void PointHeight(double latitude_deg, double longitude_deg, std::int32_t& height);

    TileBuffer& Tile() { return tile_; }
    const TileBuffer& Tile() const { return tile_; }
    AreaGrid& Area() { return area_; }
    const AreaGrid& Area() const { return area_; }
    const std::string& HeightPath() const { return heightPath_; }
    Console& Messages() { return console_; }

  private:
    // The format of the tile that covers whole-degree corner (lat, lon), found silently; nullopt
    // when its file is missing.
    std::optional<TileFormat> FormatOfTile(long lat, long lon) const;
    // True when the tiles of the range that exist are all 1 arc-second (and at least one does).
    bool AllTilesOneArcSecond(long westTile, long eastTile, long southTile, long northTile) const;
    AreaLoadResult RefuseArea(const std::string& line);

    std::string heightPath_;
    Console& console_;
    TileDecoding decoding_;
    TileBuffer tile_;
    AreaCapacity capacity_;  // of the grid at 3 arc-seconds; its cells bound the 1 arc-second one
    AreaGrid area_;
};

}  // namespace console
