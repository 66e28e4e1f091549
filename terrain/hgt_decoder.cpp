#include "terrain/hgt_decoder.h"

#include <cstddef>

namespace terrain {

namespace {

std::int32_t BigEndianSample(const unsigned char* bytes) {
    std::int32_t v = bytes[0] * 256 + bytes[1];
    return v > 32767 ? v - 65536 : v;
}

// Decodes the file's rows (from the north) into the tile (rows from the south) with the rules
// `rules()` gives, calling warn(v, column, row) for a height outside the warning limits. The tile
// takes every `step`-th row and column of a file whose rows are `rowBytes` long (step 3 takes a 1
// arc-second file at 3 arc-seconds); column and row in a warning are the file's own.
template <typename Rules>
int DecodeRows(const unsigned char* bytes, std::size_t rowBytes, int step, Rules rules,
               TileBuffer& tile, const OutOfRangeHeight& warn) {
    // The rules as local values: the writes into the tile could otherwise alias them and force a
    // reload for every sample. One unsigned comparison tells whether v lies outside
    // warnBelow ... warnAbove.
    const TileDecoding decoding = rules();
    const auto warnBelow = static_cast<std::uint32_t>(decoding.warnBelow);
    const std::uint32_t warnSpan = static_cast<std::uint32_t>(decoding.warnAbove) - warnBelow;
    const int side = tile.Side();
    const int lastSample = side - 1;
    const auto outside = [&](std::int32_t v) {
        return static_cast<std::uint32_t>(v) - warnBelow > warnSpan;
    };
    int voids = 0;
    for (int r = 0; r < side; ++r) {
        const unsigned char* row = bytes + static_cast<std::size_t>(r) * step * rowBytes;
        std::int32_t* out = tile.Row(lastSample - r);
        // A whole row at a time without a call in the loop, so that it can be vectorised; the
        // rare row holding a height to warn of is read again for the warnings, in order.
        int warnings = 0;
        const std::int32_t replaceBelow = decoding.replaceBelow;
        const std::int32_t replacement = decoding.replacement;
        const std::size_t stride = 2 * static_cast<std::size_t>(step);
        // The usual tile has its samples side by side (step 1): that loop is asked to be
        // vectorised whatever the optimiser's cost model would decide.
        if (step == 1) {
#pragma omp simd reduction(+ : warnings, voids)
            for (int c = 0; c < side; ++c) {
                std::int32_t v = BigEndianSample(row + 2 * static_cast<std::size_t>(c));
                voids += v == kVoidSample ? 1 : 0;
                v = v < replaceBelow ? replacement : v;
                warnings += outside(v) ? 1 : 0;
                out[c] = v;
            }
        } else {
            for (int c = 0; c < side; ++c) {
                std::int32_t v = BigEndianSample(row + stride * static_cast<std::size_t>(c));
                voids += v == kVoidSample ? 1 : 0;
                v = v < replaceBelow ? replacement : v;
                warnings += outside(v) ? 1 : 0;
                out[c] = v;
            }
        }
        if (warnings > 0) {
            for (int c = 0; c < side; ++c)
                if (outside(out[c])) warn(out[c], c * step, r * step);
        }
    }
    return voids;
}

}  // namespace

int DecodeHgtSamples(const unsigned char* bytes, TileFormat format, const TileDecoding& decoding,
                     TileDetail detail, TileBuffer& tile, const OutOfRangeHeight& outOfRange) {
    // Taken at 3 arc-seconds, a 1 arc-second tile gives every third row and column: the samples
    // that lie on the 3 arc-second lattice.
    const int side = detail == TileDetail::kFinest ? format.Side() : kThreeArcSecondTile.Side();
    const int step = format.samplesPerDegree / (side - 1);
    tile.Reshape(side);
    const std::size_t rowBytes = static_cast<std::size_t>(format.RowBytes());
    // The frame's own rule is known when compiling: its limits fold into the loop.
    if (decoding == kVoidsToSeaLevel) {
        return DecodeRows(
            bytes, rowBytes, step, [] { return kVoidsToSeaLevel; }, tile, outOfRange);
    }
    return DecodeRows(
        bytes, rowBytes, step, [&decoding] { return decoding; }, tile, outOfRange);
}

}  // namespace terrain
