#include "console/hgt_tile_store.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>

#include "console/console_constants.h"
#include "console/file_names.h"
#include "console/numbers.h"

namespace console {

namespace {

constexpr int kLastSample = kTileSamples - 1;  // 1200: index of the far edge
// Coordinates beyond this lie far off the globe and name no tile; checking against it before
// converting keeps every tile number well inside a long.
constexpr double kFarthestCoordinate_deg = 1e6;

bool NamesATile(double coordinate_deg) {
    return std::fabs(coordinate_deg) <= kFarthestCoordinate_deg;  // false for NaN too
}

std::int32_t BigEndianSample(const unsigned char* bytes) {
    std::int32_t v = bytes[0] * 256 + bytes[1];
    return v > 32767 ? v - 65536 : v;
}

// The whole part of |value| (+1 for negative values) as the tile's latitude or longitude number.
long TileNumber(double value) {
    double whole = std::trunc(std::fabs(value));
    return static_cast<long>(value < 0 ? whole + 1 : whole);
}

std::string ZeroPadded(long number, int digits) {
    std::string text = std::to_string(number);
    if (static_cast<int>(text.size()) < digits) {
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    }
    return text;
}

// Fractional part keeping the sign: the value minus its truncation towards zero.
double SignedFraction(double value) {
    return value - std::trunc(value);
}

// Decodes the file's rows (from the north) into the tile (rows from the south) with the rules
// `rules()` gives, calling warn(v, column, row) for a height outside the warning limits. The tile
// takes every `step`-th row and column of a file whose rows are `rowBytes` long (step 3 takes a 1
// arc-second file at 3 arc-seconds); column and row in a warning are the file's own.
template <typename Rules, typename Warn>
void DecodeRows(const unsigned char* bytes, std::size_t rowBytes, int step, Rules rules,
                TileBuffer& tile, Warn& warn) {
    // The rules as local values: the writes into the tile could otherwise alias them and force a
    // reload for every sample. One unsigned comparison tells whether v lies outside
    // warnBelow ... warnAbove.
    const TileDecoding decoding = rules();
    const auto warnBelow = static_cast<std::uint32_t>(decoding.warnBelow);
    const std::uint32_t warnSpan = static_cast<std::uint32_t>(decoding.warnAbove) - warnBelow;
    const int side = tile.Side();
    const int lastSample = side - 1;
    const auto outside = [&](std::int32_t v) {
        return static_cast<std::uint32_t>(v) - warnBelow > warnSpan;
    };
    for (int r = 0; r < side; ++r) {
        const unsigned char* row = bytes + static_cast<std::size_t>(r) * step * rowBytes;
        std::int32_t* out = tile.Row(lastSample - r);
        // A whole row at a time without a call in the loop, so that it can be vectorised; the
        // rare row holding a height to warn of is read again for the warnings, in order.
        int warnings = 0;
        const std::int32_t replaceBelow = decoding.replaceBelow;
        const std::int32_t replacement = decoding.replacement;
        const std::size_t stride = 2 * static_cast<std::size_t>(step);
        // The usual tile has its samples side by side (step 1): that loop is asked to be
        // vectorised whatever the optimiser's cost model would decide.
        if (step == 1) {
#pragma omp simd reduction(+ : warnings)
            for (int c = 0; c < side; ++c) {
                std::int32_t v = BigEndianSample(row + 2 * static_cast<std::size_t>(c));
                v = v < replaceBelow ? replacement : v;
                warnings += outside(v) ? 1 : 0;
                out[c] = v;
            }
        } else {
            for (int c = 0; c < side; ++c) {
                std::int32_t v = BigEndianSample(row + stride * static_cast<std::size_t>(c));
                v = v < replaceBelow ? replacement : v;
                warnings += outside(v) ? 1 : 0;
                out[c] = v;
            }
        }
        if (warnings > 0) {
            for (int c = 0; c < side; ++c)
                if (outside(out[c])) warn(out[c], c * step, r * step);
        }
    }
}

}  // namespace

// --- TileBuffer ---------------------------------------------------------------------------------

TileBuffer::TileBuffer() : cells_(static_cast<std::size_t>(kTileSamples) * kTileSamples, 0) {}

void TileBuffer::Reshape(int side) {
    if (side == side_) return;
    side_ = side;
    cells_.assign(static_cast<std::size_t>(side) * static_cast<std::size_t>(side), 0);
}

void TileBuffer::Clear() {
    std::fill(cells_.begin(), cells_.end(), 0);
}

// --- AreaGrid -----------------------------------------------------------------------------------

AreaGrid::AreaGrid(AreaCapacity capacity) : capacity_(capacity) {
    if (capacity_.columns < 1) capacity_.columns = 1;
    if (capacity_.rows < 1) capacity_.rows = 1;
    std::size_t cells =
        static_cast<std::size_t>(capacity_.columns) * static_cast<std::size_t>(capacity_.rows);
    // Zeroed pages from the system that cost memory only where written, so a 10001 x 6001 grid
    // costs little for a small plot; huge pages where offered.
    cells_ = HugePageArray<std::int16_t>(cells);
}

void AreaGrid::SetRow(int x, int y, const std::int32_t* values, int count) {
    if (y < 0 || y >= capacity_.rows) return;
    const int first = std::max(x, 0);
    const int last = std::min(x + count, capacity_.columns) - 1;
    if (last < first) return;
    // The values are decoded tile samples: narrowing them keeps every one.
    std::int16_t* const out = cells_.Data() + Index(first, y);
    const std::int32_t* const in = values + (first - x);
    const int count16 = last - first + 1;
    for (int i = 0; i < count16; ++i) out[i] = static_cast<std::int16_t>(in[i]);
    Touch(last, y);
}

void AreaGrid::Clear() {
    if (maxX_ < 0 || maxY_ < 0) return;
    for (int y = 0; y <= maxY_; ++y) {
        std::memset(cells_.Data() + Index(0, y), 0, sizeof(std::int16_t) * (maxX_ + 1));
    }
    maxX_ = maxY_ = -1;
}

// --- HgtTileStore -------------------------------------------------------------------------------

HgtTileStore::HgtTileStore(std::string heightPath, Console& console, AreaCapacity capacity,
                           TileDecoding decoding)
    : heightPath_(std::move(heightPath)),
      console_(console),
      decoding_(decoding),
      capacity_(capacity),
      area_(capacity) {}

std::string HgtTileStore::TileName(double latitude_deg, double longitude_deg) {
    if (!NamesATile(latitude_deg) || !NamesATile(longitude_deg)) return {};
    return std::string(latitude_deg < 0 ? "S" : "N") + ZeroPadded(TileNumber(latitude_deg), 2) +
           (longitude_deg < 0 ? "W" : "E") + ZeroPadded(TileNumber(longitude_deg), 3) + ".hgt";
}

std::string HgtTileStore::TileFileName(double latitude_deg, double longitude_deg) {
    const std::string tile = TileName(latitude_deg, longitude_deg);
    if (tile.empty()) return {};
    std::string name = heightPath_ + tile;
    if (auto found = FindFileIgnoringCase(name); found && FileExistsIgnoringCase(name)) {
        return *found;
    }
    console_.PrintLine("No HDB for " + name);
    return {};
}

bool HgtTileStore::LoadTile(const std::string& fileName, const TileDecoding& decoding,
                            TileDetail detail) {
    auto found = FindFileIgnoringCase(fileName);
    if (!found || !FileExistsIgnoringCase(fileName)) {
        console_.PrintLine("No Height file for this location");
        return false;
    }
    std::error_code sizeError;
    const std::uintmax_t fileBytes = std::filesystem::file_size(*found, sizeError);
    const TileFormat format = sizeError ? kThreeArcSecondTile : TileFormatOfSize(fileBytes);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(format.fileBytes));
    std::ifstream in(*found, std::ios::binary);
    in.read(reinterpret_cast<char*>(bytes.data()), format.fileBytes);
    if (!in || in.gcount() != format.fileBytes) {
        // Never read past the end of a short file: the tile counts as missing (all zeros).
        console_.SetColour(Colour::kLightMagenta);
        console_.PrintLine("Height file " + *found + " is short or unreadable: taken as sea level");
        console_.SetColour(Colour::kLightGrey);
        tile_.Clear();
        return false;
    }

