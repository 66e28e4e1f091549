// The dialogue terrainplot and terrain3d share after the start-up: the centre of the plot, the
// base-position line, loading the heights with the maximum line and the maximum to be plotted,
// and the plot window's caption and scale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/console.h"
#include "console/hgt_tile_store.h"
#include "console/position_entry.h"
#include "console/tool_config.h"
#include "map_rectangle.h"
#include "plot/canvas.h"

namespace terrainmap {

// The centre of the plot: the command line's site text, or the centre prompt when the start-up
// says so; resolved by name, grid reference or locator. nullopt when the tool must end: an empty
// text (no message), a missing site file (its name and " not found" printed) or no such site
// ("Site not found" printed).
std::optional<console::ConsolePosition> AskCentre(console::Console& console,
                                                  const console::StartUpResult& start);

// Locator, grid reference and ground height of the centre on the base-position line. Returns
// the ground height (0 when its tile is missing).
std::int32_t PrintCentreLine(console::Console& console, console::HgtTileStore& store,
                             const console::ConsolePosition& centre);

// The heights of the plot loaded, with the height mapped to the top of the colour scale.
struct LoadedHeights {
    terrain::AreaLoadResult area;
    std::int32_t maxPlot_m = 1;  // at least 1
};

// Loads the plot area, prints the maximum line in colour 3 and asks for the maximum to be
// plotted (below 1 it is the maximum found, and never below 1 m). nullopt when the area needs
// more tiles than the grid holds, or when not one of its tiles was found in `heightPath`
// (NoHeightDataLine names the folder and the tiles); the refusal has been printed. With `detail`
// kFinest an area of 1 arc-second tiles only is loaded at 1 arc-second (area.samplesPerDegree
// tells).
std::optional<LoadedHeights> LoadHeights(
    console::Console& console, console::HgtTileStore& store, const std::string& heightPath,
    const MapRectangle& area, terrain::TileDetail detail = terrain::TileDetail::kThreeArcSecond);

// Prints NoDataShareLine for the plot samples 0 ... nLon, 0 ... nLat at grid offset (x0, y0)
// when any of them has no height data; prints nothing otherwise. Returns the line printed ("" for
// none), for the picture's title.
std::string PrintNoDataShare(console::Console& console, const terrain::AreaGrid& grid, int x0,
                             int y0, int nLon, int nLat);

// "Terrain Plot, centred on " + site text + "     Plot Width ###km" (and terrain3d's "3D Plot,
// centred on ").
std::string PlotCaption(std::string_view prefix, std::string_view siteText, double km);

// The title strip of both tools' pictures: "TOOL round PLACE" (plot/place_text.h) and the line
// of parameters and results.
std::vector<std::string> MapTitle(std::string_view what, const console::ConsolePosition& centre,
                                  std::string parameters);

// The plot window of both tools: at (100, 0), round(1.4 × windowSize) × windowSize pixels, white,
// with the scale (0, nLat) at the top-left to (1.07 × nLon, −0.03 × nLat) at the bottom-right.
struct WindowLayout {
    int left_px = 100;
    int top_px = 0;
    int width_px = 0;
    int height_px = 0;
};
WindowLayout PlotWindowLayout(std::int32_t windowSize_px);
void SetPlotScale(plot::Canvas& canvas, const MapRectangle& area);

// The prompts and masks of the dialogue.
inline constexpr std::string_view kMaxLineMask =
    "Max height ####m found at  Loc \\        \\   NGR \\             \\ ";
inline constexpr std::string_view kMaxPlotPrompt =
    "Maximum Height to be plotted                   ";
inline constexpr std::string_view kCaptionWidthMask = "     Plot Width ###km";

}  // namespace terrainmap
