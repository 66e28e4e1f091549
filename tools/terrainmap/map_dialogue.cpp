#include "map_dialogue.h"

#include "console/console_constants.h"
#include "console/no_data_lines.h"
#include "console/numbers.h"
#include "console/picture_mask.h"
#include "map_options.h"
#include "plot/place_text.h"

namespace terrainmap {
namespace {

using console::Single;

// The window's user scale reaches past the plot: a legend strip on the right and a text line
// at the bottom.
constexpr double kRightLimit = Single(1.07f);    // of nLon
constexpr double kBottomLimit = Single(-0.03f);  // of nLat

}  // namespace

std::optional<console::ConsolePosition> AskCentre(console::Console& console,
                                                  const console::StartUpResult& start) {
    const std::string text =
        start.askPosition ? console::AskPosition(console, console::kCentrePrompt) : start.siteText;
    if (text.empty()) return std::nullopt;
    console::ConsolePosition centre =
        console::ResolvePosition(text, start.config.sitesPath, console);
    if (centre.siteFileMissing) return std::nullopt;
    if (!centre.found) {
        console.PrintLine("Site not found");
        return std::nullopt;
    }
    return centre;
}

std::int32_t PrintCentreLine(console::Console& console, console::HgtTileStore& store,
                             const console::ConsolePosition& centre) {
    const std::string locator =
        geodesy::FormatLocatorRounded({centre.latitude_deg, centre.longitude_deg});
    const std::string gridRef =
        geodesy::FormatGridRef10m({centre.latitude_deg, centre.longitude_deg});
    std::int32_t ground_m = 0;
    store.PointHeight(centre.latitude_deg, centre.longitude_deg, ground_m);
    console::PrintBasePositionLine(console, centre.latitude_deg, centre.longitude_deg, locator,
                                   gridRef, ground_m);
    return ground_m;
}

std::optional<LoadedHeights> LoadHeights(console::Console& console, console::HgtTileStore& store,
                                         const std::string& heightPath, const MapRectangle& area,
                                         terrain::TileDetail detail) {
    LoadedHeights loaded;
    loaded.area = store.LoadArea(area.west, area.south, area.east, area.north, detail);
    if (loaded.area.Refused()) return std::nullopt;
    // Without any tile there is nothing to draw (the maximum and the legend would read -9999),
    // and most likely the folder is wrong: say where the tiles were looked for.
    if (loaded.area.tilesLoaded == 0) {
        console.PrintLine(console::NoHeightDataLine(
            heightPath, console::TileNamesCovering(area.west, area.south, area.east, area.north)));
        return std::nullopt;
    }

    const terrain::AreaLoadResult& a = loaded.area;
    console.PrintLine();
    console.SetColour(console::Colour::kCyan);
    console.Print(console::FormatMask(
        kMaxLineMask, {double{1} * a.maxHeight_m,
                       geodesy::FormatLocatorRounded({a.maxLatitude_deg, a.maxLongitude_deg}),
                       geodesy::FormatGridRef10m({a.maxLatitude_deg, a.maxLongitude_deg})}));
    console.PrintLine();
    console.PrintLine();
    console.SetColour(console::Colour::kLightGrey);

    const double typed = console::LeadingNumber(console.Ask(kMaxPlotPrompt, kMaxOption));
    // With no land at all in the area the maximum found is 0 (or nothing was loaded); the colour
    // scale and terrain3d's lift still need a positive top.
    loaded.maxPlot_m = std::max(1, MaxPlotFromAnswer(typed, a.maxHeight_m));
    return loaded;
}

std::string PrintNoDataShare(console::Console& console, const terrain::AreaGrid& grid, int x0,
                             int y0, int nLon, int nLat) {
    const std::size_t missing = grid.NoData().CountIn(x0, y0, x0 + nLon, y0 + nLat);
    if (missing == 0) return {};
    const double samples = (double{1} + nLon) * (double{1} + nLat);
    const std::string line = console::NoDataShareLine(static_cast<double>(missing) / samples);
    console.PrintLine(line);
    return line;
}

std::string PlotCaption(std::string_view prefix, std::string_view siteText, double km) {
    return std::string(prefix) + std::string(siteText) +
           console::FormatMask(kCaptionWidthMask, {km});
}

std::vector<std::string> MapTitle(std::string_view what, const console::ConsolePosition& centre,
                                  std::string parameters) {
    return {std::string(what) + " round " +
                plot::PlaceText(centre.text, centre.latitude_deg, centre.longitude_deg),
            std::move(parameters)};
}

WindowLayout PlotWindowLayout(std::int32_t windowSize_px) {
    WindowLayout w;
    w.width_px = console::RoundToInt(console::kPlotAspect * windowSize_px);
    w.height_px = windowSize_px;
    return w;
}

void SetPlotScale(plot::Canvas& canvas, const MapRectangle& area) {
    canvas.SetScale(0, area.nLat, kRightLimit * area.nLon, kBottomLimit * area.nLat);
}

}  // namespace terrainmap
