// Fixture tiles: the bytes of a .hgt file made from a height function, the inverse of the
// decoder, and a temporary folder to write them into.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "terrain/tile_format.h"

namespace terrain::testing {

// Height of the sample in file row `row` (0 = northern edge) and column `column` (0 = western
// edge), both 0 ... samples per degree. Return -32768 for a void.
using HeightFunction = std::function<int(int row, int column)>;

// The file bytes of a tile of `format`: big-endian signed 16-bit samples, rows from the north.
// Heights are clamped to 16 bits.
std::string EncodeHgt(const HeightFunction& height, TileFormat format = kThreeArcSecondTile);

// Writes EncodeHgt(height, format) as `dir`/`name`; returns its full path.
std::filesystem::path WriteHgtFile(const std::filesystem::path& dir, const std::string& name,
                                   const HeightFunction& height,
                                   TileFormat format = kThreeArcSecondTile);

// A temporary folder, removed with everything in it when the object goes.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return path_; }
    // Path() as text with a final "/", ready to be joined to tile names.
    std::string Folder() const { return path_.string() + "/"; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

}  // namespace terrain::testing
