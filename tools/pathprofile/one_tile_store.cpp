#include "one_tile_store.h"

#include "terrain/sample_lookup.h"
#include "terrain/tile_format.h"

namespace pathprofile {

void OneTileStore::Clear() {
    tile_.Reshape(terrain::kThreeArcSecondTile.Side());
    tile_.Clear();
    hasTile_ = false;
}

terrain::TileRead OneTileStore::Load(const std::string& found, terrain::Diagnostics& reports) {
    // Nothing is warned of either way: the profile's decoding warns of no height.
    const terrain::TileRead read =
        source_.Read(found, terrain::kVoidsKept, terrain::TileDetail::kFinest, tile_, reports);
    if (!read.Read()) Clear();
    hasTile_ = read.Read();
    return read;
}

std::int32_t OneTileStore::HeightAt(LatLon position) const {
    return Decoded(terrain::HeightAtOrBelow(tile_, position.lat_deg, position.lon_deg));
}

bool OneTileStore::HasDataAt(LatLon position) const {
    return hasTile_ && terrain::HeightAtOrBelow(tile_, position.lat_deg, position.lon_deg) !=
                           terrain::kVoidSample;
}

}  // namespace pathprofile
