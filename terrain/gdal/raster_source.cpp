#include "terrain_gdal/raster_source.h"

#include <utility>

#include "terrain_gdal/lattice_tile.h"

namespace terrain::gdal {

namespace {

constexpr std::string_view kTileOpen = " (";
constexpr std::string_view kTileClose = ")";

}  // namespace

RasterSource::RasterSource(std::string path, Raster raster)
    : path_(std::move(path)), raster_(std::move(raster)), extent_(raster_.Extent()) {}

std::string RasterSource::NameOf(TileCorner corner) const {
    return path_ + std::string(kTileOpen) + TileName(corner) + std::string(kTileClose);
}

std::optional<TileCorner> RasterSource::CornerOf(const std::string& name) const {
    const std::string prefix = path_ + std::string(kTileOpen);
    if (name.rfind(prefix, 0) != 0 || name.size() < prefix.size() + kTileClose.size())
        return std::nullopt;
    return TileCornerOfName(std::string_view(name).substr(prefix.size()));
}

std::optional<std::string> RasterSource::Find(const std::string& name) const {
    const std::optional<TileCorner> corner = CornerOf(name);
    if (!corner || !extent_ || !extent_->Overlaps(*corner)) return std::nullopt;
    return name;
}

std::optional<TileShape> RasterSource::ShapeOf(const std::string& found) const {
    if (!Find(found)) return std::nullopt;
    return TileShape{raster_.Format(), true};
}

TileRead RasterSource::Read(const std::string& found, const TileDecoding& decoding,
                            TileDetail detail, TileBuffer& tile, Diagnostics& reports) const {
    const std::optional<TileCorner> corner = CornerOf(found);
    if (!corner) {
        reports.TileUnreadable(found);
        tile.Clear();
        return {};
    }
    return ReadRasterTile(raster_, *corner, raster_.Format(), found, decoding, detail, tile,
                          reports);
}

std::optional<std::int32_t> RasterSource::ReadSample(const std::string& found, TileFormat format,
                                                     int column, int row) const {
    const std::optional<TileCorner> corner = CornerOf(found);
    if (!corner) return std::nullopt;
    return samples_.Sample(found, format, column, row,
                           [&] { return raster_.ReadLattice(*corner, format); });
}

}  // namespace terrain::gdal
