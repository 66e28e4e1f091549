#include "console/no_data_lines.h"

#include <cmath>
#include <cstdio>

#include "terrain/tile_name.h"

namespace console {

namespace {

constexpr double kOneDecimal = 0.1;  // the resolution of the printed numbers
// More tiles than any plot covers: a longer refusal would only repeat the pattern.
constexpr std::size_t kMostNamesListed = 12;

std::string OneDecimal(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

}  // namespace

std::string NoDataShareLine(double share) {
    double percent = 100.0 * share;
    if (percent < kOneDecimal) percent = kOneDecimal;
    if (share < 1 && percent > 100.0 - kOneDecimal) percent = 100.0 - kOneDecimal;
    return OneDecimal(percent) + " % of the plot has no height data";
}

std::string NoDataPathLine(double km) {
    return "the path crosses " + OneDecimal(std::max(km, kOneDecimal)) + " km without height data";
}

std::string NoHeightDataLine(const std::string& folder, const std::vector<std::string>& tiles) {
    std::string names;
    for (std::size_t i = 0; i < tiles.size() && i < kMostNamesListed; ++i)
        names += (i > 0 ? ", " : "") + tiles[i];
    if (tiles.size() > kMostNamesListed) names += ", ...";
    return "No height data for this area: none of " + names + " in " +
           (folder.empty() ? std::string("the working folder") : folder);
}

std::vector<std::string> TileNamesCovering(double west_deg, double south_deg, double east_deg,
                                           double north_deg) {
    std::vector<std::string> names;
    const auto sw = terrain::TileCornerOf(south_deg, west_deg);
    const auto ne = terrain::TileCornerOf(north_deg, east_deg);
    if (!sw || !ne) return names;
    for (long lon = sw->lon_deg; lon <= ne->lon_deg && names.size() <= kMostNamesListed; ++lon)
        for (long lat = sw->lat_deg; lat <= ne->lat_deg && names.size() <= kMostNamesListed; ++lat)
            names.push_back(terrain::TileName(terrain::TileCorner{lat, lon}));
    return names;
}

}  // namespace console
