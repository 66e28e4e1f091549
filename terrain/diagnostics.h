// What the height library met while finding and reading tiles, told to whoever shows it. The
// library itself prints nothing: the console tools print these events through their adapter
// (console/terrain_messages.h), tests record them.
#pragma once

#include <cstdint>
#include <string>

#include "terrain/area_refusal.h"

namespace terrain {

// A corrupt tile can hold 1.4 million (3") or 13 million (1") heights out of range: the first few
// show where and what, the rest are counted on one line.
inline constexpr std::int64_t kHeightWarningsPerTile = 5;

class Diagnostics {
  public:
    virtual ~Diagnostics() = default;

    // An area is about to be loaded tile by tile.
    virtual void AreaLoadStarted() = 0;
    // No tile `wantedName` (the name the source would give it, the folder included).
    virtual void TileNotFound(const std::string& wantedName) = 0;
    // The tile `name` of an area is read next.
    virtual void TileLoading(const std::string& name) = 0;
    // A tile of an area was not found: its samples stay 0.
    virtual void TileSkipped() = 0;
    // A tile or a sample was asked for where there is no height file.
    virtual void NoHeightFile() = 0;
    // The tile `name` is shorter than its format or cannot be read: taken as sea level.
    virtual void TileUnreadable(const std::string& name) = 0;
    // The tile `name` is a 1 arc-second one.
    virtual void OneArcSecondTile(const std::string& name) = 0;
    // A decoded height outside the decoding's warning limits, at the file's own `column` (from
    // the west) and `row` (from the north).
    // Only the first kHeightWarningsPerTile of a tile are reported one by one.
    virtual void HeightOutOfRange(const std::string& name, int column, int row,
                                  std::int32_t height_m) = 0;
    // The tile `name` had `count` more heights out of range than were reported one by one.
    virtual void MoreHeightsOutOfRange(const std::string& name, std::int64_t count) = 0;
    // An area was refused before any tile was read.
    virtual void AreaRefused(const AreaRefusal& refusal) = 0;
};

// Diagnostics nobody looks at: for callers that only want the values.
class SilentDiagnostics final : public Diagnostics {
  public:
    void AreaLoadStarted() override {}
    void TileNotFound(const std::string&) override {}
    void TileLoading(const std::string&) override {}
    void TileSkipped() override {}
    void NoHeightFile() override {}
    void TileUnreadable(const std::string&) override {}
    void OneArcSecondTile(const std::string&) override {}
    void HeightOutOfRange(const std::string&, int, int, std::int32_t) override {}
    void MoreHeightsOutOfRange(const std::string&, std::int64_t) override {}
    void AreaRefused(const AreaRefusal&) override {}
};

}  // namespace terrain