    if (format == kOneArcSecondTile) {
        console_.PrintLine(kOneArcSecondNote + std::filesystem::path(*found).filename().string());
    }
    // Taken at 3 arc-seconds, a 1 arc-second tile gives every third row and column: the samples
    // that lie on the 3 arc-second lattice.
    const int side = detail == TileDetail::kFinest ? format.Side() : kTileSamples;
    const int step = (format.Side() - 1) / (side - 1);
    tile_.Reshape(side);
    const std::size_t rowBytes = static_cast<std::size_t>(format.RowBytes());
    auto warn = [&](std::int32_t v, int c, int r) {
        console_.SetColour(Colour::kLightMagenta);
        console_.PrintLine("Height " + std::to_string(v) + "  in " + *found + "  col " +
                           std::to_string(c) + "  row " + std::to_string(r));
        console_.SetColour(Colour::kLightGrey);
    };
    // The frame's own rule is known when compiling: its limits fold into the loop.
    if (decoding == kVoidsToSeaLevel) {
        DecodeRows(
            bytes.data(), rowBytes, step, [] { return kVoidsToSeaLevel; }, tile_, warn);
    } else {
        DecodeRows(
            bytes.data(), rowBytes, step, [&decoding] { return decoding; }, tile_, warn);
    }
    return true;
}

