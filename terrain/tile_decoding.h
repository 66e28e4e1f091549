// How a tile's stored samples become the heights the tools work with, and how finely a tile or
// an area is taken.
#pragma once

#include <cstdint>
#include <limits>

#include "terrain/tile_format.h"

namespace terrain {

inline constexpr std::int32_t kVoidThreshold_m = -1000;     // the frame's voids: below this
inline constexpr std::int32_t kWarningThreshold_m = 10000;  // higher than any mountain: warned of

// How the file's 16-bit samples become heights: samples below `replaceBelow` (the void marker
// -32768 among them) become `replacement`; a height then above `warnAbove` or below `warnBelow`
// is reported as out of range, naming the file, column and row.
struct TileDecoding {
    std::int32_t replaceBelow;
    std::int32_t replacement;
    std::int32_t warnAbove;
    std::int32_t warnBelow;
    friend constexpr bool operator==(const TileDecoding&, const TileDecoding&) = default;
};
// The frame's rule: heights below -1000 m (voids) become sea level; above 10000 m warn.
inline constexpr TileDecoding kVoidsToSeaLevel{kVoidThreshold_m, 0, kWarningThreshold_m,
                                               std::numeric_limits<std::int32_t>::min()};
// Only the void marker becomes sea level, so other negative samples stay as they are; heights
// above 10000 m or below -10000 m warn.
inline constexpr TileDecoding kOnlyVoidsToSeaLevel{kVoidSample + 1, 0, kWarningThreshold_m,
                                                   -kWarningThreshold_m};
// The frame's voids become sea level and no height is warned of.
inline constexpr TileDecoding kVoidsToSeaLevelUnwarned{kVoidThreshold_m, 0,
                                                       std::numeric_limits<std::int32_t>::max(),
                                                       std::numeric_limits<std::int32_t>::min()};

// Nothing replaced and nothing warned of: the void marker stays -32768, so that the voids can be
// found.
inline constexpr TileDecoding kVoidsKept{std::numeric_limits<std::int32_t>::min(), 0,
                                         std::numeric_limits<std::int32_t>::max(),
                                         std::numeric_limits<std::int32_t>::min()};

// How finely a tile or an area is taken.
enum class TileDetail {
    // Every tile at 3 arc-seconds: a 1 arc-second tile gives every third sample (the 3 arc-second
    // lattice points it shares with its 3 arc-second twin). What every tool did before 1
    // arc-second tiles existed, and still the way of the tools that work at 3 arc-seconds only.
    kThreeArcSecond,
    // As stored: a tile at its own spacing; an area at 1 arc-second when all its tiles are 1
    // arc-second, otherwise (mixed) at 3 arc-seconds.
    kFinest,
};

}  // namespace terrain
