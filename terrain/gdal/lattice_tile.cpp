#include "terrain_gdal/lattice_tile.h"

#include "terrain/hgt_file.h"

namespace terrain::gdal {

std::vector<unsigned char> HgtBytesOf(const Lattice& lattice) {
    std::vector<unsigned char> bytes(2 * lattice.samples.size());
    for (std::size_t i = 0; i < lattice.samples.size(); ++i) {
        const auto v = static_cast<std::uint16_t>(lattice.samples[i]);
        bytes[2 * i] = static_cast<unsigned char>(v >> 8);
        bytes[2 * i + 1] = static_cast<unsigned char>(v & 0xff);
    }
    return bytes;
}

Lattice LatticeOfHgtBytes(const std::vector<unsigned char>& bytes, TileFormat format) {
    Lattice lattice{format, std::vector<std::int16_t>(bytes.size() / 2)};
    for (std::size_t i = 0; i < lattice.samples.size(); ++i)
        lattice.samples[i] = static_cast<std::int16_t>(bytes[2 * i] << 8 | bytes[2 * i + 1]);
    return lattice;
}

TileRead ReadRasterTile(const Raster& raster, TileCorner corner, TileFormat format,
                        const std::string& name, const TileDecoding& decoding, TileDetail detail,
                        TileBuffer& tile, Diagnostics& reports) {
    TileRead read;
    read.format = format;
    const std::optional<Lattice> lattice = raster.ReadLattice(corner, format);
    if (!lattice) {
        read.status = TileReadStatus::kUnreadable;
        reports.TileUnreadable(name);
        tile.Clear();
        return read;
    }
    const std::vector<unsigned char> bytes = HgtBytesOf(*lattice);
    return DecodeHgtTile(bytes.data(), format, name, decoding, detail, tile, reports);
}

}  // namespace terrain::gdal
