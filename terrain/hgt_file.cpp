#include "terrain/hgt_file.h"

#include <filesystem>
#include <fstream>
#include <vector>

#include "terrain/hgt_decoder.h"

namespace terrain {

std::optional<TileShape> HgtFileShape(const std::string& path) {
    std::error_code ec;
    const std::uintmax_t bytes = std::filesystem::file_size(path, ec);
    if (ec) return std::nullopt;
    const TileFormat format = TileFormatOfSize(bytes);
    return TileShape{format, bytes >= static_cast<std::uintmax_t>(format.fileBytes)};
}

TileRead DecodeHgtTile(const unsigned char* bytes, TileFormat format, const std::string& name,
                       const TileDecoding& decoding, TileDetail detail, TileBuffer& tile,
                       Diagnostics& reports) {
    TileRead read;
    read.format = format;
    read.status = TileReadStatus::kRead;
    if (format == kOneArcSecondTile) reports.OneArcSecondTile(name);
    std::int64_t outOfRange = 0;
    read.voidSamples = DecodeHgtSamples(
        bytes, format, decoding, detail, tile, [&](std::int32_t height_m, int column, int row) {
            if (++outOfRange <= kHeightWarningsPerTile)
                reports.HeightOutOfRange(name, column, row, height_m);
        });
    if (outOfRange > kHeightWarningsPerTile)
        reports.MoreHeightsOutOfRange(name, outOfRange - kHeightWarningsPerTile);
    return read;
}

TileRead ReadHgtFile(const std::string& path, const TileDecoding& decoding, TileDetail detail,
                     TileBuffer& tile, Diagnostics& reports) {
    const std::optional<TileShape> shape = HgtFileShape(path);
    TileRead read;
    read.format = shape ? shape->format : kThreeArcSecondTile;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(read.format.fileBytes));
    std::ifstream in(path, std::ios::binary);
    read.status = in ? TileReadStatus::kRead : TileReadStatus::kMissing;
    in.read(reinterpret_cast<char*>(bytes.data()), read.format.fileBytes);
    if (!in || in.gcount() != read.format.fileBytes) {
        // Never read past the end of a short file: the tile counts as missing (all zeros).
        if (read.status == TileReadStatus::kRead) read.status = TileReadStatus::kUnreadable;
        reports.TileUnreadable(path);
        tile.Clear();
        return read;
    }
    return DecodeHgtTile(bytes.data(), read.format, path, decoding, detail, tile, reports);
}

std::optional<std::int32_t> ReadHgtSample(const std::string& path, TileFormat format, int column,
                                          int row) {
    const std::int64_t offset = format.RowBytes() * row + 2 * static_cast<std::int64_t>(column);
    unsigned char bytes[2] = {0, 0};
    std::ifstream in(path, std::ios::binary);
    if (in) {
        in.seekg(offset);
        in.read(reinterpret_cast<char*>(bytes), 2);
    }
    if (!in || in.gcount() != 2) return std::nullopt;
    const std::int32_t v = bytes[0] * 256 + bytes[1];
    return v > 32767 ? v - 65536 : v;
}

}  // namespace terrain
