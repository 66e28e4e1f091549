// The .hgt folder: the first kind of tile source, SRTM tiles named "N54W004.hgt" in one folder.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "terrain/tile_source.h"

namespace terrain {

// How a typed file name is looked up: the existing regular file it names, or nullopt. The
// console tools find a name whatever its case (console/file_names.h).
using FileFinder = std::function<std::optional<std::string>(const std::string& path)>;

// The file itself when it is a regular file.
std::optional<std::string> FindExactFile(const std::string& path);

class HgtFolder final : public TileSource {
  public:
    // `folder` is joined to tile names as given (a path without a final separator is joined
    // without one).
    explicit HgtFolder(std::string folder, FileFinder find = FindExactFile);

    std::string NameOf(TileCorner corner) const override;
    std::optional<std::string> Find(const std::string& name) const override;
    std::optional<TileShape> ShapeOf(const std::string& found) const override;
    TileRead Read(const std::string& found, const TileDecoding& decoding, TileDetail detail,
                  TileBuffer& tile, Diagnostics& reports) const override;
    std::optional<std::int32_t> ReadSample(const std::string& found, TileFormat format, int column,
                                           int row) const override;

    const std::string& Folder() const { return folder_; }

  private:
    std::string folder_;
    FileFinder find_;
};

}  // namespace terrain
