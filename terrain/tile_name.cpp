#include "terrain/tile_name.h"

#include <cmath>

namespace terrain {

namespace {

// Coordinates beyond this lie far off the globe and name no tile; checking against it before
// converting keeps every tile number well inside a long.
constexpr double kFarthestCoordinate_deg = 1e6;

bool NamesATile(double coordinate_deg) {
    return std::fabs(coordinate_deg) <= kFarthestCoordinate_deg;  // false for NaN too
}

long CornerOf(double value_deg) {
    const long whole = static_cast<long>(std::trunc(std::fabs(value_deg)));
    return value_deg < 0 ? -(whole + 1) : whole;
}

std::string ZeroPadded(long number, int digits) {
    std::string text = std::to_string(number);
    if (static_cast<int>(text.size()) < digits) {
        text.insert(0, static_cast<std::size_t>(digits) - text.size(), '0');
    }
    return text;
}

}  // namespace

std::optional<TileCorner> TileCornerOf(double latitude_deg, double longitude_deg) {
    if (!NamesATile(latitude_deg) || !NamesATile(longitude_deg)) return std::nullopt;
    return TileCorner{CornerOf(latitude_deg), CornerOf(longitude_deg)};
}

std::string TileName(TileCorner corner) {
    return std::string(corner.lat_deg < 0 ? "S" : "N") + ZeroPadded(std::labs(corner.lat_deg), 2) +
           (corner.lon_deg < 0 ? "W" : "E") + ZeroPadded(std::labs(corner.lon_deg), 3) + ".hgt";
}

std::string CopernicusTileName(TileCorner corner) {
    // GLO-30's own pattern: "_00" is the minutes of each corner, always whole degrees here.
    return std::string("Copernicus_DSM_COG_10_") + (corner.lat_deg < 0 ? "S" : "N") +
           ZeroPadded(std::labs(corner.lat_deg), 2) + "_00_" + (corner.lon_deg < 0 ? "W" : "E") +
           ZeroPadded(std::labs(corner.lon_deg), 3) + "_00_DEM.tif";
}

std::optional<TileCorner> TileCornerOfName(std::string_view fileName) {
    constexpr std::size_t kLatDigits = 2, kLonDigits = 3;
    if (fileName.size() < 2 + kLatDigits + kLonDigits) return std::nullopt;
    const auto number = [&](std::size_t at, std::size_t digits) -> std::optional<long> {
        long value = 0;
        for (std::size_t i = at; i < at + digits; ++i) {
            if (fileName[i] < '0' || fileName[i] > '9') return std::nullopt;
            value = value * 10 + (fileName[i] - '0');
        }
        return value;
    };
    const char ns = static_cast<char>(fileName[0] & ~0x20);  // ASCII upper case
    const char ew = static_cast<char>(fileName[1 + kLatDigits] & ~0x20);
    const std::optional<long> lat = number(1, kLatDigits);
    const std::optional<long> lon = number(2 + kLatDigits, kLonDigits);
    if ((ns != 'N' && ns != 'S') || (ew != 'E' && ew != 'W') || !lat || !lon) return std::nullopt;
    return TileCorner{ns == 'S' ? -*lat : *lat, ew == 'W' ? -*lon : *lon};
}

bool NamesATile(TileCorner corner) {
    const auto inside = [](long corner_deg) {
        return corner_deg >= -kFarthestCoordinate_deg && corner_deg + 1 <= kFarthestCoordinate_deg;
    };
    return inside(corner.lat_deg) && inside(corner.lon_deg);
}

std::string TileName(double latitude_deg, double longitude_deg) {
    const std::optional<TileCorner> corner = TileCornerOf(latitude_deg, longitude_deg);
    return corner ? TileName(*corner) : std::string();
}

}  // namespace terrain
