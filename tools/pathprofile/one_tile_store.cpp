#include "one_tile_store.h"

#include "terrain/sample_lookup.h"
#include "terrain/tile_format.h"

namespace pathprofile {

void OneTileStore::Clear() {
    tile_.Reshape(terrain::kThreeArcSecondTile.Side());
    tile_.Clear();
}

terrain::TileRead OneTileStore::Load(const std::string& found, terrain::Diagnostics& reports) {
    const terrain::TileRead read =
        source_.Read(found, kProfileDecoding, terrain::TileDetail::kFinest, tile_, reports);
    if (!read.Read()) Clear();
    return read;
}

std::int32_t OneTileStore::HeightAt(LatLon position) const {
    return terrain::HeightAtOrBelow(tile_, position.lat_deg, position.lon_deg);
}

}  // namespace pathprofile