std::optional<TileFormat> HgtTileStore::FormatOfTile(long lat, long lon) const {
    const std::string name =
        heightPath_ + TileName(lat + kTileCornerNudge_deg, lon + kTileCornerNudge_deg);
    const std::optional<std::string> found = FindFileIgnoringCase(name);
    std::error_code ec;
    if (!found || !std::filesystem::is_regular_file(*found, ec)) return std::nullopt;
    const std::uintmax_t bytes = std::filesystem::file_size(*found, ec);
    if (ec) return std::nullopt;
    return TileFormatOfSize(bytes);
}

bool HgtTileStore::AllTilesOneArcSecond(long westTile, long eastTile, long southTile,
                                        long northTile) const {
    // Missing tiles read as sea level at either spacing and do not count; one 3 arc-second tile
    // makes the area mixed, so it is taken at 3 arc-seconds.
    int present = 0;
    for (long lon = westTile; lon <= eastTile; ++lon) {
        for (long lat = southTile; lat <= northTile; ++lat) {
            const std::optional<TileFormat> format = FormatOfTile(lat, lon);
            if (!format) continue;
            if (*format != kOneArcSecondTile) return false;
            ++present;
        }
    }
    return present > 0;
}

AreaLoadResult HgtTileStore::RefuseArea(const std::string& line) {
    console_.PrintLine(line);
    AreaLoadResult result;
    result.refused = true;
    return result;
}

AreaLoadResult HgtTileStore::LoadArea(double west_deg, double south_deg, double east_deg,
                                      double north_deg, TileDetail detail) {
    AreaLoadResult result;
    console_.SetColour(Colour::kLightMagenta);
    console_.PrintLine("Loading Height data from SRTM files");
    console_.SetColour(Colour::kLightGrey);

    long maxEastWest = (capacity_.columns - 1) / kLastSample;
    long maxNorthSouth = (capacity_.rows - 1) / kLastSample;
    if (!NamesATile(west_deg) || !NamesATile(east_deg) || !NamesATile(south_deg) ||
        !NamesATile(north_deg)) {
        console_.PrintLine("Area too large: at most " + std::to_string(maxEastWest) + " x " +
                           std::to_string(maxNorthSouth) + " tiles fit");
        result.refused = true;
        return result;
    }
    long westTile = static_cast<long>(std::floor(west_deg));
    long eastTile = static_cast<long>(std::floor(east_deg));
    long southTile = static_cast<long>(std::floor(south_deg));
    long northTile = static_cast<long>(std::floor(north_deg));
    long tilesEastWest = eastTile - westTile + 1;
    long tilesNorthSouth = northTile - southTile + 1;
    if (tilesEastWest < 1 || tilesNorthSouth < 1 || tilesEastWest > maxEastWest ||
        tilesNorthSouth > maxNorthSouth) {
        console_.PrintLine("Area too large: it needs " + std::to_string(tilesEastWest) + " x " +
                           std::to_string(tilesNorthSouth) + " tiles, at most " +
                           std::to_string(maxEastWest) + " x " + std::to_string(maxNorthSouth) +
                           " fit");
        result.refused = true;
        return result;
    }

    const bool allOneArcSecond = detail == TileDetail::kFinest &&
                                 AllTilesOneArcSecond(westTile, eastTile, southTile, northTile);
    const int perDegree = allOneArcSecond ? kOneArcSecondTile.samplesPerDegree : kLastSample;
    const TileDetail tileDetail =
        allOneArcSecond ? TileDetail::kFinest : TileDetail::kThreeArcSecond;
    const AreaCapacity capacity =
        allOneArcSecond ? AreaCapacity{static_cast<int>(perDegree * tilesEastWest + 1),
                                       static_cast<int>(perDegree * tilesNorthSouth + 1)}
                        : capacity_;
    if (allOneArcSecond) {
        // Three times finer each way: the same cells as the 3 arc-second grid hold a ninth of
        // its area. Checked in doubles, before any conversion could overflow.
        const double cells =
            (perDegree * double(tilesEastWest) + 1) * (perDegree * double(tilesNorthSouth) + 1);
        if (cells > double(capacity_.columns) * double(capacity_.rows)) {
            return RefuseArea("Area too large for 1 arc-second heights: it needs " +
                              std::to_string(tilesEastWest) + " x " +
                              std::to_string(tilesNorthSouth) +
                              " tiles of 3601 x 3601 samples, more than the height grid holds");
        }
    }
    if (area_.Columns() != capacity.columns || area_.Rows() != capacity.rows) {
        area_ = AreaGrid(capacity);
    }
    result.samplesPerDegree = perDegree;

    double x0 = perDegree * SignedFraction(west_deg);
    if (x0 < 0) x0 += perDegree;
    double y0 = perDegree * SignedFraction(south_deg);
    if (y0 < 0) y0 += perDegree;
    result.x0 = RoundToInt(x0);
    result.y0 = RoundToInt(y0);

    area_.Clear();
    for (long lon = westTile; lon <= eastTile; ++lon) {
        for (long lat = southTile; lat <= northTile; ++lat) {
            int ox = static_cast<int>(perDegree * (lon - westTile));
            int oy = static_cast<int>(perDegree * (lat - southTile));
            std::string name = TileFileName(lat + kTileCornerNudge_deg, lon + kTileCornerNudge_deg);
            if (name.empty()) {
                console_.PrintLine("Skipped");
                continue;
            }
            console_.PrintLine(name);
            // Short or unreadable: its cells stay 0.
            if (!LoadTile(name, tileDetail)) continue;
            ++result.tilesLoaded;
            // Row by row (samples 1 ... n of each, the western and southern edges belonging to
            // the neighbours): one bulk copy and one maximum per row. The highest sample is the
            // first one found column by column, as the tile was always scanned: the row maximum
            // with the smallest column wins, then the smallest row.
            std::int32_t tileMax = kInitialMaximum_m;
            int maxColumn = 0, maxRow = 0;
            for (int j = 1; j <= perDegree; ++j) {
                const std::int32_t* row = tile_.Data() + static_cast<std::size_t>(j) * tile_.Side();
                area_.SetRow(1 + ox, j + oy, row + 1, perDegree);
                const std::int32_t* top = std::max_element(row + 1, row + perDegree + 1);
                const int column = static_cast<int>(top - row);
                if (*top > tileMax || (*top == tileMax && column < maxColumn)) {
                    tileMax = *top;
                    maxColumn = column;
                    maxRow = j;
                }
            }
            if (tileMax > result.maxHeight_m) {
                result.maxHeight_m = tileMax;
                result.maxLatitude_deg = lat + static_cast<double>(maxRow) / perDegree;
                result.maxLongitude_deg = lon + static_cast<double>(maxColumn) / perDegree;
                result.maxTile = name;
            }
        }
    }
    return result;
}

