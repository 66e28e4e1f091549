// Which tile covers a position, and what the tile is called: "N54W004.hgt" covers latitudes 54
// to 55 north and longitudes 4 to 3 west.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace terrain {

// The south-west corner of a tile in whole degrees (latitude -90 ... 89, longitude -180 ... 179
// on the globe; any value within a million degrees is accepted).
struct TileCorner {
    long lat_deg;
    long lon_deg;
    bool operator==(const TileCorner&) const = default;
};

// The corner of the tile that names the position: the whole part of the value, and for a
// negative value the whole part of |value| + 1, so that a negative whole degree lies in the tile
// south or west of it (-3.0 is in W004). nullopt for a coordinate that is not finite or lies far
// off the globe (beyond a million degrees), which names no tile.
std::optional<TileCorner> TileCornerOf(double latitude_deg, double longitude_deg);

// "N54W004.hgt" for corner (54, -4); "S01E000.hgt" for (-1, 0): hemisphere letters and the
// distance from the equator and Greenwich to the corner's far side for south and west.
std::string TileName(TileCorner corner);

// The name of the same tile as a Copernicus GLO-30 GeoTIFF is distributed:
// "Copernicus_DSM_COG_10_N54_00_W004_00_DEM.tif" for corner (54, -4).
std::string CopernicusTileName(TileCorner corner);

// The corner a tile's file name starts with ("N54W004.hgt", "n54w004.hgt.zip": hemisphere
// letters in either case, two and three digits); nullopt when it starts otherwise.
std::optional<TileCorner> TileCornerOfName(std::string_view fileName);

// Whether the tile with this corner lies wholly within a million degrees of the origin, so that
// the positions inside it name it.
bool NamesATile(TileCorner corner);

// The name of the tile that covers the position: "N51W002.hgt" for 51.5, -1.5; "" when the
// position names no tile (TileCornerOf).
std::string TileName(double latitude_deg, double longitude_deg);

}  // namespace terrain
