// One raster opened through GDAL and the tile lattices read from it: the reading of every form of
// height data that is not a plain .hgt file (zipped tiles, GeoTIFF, VRT, ASCII grids).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "terrain/tile_format.h"
#include "terrain/tile_name.h"

namespace terrain::gdal {

// The samples of one tile on the tools' latitude/longitude lattice: (n + 1) x (n + 1) of them,
// rows from the northern edge, each row from west to east (the .hgt layout), kVoidSample where
// the raster has no data or does not reach.
struct Lattice {
    TileFormat format;
    std::vector<std::int16_t> samples;
    std::int16_t At(int column, int row) const {
        return samples[static_cast<std::size_t>(row) * format.Side() + column];
    }
};

// The extent of a raster in WGS84 degrees.
struct LatLonBox {
    double west_deg, south_deg, east_deg, north_deg;
    // Whether it reaches into the tile, more than rounding of the raster's geotransform (a
    // millionth of a sample) beyond its edge.
    bool Overlaps(TileCorner corner) const {
        constexpr double kRounding_deg = 1e-9;
        return west_deg < corner.lon_deg + 1 - kRounding_deg &&
               east_deg > corner.lon_deg + kRounding_deg &&
               south_deg < corner.lat_deg + 1 - kRounding_deg &&
               north_deg > corner.lat_deg + kRounding_deg;
    }
};

class Raster {
  public:
    // Opens `path` (a GDAL name: a file, or "/vsizip/..." inside a zip) read-only; nullopt when
    // GDAL cannot read it as a raster with a georeference. Only regular files are opened (a FIFO
    // would block the run); a GDAL virtual path is GDAL's to check.
    static std::optional<Raster> Open(const std::string& path);

    // The lattice the raster's own spacing calls for: 1 arc-second when it is finer than 3
    // arc-seconds, otherwise 3 arc-seconds.
    TileFormat Format() const;
    // Where its samples lie; nullopt when they cannot be put in latitude/longitude.
    std::optional<LatLonBox> Extent() const;  // of its pixel centres
    // The lattice of the tile at `corner` in `format`. A raster in WGS84 whose pixels lie on the
    // lattice is read as stored; any other is resampled (bilinear) onto it. nullopt when the
    // reading fails.
    std::optional<Lattice> ReadLattice(TileCorner corner, TileFormat format) const;

  private:
    struct Handle;
    explicit Raster(std::shared_ptr<Handle> handle) : handle_(std::move(handle)) {}
    std::shared_ptr<Handle> handle_;
};

// The GDAL name of the .hgt tile inside the zip file `zipPath` (the zip's first entry whose name
// ends in ".hgt", any case), e.g. "/vsizip/heights/N54W004.hgt.zip/N54W004.hgt"; nullopt when it
// holds none. Read in place: nothing is unzipped to disk.
std::optional<std::string> HgtInsideZip(const std::string& zipPath);

// The format of the zipped .hgt tile `insidePath` (a name HgtInsideZip gave) told by its size, as
// a .hgt file's is; nullopt unless it holds exactly a 3 or a 1 arc-second tile (any other is
// left to GDAL's own reader).
std::optional<TileFormat> ZippedHgtFormat(const std::string& insidePath);

// The bytes of the zipped .hgt tile `insidePath` of `format`, inflated in memory for the fast
// .hgt decoder (no conversion through GDAL's raster types); nullopt when it cannot be read whole.
std::optional<std::vector<unsigned char>> ReadZippedHgt(const std::string& insidePath,
                                                        TileFormat format);

}  // namespace terrain::gdal
