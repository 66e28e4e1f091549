#include "terrain_plot.h"

#include "click_readout.h"
#include "console/file_names.h"
#include "console/headless.h"
#include "console/hgt_tile_store.h"
#include "console/numbers.h"
#include "console/plot_controls.h"
#include "console/plot_window.h"
#include "console/position_entry.h"
#include "console/tool_config.h"
#include "plot_area.h"
#include "plot_dialogue.h"
#include "terrain_map.h"

namespace terrainplot {

int RunTerrainPlot(const std::vector<std::string>& args, console::Console& console,
                   const std::filesystem::path& dir) {
    const console::HeadlessArgs headless = console::TakeHeadlessArgs(args);
    if (!headless.error.empty()) {
        console.PrintLine(headless.error);
        return 2;
    }
    console::SetHeadless(headless.options);

    std::optional<console::StartUpResult> start = console::StartUp(
        console::ConsoleTool::kTerrainPlot, console, console::CommandTail(headless.remaining), dir);
    if (!start) return 1;
    const console::ToolConfig& config = start->config;

    const std::optional<console::ConsolePosition> centre = AskCentre(console, *start);
    if (!centre) return 1;
    const double width_km = PlotWidthFromAnswer(console::LeadingNumber(console.Ask(kWidthPrompt)));

    console::HgtTileStore store(config.heightPath, console, console::kTerrainPlotArea);
    PrintCentreLine(console, store, *centre);

    const PlotArea edges =
        PlotAreaAround(centre->latitude_deg, centre->longitude_deg, HeightExtentKm(width_km));
    const std::optional<LoadedHeights> heights =
        LoadHeights(console, store, edges, console::TileDetail::kFinest);
    if (!heights) return 1;
    // Counted in the samples the heights were loaded at (3 or 1 arc-second).
    const PlotArea area = PlotAreaAround(centre->latitude_deg, centre->longitude_deg,
                                         HeightExtentKm(width_km), heights->area.samplesPerDegree);

    const WindowLayout layout = PlotWindowLayout(config.windowSize);
    console::PlotWindow window(PlotCaption(kCaptionPrefix, centre->text, width_km), layout.left_px,
                               layout.top_px, layout.width_px, layout.height_px, console::kWhite);
    SetPlotScale(window, area);
    window.SetGeoreference(PlotDegrees(area));
    console::DrawExitControl(window, area.nLon, area.nLat);
    console.BringToFront();
    console::DrawColourLegend(window, start->palette, area.nLon, area.nLat, heights->maxPlot_m);
    window.Show();

    MapSource source;
    source.grid = &store.Area();
    source.x0 = heights->area.x0;
    source.y0 = heights->area.y0;
    source.palette = &start->palette;
    source.maxPlot_m = heights->maxPlot_m;
    DrawTerrainMap(window, area, source, config.windowSize);

    const std::optional<std::string> sitesFile =
        console::FindFileIgnoringCase(console::NativePath(config.sitesPath + "SITES.DAT"));
    if (sitesFile) DrawSiteMarkers(window, area, centre->latitude_deg, *sitesFile);
    DrawCentreMarker(window, area, centre->latitude_deg);
    window.Repaint();

    ClickReadout readout(window, console, store, area, *centre, config.sitesPath,
                         heights->maxPlot_m);
    console::WaitForUser(window, console, area.nLon, area.nLat,
                         [&readout](const console::Click& click) { readout.OnClick(click); });
    console::FinishRun(console::ConsoleTool::kTerrainPlot, config, console, dir);
    return 0;
}

}  // namespace terrainplot
