#include "terrain_gdal/height_source.h"

#include <filesystem>

#include "terrain_gdal/height_folder.h"
#include "terrain_gdal/raster_source.h"

namespace terrain::gdal {

std::unique_ptr<TileSource> MakeHeightSource(const std::string& heightPath,
                                             const FileFinder& find) {
    std::string file = heightPath;
    while (!file.empty() && (file.back() == '/' || file.back() == '\\')) file.pop_back();
    if (!file.empty()) {
        std::error_code ec;
        const std::optional<std::string> found = find(file);
        if (found && std::filesystem::is_regular_file(*found, ec)) {
            if (std::optional<Raster> raster = Raster::Open(*found))
                return std::make_unique<RasterSource>(*found, std::move(*raster));
        }
    }
    return std::make_unique<HeightFolder>(heightPath, find);
}

}  // namespace terrain::gdal
