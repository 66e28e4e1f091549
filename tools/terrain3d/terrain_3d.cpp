#include "terrain_3d.h"

#include "console/headless.h"
#include "console/hgt_tile_store.h"
#include "console/numbers.h"
#include "console/plot_window.h"
#include "console/position_entry.h"
#include "console/tool_config.h"
#include "oblique_drawing.h"
#include "oblique_view.h"
#include "plot_area.h"
#include "plot_dialogue.h"

namespace terrain3d {
namespace {

constexpr int kPollPause_ms = 100;

// The end of the run: Escape in the plot window. Clicks are not answered.
void WaitForEscape(console::PlotWindow& window) {
    for (;;) {
        while (window.PollClick().kind != console::ClickKind::kNone) {
        }
        const std::optional<int> key = window.PollKey();
        if (key && *key == console::kEscapeKey) return;
        if (window.IsClosed()) return;
        console::WaitMilliseconds(kPollPause_ms);
    }
}

}  // namespace

int RunTerrain3D(const std::vector<std::string>& args, console::Console& console,
                 const std::filesystem::path& dir) {
    const console::HeadlessArgs headless = console::TakeHeadlessArgs(args);
    if (!headless.error.empty()) {
        console.PrintLine(headless.error);
        return 2;
    }
    console::SetHeadless(headless.options);

    const std::optional<console::StartUpResult> start = console::StartUp(
        console::ConsoleTool::kTerrain3D, console, console::CommandTail(headless.remaining), dir);
    if (!start) return 1;
    const console::ToolConfig& config = start->config;

    const std::optional<console::ConsolePosition> centre = terrainplot::AskCentre(console, *start);
    if (!centre) return 1;
    const double size_km =
        terrainplot::PlotSizeFromAnswer(console::LeadingNumber(console.Ask(kSizePrompt)));

    console::HgtTileStore store(config.heightPath, console, console::kTerrain3DArea);
    const std::int32_t centreHeight_m = terrainplot::PrintCentreLine(console, store, *centre);

    const terrainplot::PlotArea edges =
        terrainplot::PlotAreaAround(centre->latitude_deg, centre->longitude_deg, size_km);
    const std::optional<terrainplot::LoadedHeights> heights =
        terrainplot::LoadHeights(console, store, edges, console::TileDetail::kFinest);
    if (!heights) return 1;
    // Rows and columns of the samples loaded (3 or 1 arc-second); the view is drawn in those
    // units, so its shape does not depend on the spacing.
    const terrainplot::PlotArea area = terrainplot::PlotAreaAround(
        centre->latitude_deg, centre->longitude_deg, size_km, heights->area.samplesPerDegree);

    const terrainplot::WindowLayout layout = terrainplot::PlotWindowLayout(config.windowSize);
    console::PlotWindow window(terrainplot::PlotCaption(kCaptionPrefix, centre->text, size_km),
                               layout.left_px, layout.top_px, layout.width_px, layout.height_px,
                               console::kWhite);
    terrainplot::SetPlotScale(window, area);
    window.Rectangle(0, 0, area.nLon, area.nLat, console::kBlack, console::kBlack);
    window.Show();

    const ObliqueView view(area.nLat, area.nLon, centre->latitude_deg, heights->maxPlot_m);
    DrawRows(window, area, view, store.Area(), heights->area.x0, heights->area.y0, start->palette);
    DrawCentreMarker(window, area, view, centreHeight_m);
    window.Repaint();
    DrawLinearLegend(window, start->palette, area, view);
    window.Repaint();

    WaitForEscape(window);
    window.Close();
    return 0;
}

}  // namespace terrain3d