std::optional<std::int32_t> HgtTileStore::PointHeight(double latitude_deg, double longitude_deg) {
    // Named like every other tile: a missing one is reported by its full name first.
    std::string found = TileFileName(latitude_deg, longitude_deg);
    std::error_code ec;
    const std::uintmax_t fileBytes = found.empty() ? 0 : std::filesystem::file_size(found, ec);
    // A short file is treated like a missing tile even where the wanted bytes exist.
    if (found.empty() || fileBytes < static_cast<std::uintmax_t>(kTileFileBytes) || ec) {
        console_.PrintLine("No Height file for this location");
        return std::nullopt;
    }
    // The nearest sample at the tile's own spacing.
    const TileFormat format = TileFormatOfSize(fileBytes);
    const int last = format.samplesPerDegree;
    double absLat = std::fabs(latitude_deg);
    double absLon = std::fabs(longitude_deg);
    std::int32_t r = RoundToInt(last * (absLat - std::trunc(absLat)));
    std::int32_t c = RoundToInt(last * (absLon - std::trunc(absLon)));
    if (latitude_deg < 0) r = last - r;
    if (longitude_deg < 0) c = last - c;
    std::int64_t offset = format.RowBytes() * (last - r) + 2 * static_cast<std::int64_t>(c);

    unsigned char bytes[2] = {0, 0};
    std::ifstream in(found, std::ios::binary);
    if (in) {
        in.seekg(offset);
        in.read(reinterpret_cast<char*>(bytes), 2);
    }
    if (!in || in.gcount() != 2) {
        console_.PrintLine("No Height file for this location");
        return std::nullopt;
    }
    std::int32_t height = bytes[0] * 256 + bytes[1];
    if (height > 32768) height -= 65536;
    if (height == 32768) height = 0;  // the void
    return height;
}

void HgtTileStore::PointHeight(double latitude_deg, double longitude_deg, std::int32_t& height) {
    if (auto h = PointHeight(latitude_deg, longitude_deg)) height = *h;
}

}  // namespace console
