#include "terrain/tile_store.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "geodesy/rounding.h"
#include "terrain/sample_lookup.h"

namespace terrain {

namespace {

// Fractional part keeping the sign: the value minus its truncation towards zero.
double SignedFraction(double value) {
    return value - std::trunc(value);
}

// A grid offset of at most one degree of samples, rounded as everywhere in the tools.
int RoundedOffset(double samples) {
    return static_cast<int>(geodesy::RoundHalfEven(samples));
}

}  // namespace

TileStore::TileStore(std::unique_ptr<TileSource> source, std::unique_ptr<Diagnostics> reports,
                     AreaCapacity capacity, TileDecoding decoding)
    : source_(std::move(source)),
      reports_(std::move(reports)),
      decoding_(decoding),
      capacity_(capacity),
      area_(capacity) {}

std::string TileStore::TileFileName(double latitude_deg, double longitude_deg) {
    const std::optional<TileCorner> corner = TileCornerOf(latitude_deg, longitude_deg);
    return corner ? TileFileName(*corner) : std::string();
}

std::string TileStore::TileFileName(TileCorner corner) {
    const std::string name = source_->NameOf(corner);
    if (std::optional<std::string> found = source_->Find(name)) return *found;
    reports_->TileNotFound(name);
    return {};
}

bool TileStore::LoadTile(const std::string& fileName, const TileDecoding& decoding,
                         TileDetail detail) {
    return ReadTile(fileName, decoding, detail).Read();
}

TileRead TileStore::ReadTile(const std::string& fileName, const TileDecoding& decoding,
                             TileDetail detail) {
    const std::optional<std::string> found = source_->Find(fileName);
    if (!found) {
        reports_->NoHeightFile();
        return {};
    }
    return source_->Read(*found, decoding, detail, tile_, *reports_);
}

std::optional<TileShape> TileStore::ShapeOfTile(TileCorner corner) const {
    if (!NamesATile(corner)) return std::nullopt;
    const std::optional<std::string> found = source_->Find(source_->NameOf(corner));
    return found ? source_->ShapeOf(*found) : std::nullopt;
}

bool TileStore::AllTilesOneArcSecond(long westTile, long eastTile, long southTile,
                                     long northTile) const {
    // Missing tiles read as sea level at either spacing and do not count; one 3 arc-second tile
    // makes the area mixed, so it is taken at 3 arc-seconds.
    int present = 0;
    for (long lon = westTile; lon <= eastTile; ++lon) {
        for (long lat = southTile; lat <= northTile; ++lat) {
            const std::optional<TileShape> shape = ShapeOfTile({lat, lon});
            if (!shape) continue;
            if (shape->format != kOneArcSecondTile) return false;
            ++present;
        }
    }
    return present > 0;
}

AreaLoadResult TileStore::Refuse(const AreaRefusal& refusal) {
    reports_->AreaRefused(refusal);
    AreaLoadResult result;
    result.refusal = refusal;
    return result;
}

AreaLoadResult TileStore::LoadArea(double west_deg, double south_deg, double east_deg,
                                   double north_deg, TileDetail detail) {
    reports_->AreaLoadStarted();

    AreaRefusal fit;
    fit.maxEastWest = (capacity_.columns - 1) / kSamplesPerDegree;
    fit.maxNorthSouth = (capacity_.rows - 1) / kSamplesPerDegree;
    if (!TileCornerOf(south_deg, west_deg) || !TileCornerOf(north_deg, east_deg)) {
        fit.reason = AreaRefusalReason::kNoTileCount;
        return Refuse(fit);
    }
    const long westTile = static_cast<long>(std::floor(west_deg));
    const long eastTile = static_cast<long>(std::floor(east_deg));
    const long southTile = static_cast<long>(std::floor(south_deg));
    const long northTile = static_cast<long>(std::floor(north_deg));
    fit.tilesEastWest = eastTile - westTile + 1;
    fit.tilesNorthSouth = northTile - southTile + 1;
    if (fit.tilesEastWest < 1 || fit.tilesNorthSouth < 1 || fit.tilesEastWest > fit.maxEastWest ||
        fit.tilesNorthSouth > fit.maxNorthSouth) {
        fit.reason = AreaRefusalReason::kTooManyTiles;
        return Refuse(fit);
    }

    const bool allOneArcSecond = detail == TileDetail::kFinest &&
                                 AllTilesOneArcSecond(westTile, eastTile, southTile, northTile);
    const int perDegree =
        allOneArcSecond ? kOneArcSecondTile.samplesPerDegree : kThreeArcSecondTile.samplesPerDegree;
    const TileDetail tileDetail =
        allOneArcSecond ? TileDetail::kFinest : TileDetail::kThreeArcSecond;
    const AreaCapacity capacity =
        allOneArcSecond ? AreaCapacity{static_cast<int>(perDegree * fit.tilesEastWest + 1),
                                       static_cast<int>(perDegree * fit.tilesNorthSouth + 1)}
                        : capacity_;
    if (allOneArcSecond) {
        // Three times finer each way: the same cells as the 3 arc-second grid hold a ninth of
        // its area. Checked in doubles, before any conversion could overflow.
        const double cells = (perDegree * double(fit.tilesEastWest) + 1) *
                             (perDegree * double(fit.tilesNorthSouth) + 1);
        if (cells > double(capacity_.columns) * double(capacity_.rows)) {
            fit.reason = AreaRefusalReason::kTooManyOneArcSecondTiles;
            return Refuse(fit);
        }
    }
    if (area_.Columns() != capacity.columns || area_.Rows() != capacity.rows) {
        area_ = AreaGrid(capacity);
    }
    AreaLoadResult result;
    result.samplesPerDegree = perDegree;

    double x0 = perDegree * SignedFraction(west_deg);
    if (x0 < 0) x0 += perDegree;
    double y0 = perDegree * SignedFraction(south_deg);
    if (y0 < 0) y0 += perDegree;
    result.x0 = RoundedOffset(x0);
    result.y0 = RoundedOffset(y0);

    area_.Clear();
    std::vector<std::string> planned;
    for (long lon = westTile; lon <= eastTile; ++lon) {
        for (long lat = southTile; lat <= northTile; ++lat) {
            const TileCorner corner{lat, lon};
            if (!NamesATile(corner)) continue;
            // Silently: the loop below reports what is missing, in its own order.
            if (std::optional<std::string> found = source_->Find(source_->NameOf(corner)))
                planned.push_back(std::move(*found));
        }
    }
    source_->PlanReads(planned);
    for (long lon = westTile; lon <= eastTile; ++lon) {
        for (long lat = southTile; lat <= northTile; ++lat) {
            const int ox = static_cast<int>(perDegree * (lon - westTile));
            const int oy = static_cast<int>(perDegree * (lat - southTile));
            const TileCorner corner{lat, lon};
            const std::string name = NamesATile(corner) ? TileFileName(corner) : std::string();
            // The samples a tile owns (1 ... n of each row and column): no data until read.
            const auto markNoData = [&] {
                area_.NoData().MarkBlock(ox + 1, oy + 1, ox + perDegree, oy + perDegree);
            };
            if (name.empty()) {
                reports_->TileSkipped();
                markNoData();
                continue;
            }
            reports_->TileLoading(name);
            // Short or unreadable: its cells stay 0.
            const TileRead read = ReadTile(name, decoding_, tileDetail);
            if (!read.Read()) {
                markNoData();
                continue;
            }
            ++result.tilesLoaded;
            result.voidSamples += read.voidSamples;
            if (read.voidSamples > 0) {
                // Rows and columns 0 belong to the neighbours, as in the copy below.
                for (const SampleAt& v : FindVoids(name, tileDetail))
                    if (v.column > 0 && v.row > 0) area_.NoData().Mark(ox + v.column, oy + v.row);
            }
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

std::vector<TileStore::SampleAt> TileStore::FindVoids(const std::string& fileName,
                                                      TileDetail detail) {
    std::vector<SampleAt> voids;
    SilentDiagnostics quiet;
    const std::optional<std::string> found = source_->Find(fileName);
    if (!found || !source_->Read(*found, kVoidsKept, detail, tile_, quiet).Read()) return voids;
    const int side = tile_.Side();
    for (int row = 0; row < side; ++row) {
        std::int32_t* samples = tile_.Row(row);
        for (int column = 0; column < side; ++column) {
            if (samples[column] == kVoidSample) voids.push_back({column, row});
            if (samples[column] < decoding_.replaceBelow) samples[column] = decoding_.replacement;
        }
    }
    return voids;
}

std::optional<std::int32_t> TileStore::PointHeight(double latitude_deg, double longitude_deg) {
    // Named like every other tile: a missing one is reported by its full name first.
    const std::string found = TileFileName(latitude_deg, longitude_deg);
    // A short file is treated like a missing tile even where the wanted bytes exist.
    const std::optional<TileShape> shape = found.empty() ? std::nullopt : source_->ShapeOf(found);
    if (!shape || !shape->complete) {
        reports_->NoHeightFile();
        return std::nullopt;
    }
    const int n = shape->format.samplesPerDegree;
    const SampleIndex at = NearestSampleIndex(latitude_deg, longitude_deg, n);
    const std::optional<std::int32_t> sample =
        source_->ReadSample(found, shape->format, at.column, n - at.row);
    if (!sample) {
        reports_->NoHeightFile();
        return std::nullopt;
    }
    return *sample == kVoidSample ? 0 : *sample;
}

void TileStore::PointHeight(double latitude_deg, double longitude_deg, std::int32_t& height) {
    if (auto h = PointHeight(latitude_deg, longitude_deg)) height = *h;
}

}  // namespace terrain
