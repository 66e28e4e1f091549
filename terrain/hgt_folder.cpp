#include "terrain/hgt_folder.h"

#include <filesystem>
#include <utility>

#include "terrain/hgt_file.h"

namespace terrain {

std::optional<std::string> FindExactFile(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    return path;
}

HgtFolder::HgtFolder(std::string folder, FileFinder find)
    : folder_(std::move(folder)), find_(std::move(find)) {}

std::string HgtFolder::NameOf(TileCorner corner) const {
    return folder_ + TileName(corner);
}

std::optional<std::string> HgtFolder::Find(const std::string& name) const {
    return find_(name);
}

std::optional<TileShape> HgtFolder::ShapeOf(const std::string& found) const {
    return HgtFileShape(found);
}

TileRead HgtFolder::Read(const std::string& found, const TileDecoding& decoding, TileDetail detail,
                         TileBuffer& tile, Diagnostics& reports) const {
    return ReadHgtFile(found, decoding, detail, tile, reports);
}

std::optional<std::int32_t> HgtFolder::ReadSample(const std::string& found, TileFormat format,
                                                  int column, int row) const {
    return ReadHgtSample(found, format, column, row);
}

}  // namespace terrain
