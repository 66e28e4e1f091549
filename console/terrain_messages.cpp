#include "console/terrain_messages.h"

#include <filesystem>

#include "terrain/tile_format.h"

namespace console {

void TerrainMessages::PrintWarningLine(const std::string& line) {
    console_.SetColour(Colour::kLightMagenta);
    console_.PrintLine(line);
    console_.SetColour(Colour::kLightGrey);
}

void TerrainMessages::AreaLoadStarted() {
    PrintWarningLine("Loading Height data from SRTM files");
}

void TerrainMessages::TileNotFound(const std::string& wantedName) {
    console_.PrintLine("No HDB for " + wantedName);
}

void TerrainMessages::TileLoading(const std::string& name) {
    console_.PrintLine(name);
}

void TerrainMessages::TileSkipped() {
    console_.PrintLine("Skipped");
}

void TerrainMessages::NoHeightFile() {
    console_.PrintLine("No Height file for this location");
}

void TerrainMessages::TileUnreadable(const std::string& name) {
    PrintWarningLine("Height file " + name + " is short or unreadable: taken as sea level");
}

void TerrainMessages::OneArcSecondTile(const std::string& name) {
    console_.PrintLine("1 arc-second tile " + std::filesystem::path(name).filename().string());
}

void TerrainMessages::HeightOutOfRange(const std::string& name, int column, int row,
                                       std::int32_t height_m) {
    PrintWarningLine("Height " + std::to_string(height_m) + "  in " + name + "  col " +
                     std::to_string(column) + "  row " + std::to_string(row));
}

void TerrainMessages::MoreHeightsOutOfRange(const std::string& name, std::int64_t count) {
    PrintWarningLine(std::to_string(count) + " more heights out of range in " + name);
}

void TerrainMessages::AreaRefused(const terrain::AreaRefusal& refusal) {
    console_.PrintLine(AreaRefusalLine(refusal));
}

std::string AreaRefusalLine(const terrain::AreaRefusal& refusal) {
    const std::string needs =
        std::to_string(refusal.tilesEastWest) + " x " + std::to_string(refusal.tilesNorthSouth);
    const std::string fit =
        std::to_string(refusal.maxEastWest) + " x " + std::to_string(refusal.maxNorthSouth);
    switch (refusal.reason) {
        case terrain::AreaRefusalReason::kNoTileCount:
            return "Area too large: at most " + fit + " tiles fit";
        case terrain::AreaRefusalReason::kTooManyTiles:
            return "Area too large: it needs " + needs + " tiles, at most " + fit + " fit";
        case terrain::AreaRefusalReason::kTooManyOneArcSecondTiles: {
            const std::string side = std::to_string(terrain::kOneArcSecondTile.Side());
            return "Area too large for 1 arc-second heights: it needs " + needs + " tiles of " +
                   side + " x " + side + " samples, more than the height grid holds";
        }
    }
    return {};
}

}  // namespace console
