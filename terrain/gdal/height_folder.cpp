#include "terrain_gdal/height_folder.h"

#include <filesystem>
#include <utility>
#include <vector>

#include "terrain/hgt_file.h"
#include "terrain_gdal/lattice_tile.h"
#include "terrain_gdal/zip_read_ahead.h"

namespace terrain::gdal {

namespace {

constexpr std::string_view kZipEnding = ".zip";

}  // namespace

HeightFolder::HeightFolder(std::string folder, FileFinder find)
    : folder_(std::move(folder)), find_(std::move(find)) {}

std::string HeightFolder::NameOf(TileCorner corner) const {
    return folder_ + TileName(corner);
}

std::optional<TileLocation> HeightFolder::Locate(const std::string& name) const {
    // The tile's own name follows the folder as it was joined; a name found in another case
    // keeps the folder part as typed.
    const std::string tileName = name.rfind(folder_, 0) == 0
                                     ? name.substr(folder_.size())
                                     : std::filesystem::path(name).filename().string();
    const std::string folderPart = name.substr(0, name.size() - tileName.size());
    const std::optional<TileCorner> corner = TileCornerOfName(tileName);
    if (!corner) return std::nullopt;
    for (const TileForm form : kTileFormOrder) {
        std::optional<std::string> path;
        switch (form) {
            case TileForm::kHgt:
                path = find_(name);
                break;
            case TileForm::kHgtZip:
                path = find_(name + std::string(kZipEnding));
                break;
            case TileForm::kCopernicusGeoTiff:
                path = find_(folderPart + CopernicusTileName(*corner));
                break;
        }
        if (path) return TileLocation{form, *path, *corner};
    }
    return std::nullopt;
}

std::optional<std::string> HeightFolder::Find(const std::string& name) const {
    const std::optional<TileLocation> location = Locate(name);
    if (!location) return std::nullopt;
    return location->form == TileForm::kHgt ? location->path : name;
}

std::optional<Raster> HeightFolder::OpenRaster(const TileLocation& location) const {
    if (location.form == TileForm::kHgtZip) {
        const std::optional<std::string> inside = HgtInsideZip(location.path);
        return inside ? Raster::Open(*inside) : std::nullopt;
    }
    return Raster::Open(location.path);
}

void HeightFolder::PlanReads(const std::vector<std::string>& found) const {
    std::vector<std::string> zips;
    for (const std::string& name : found) {
        const std::optional<TileLocation> location = Locate(name);
        if (location && location->form == TileForm::kHgtZip) zips.push_back(location->path);
    }
    readAhead_.Plan(std::move(zips));
}

std::optional<TileShape> HeightFolder::ShapeOf(const std::string& found) const {
    const std::optional<TileLocation> location = Locate(found);
    if (!location) return std::nullopt;
    if (location->form == TileForm::kHgt) return HgtFileShape(location->path);
    if (location->form == TileForm::kHgtZip) {
        const std::optional<std::string> inside = HgtInsideZip(location->path);
        const std::optional<TileFormat> format = inside ? ZippedHgtFormat(*inside) : std::nullopt;
        if (format) return TileShape{*format, true};
    }
    const std::optional<Raster> raster = OpenRaster(*location);
    if (!raster) return std::nullopt;
    return TileShape{raster->Format(), true};
}

TileRead HeightFolder::Read(const std::string& found, const TileDecoding& decoding,
                            TileDetail detail, TileBuffer& tile, Diagnostics& reports) const {
    const std::optional<TileLocation> location = Locate(found);
    if (location && location->form == TileForm::kHgt)
        return ReadHgtFile(location->path, decoding, detail, tile, reports);
    if (location && location->form == TileForm::kHgtZip) {
        // A zipped tile of a standard size is inflated in memory and decoded as the .hgt file it
        // holds: the same heights without GDAL's conversion to floating point and back.
        if (const std::optional<ZippedTile> zipped = readAhead_.Take(location->path))
            return DecodeHgtTile(zipped->bytes.data(), zipped->format, found, decoding, detail,
                                 tile, reports);
    }
    const std::optional<Raster> raster = location ? OpenRaster(*location) : std::nullopt;
    if (!raster) {
        TileRead read;
        read.status = location ? TileReadStatus::kUnreadable : TileReadStatus::kMissing;
        reports.TileUnreadable(found);
        tile.Clear();
        return read;
    }
    return ReadRasterTile(*raster, location->corner, raster->Format(), found, decoding, detail,
                          tile, reports);
}

std::optional<std::int32_t> HeightFolder::ReadSample(const std::string& found, TileFormat format,
                                                     int column, int row) const {
    const std::optional<TileLocation> location = Locate(found);
    if (!location) return std::nullopt;
    if (location->form == TileForm::kHgt) return ReadHgtSample(location->path, format, column, row);
    return samples_.Sample(location->path, format, column, row, [&]() -> std::optional<Lattice> {
        if (location->form == TileForm::kHgtZip) {
            const std::optional<ZippedTile> zipped = ReadStandardZippedTile(location->path);
            if (zipped && zipped->format == format) return LatticeOfHgtBytes(zipped->bytes, format);
        }
        const std::optional<Raster> raster = OpenRaster(*location);
        return raster ? raster->ReadLattice(location->corner, format) : std::nullopt;
    });
}

}  // namespace terrain::gdal
