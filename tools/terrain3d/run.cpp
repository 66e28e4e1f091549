#include "run.h"

#include <cstdio>

#include "console/console_constants.h"
#include "console/exit_status.h"
#include "console/hgt_tile_store.h"
#include "console/numbers.h"
#include "console/position_entry.h"
#include "console/prepared_run.h"
#include "console/tool_config.h"
#include "oblique_drawing.h"
#include "oblique_view.h"
#include "plot/plot_window.h"
#include "terrainmap/map_dialogue.h"
#include "terrainmap/map_rectangle.h"
#include "tool_options.h"

namespace terrain3d {
namespace {

// The end of the run: Escape in the plot window. Clicks are not answered.
void WaitForEscape(plot::PlotWindow& window) {
    for (;;) {
        while (window.PollClick().kind != plot::ClickKind::kNone) {
        }
        const std::optional<int> key = window.PollKey();
        if (key && *key == plot::kEscapeKey) return;
        if (window.IsClosed()) return;
        window.WaitForInput();
    }
}

}  // namespace

int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder) {
    const std::filesystem::path& dir = workingFolder;
    const console::PreparedRun prepared = console::PrepareRun(arguments, kDescription, console);
    if (prepared.exitNow) return *prepared.exitNow;

    const std::optional<console::StartUpResult> start =
        console::StartUp(kToolProfile, console, prepared.commandTail, dir);
    if (!start) return console::kExitRefused;
    const console::ToolConfig& config = start->config;

    const std::optional<console::ConsolePosition> centre = terrainmap::AskCentre(console, *start);
    if (!centre) return console::kExitRefused;
    const double size_km = terrainmap::PlotSizeFromAnswer(
        console::LeadingNumber(console.Ask(kSizePrompt, kSizeOption)));

    console::HgtTileStore store(config.heightPath, console, kToolProfile.area,
                                kToolProfile.tileDecoding);
    const std::int32_t centreHeight_m = terrainmap::PrintCentreLine(console, store, *centre);

    const terrainmap::MapRectangle edges =
        terrainmap::MapRectangleAround(centre->latitude_deg, centre->longitude_deg, size_km);
    const std::optional<terrainmap::LoadedHeights> heights = terrainmap::LoadHeights(
        console, store, config.heightPath, edges, terrain::TileDetail::kFinest);
    if (!heights) return console::kExitRefused;
    // Rows and columns of the samples loaded (3 or 1 arc-second); the view is drawn in those
    // units, so its shape does not depend on the spacing.
    const terrainmap::MapRectangle area = terrainmap::MapRectangleAround(
        centre->latitude_deg, centre->longitude_deg, size_km, heights->area.samplesPerDegree);
    const std::string noDataShare = terrainmap::PrintNoDataShare(
        console, store.Area(), heights->area.x0, heights->area.y0, area.nLon, area.nLat);

    const terrainmap::WindowLayout layout = terrainmap::PlotWindowLayout(config.windowSize);
    plot::PlotWindow window(terrainmap::PlotCaption(kCaptionPrefix, centre->text, size_km),
                            layout.left_px, layout.top_px, layout.width_px, layout.height_px,
                            prepared.headless, console::kWhite);
    plot::Canvas& canvas = window.Picture();
    terrainmap::SetPlotScale(canvas, area);
    char parameters[160];
    std::snprintf(parameters, sizeof parameters,
                  "Area %.3g km x %.3g km   colours 0 to %d m, linear (highest %d m)   sea blue",
                  console::kPlotAspect * size_km, size_km, heights->maxPlot_m,
                  heights->area.maxHeight_m);
    canvas.SetTitleStrip(
        terrainmap::MapTitle("terrain3d: oblique view", *centre,
                             parameters + (noDataShare.empty() ? "" : "   grey: " + noDataShare)));
    canvas.Rectangle(0, 0, area.nLon, area.nLat, console::kBlack, console::kBlack);
    window.Show();

    const ObliqueView view(area.nLat, area.nLon, centre->latitude_deg, heights->maxPlot_m);
    DrawRows(window, area, view, store.Area(), heights->area.x0, heights->area.y0, start->palette);
    DrawCentreMarker(canvas, area, view, centreHeight_m);
    window.Repaint();
    DrawLinearLegend(canvas, start->palette, area, view);
    DrawNorthArrow(canvas, area, view);
    window.Repaint();

    WaitForEscape(window);
    window.Close();
    return plot::RunExitStatus(window, console::FinishRun(kToolProfile, config, console, dir));
}

}  // namespace terrain3d
