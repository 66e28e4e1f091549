// What terrainplot shows when the map is clicked: the clicked point's locator, grid reference,
// distance and bearings from the centre and ground height in the bottom strip (the locator goes
// to the clipboard); a double click also labels the nearest site and copies its name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "console/hgt_tile_store.h"
#include "console/position_entry.h"
#include "plot/canvas.h"
#include "plot/click.h"
#include "terrainmap/map_rectangle.h"

namespace terrainplot {

// The texts of one click's read-out line.
struct ReadoutTexts {
    std::string position;  // locator " = " grid reference
    std::string bearings;  // "   ###.#km  ###° (°###)     "
    std::string height;    // "#### m     "
};

inline constexpr std::string_view kBearingsMask = "   ###.#km  ###° (°###)     ";
inline constexpr std::string_view kHeightMask = "#### m     ";
inline constexpr std::string_view kNameMask = "\\                               \\";  // 33 wide
inline constexpr std::string_view kNoSiteDatabase = "No site database available";
inline constexpr std::string_view kNoSites = "No site in the site database";

ReadoutTexts MakeReadoutTexts(const std::string& locator, const std::string& gridRef,
                              const geodesy::DistanceBearing& fromCentre, std::int32_t height_m);

class ClickReadout {
  public:
    // `siteText` is the centre's text; a double click replaces it by the nearest site's name.
    ClickReadout(plot::Canvas& canvas, console::Console& console, console::HgtTileStore& store,
                 const terrainmap::MapRectangle& area, const console::ConsolePosition& centre,
                 std::string sitesPath, std::int32_t maxPlot_m);

    // A single click at plot point (x, y), or a double click (the single-click read-out first).
    void OnClick(const plot::Click& click);

    const std::string& SiteText() const { return siteText_; }
    std::int32_t LastHeight() const { return height_m_; }

  private:
    void Single(double x, double y);
    void LabelNearestSite(double x, double y);
    void PrintNameLine(std::string_view text);

    plot::Canvas& canvas_;
    console::Console& console_;
    console::HgtTileStore& store_;
    terrainmap::MapRectangle area_;
    double lat0_deg_;
    double lon0_deg_;
    std::string sitesPath_;
    std::int32_t maxPlot_m_;
    std::string siteText_;
    std::int32_t height_m_ = 0;  // kept from the previous click when a tile is missing
};

}  // namespace terrainplot
