#include "run.h"

#include <cstdio>

#include "click_readout.h"
#include "console/exit_status.h"
#include "console/file_names.h"
#include "console/geotiff_file.h"
#include "console/hgt_tile_store.h"
#include "console/numbers.h"
#include "console/position_entry.h"
#include "console/prepared_run.h"
#include "console/tool_config.h"
#include "height_raster.h"
#include "plot/plot_controls.h"
#include "plot/plot_window.h"
#include "terrain_map.h"
#include "terrainmap/map_dialogue.h"
#include "terrainmap/map_rectangle.h"
#include "tool_options.h"

namespace terrainplot {
namespace {

// The title strip's second line: the plot's size and its colour scale.
std::string TitleParameters(double width_km, double height_km, int maxPlot_m, int maxFound_m,
                            bool shade) {
    char text[160];
    std::snprintf(text, sizeof text, "Width %.3g km x %.3g km   colours 0 to %d m (highest %d m)%s",
                  width_km, height_km, maxPlot_m, maxFound_m, shade ? "   hillshaded" : "");
    return text;
}

}  // namespace

int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder) {
    const std::filesystem::path& dir = workingFolder;
    const console::PreparedRun prepared = console::PrepareRun(arguments, kDescription, console);
    if (prepared.exitNow) return *prepared.exitNow;

    std::optional<console::StartUpResult> start =
        console::StartUp(kToolProfile, console, prepared.commandTail, dir);
    if (!start) return console::kExitRefused;
    const console::ToolConfig& config = start->config;

    const std::optional<console::ConsolePosition> centre = terrainmap::AskCentre(console, *start);
    if (!centre) return console::kExitRefused;
    const double width_km = terrainmap::PlotWidthFromAnswer(
        console::LeadingNumber(console.Ask(kWidthPrompt, kWidthOption)));

    console::HgtTileStore store(config.heightPath, console, kToolProfile.area,
                                kToolProfile.tileDecoding);
    terrainmap::PrintCentreLine(console, store, *centre);

    const terrainmap::MapRectangle edges = terrainmap::MapRectangleAround(
        centre->latitude_deg, centre->longitude_deg, terrainmap::HeightExtentKm(width_km));
    const std::optional<terrainmap::LoadedHeights> heights = terrainmap::LoadHeights(
        console, store, config.heightPath, edges, terrain::TileDetail::kFinest);
    if (!heights) return console::kExitRefused;
    // Counted in the samples the heights were loaded at (3 or 1 arc-second).
    const terrainmap::MapRectangle area = terrainmap::MapRectangleAround(
        centre->latitude_deg, centre->longitude_deg, terrainmap::HeightExtentKm(width_km),
        heights->area.samplesPerDegree);
    const std::string noDataShare = terrainmap::PrintNoDataShare(
        console, store.Area(), heights->area.x0, heights->area.y0, area.nLon, area.nLat);
    if (const std::optional<std::string> geotiff = prepared.line.Value(kGeoTiffOption)) {
        const std::string error = console::WriteGeoTiff(
            *geotiff, HeightRaster(store.Area(), heights->area.x0, heights->area.y0, area));
        if (!error.empty()) {
            console.PrintError(error + "\n");
            return console::kExitRefused;
        }
    }

    const terrainmap::WindowLayout layout = terrainmap::PlotWindowLayout(config.windowSize);
    plot::PlotWindow window(terrainmap::PlotCaption(kCaptionPrefix, centre->text, width_km),
                            layout.left_px, layout.top_px, layout.width_px, layout.height_px,
                            prepared.headless, console::kWhite);
    plot::Canvas& canvas = window.Picture();
    terrainmap::SetPlotScale(canvas, area);
    canvas.SetGeoreference(PlotDegrees(area));
    const bool shade = prepared.line.Given(kShadeOption);
    canvas.SetTitleStrip(
        terrainmap::MapTitle("terrainplot: height map", *centre,
                             TitleParameters(width_km, area.northSouthKm, heights->maxPlot_m,
                                             heights->area.maxHeight_m, shade) +
                                 (noDataShare.empty() ? "" : "   grey: " + noDataShare)));
    plot::DrawExitControl(window, area.nLon, area.nLat);
    console.BringToFront();
    plot::DrawColourLegend(canvas, start->palette, area.nLon, area.nLat, heights->maxPlot_m);
    window.Show();

    MapSource source;
    source.grid = &store.Area();
    source.x0 = heights->area.x0;
    source.y0 = heights->area.y0;
    source.palette = &start->palette;
    source.maxPlot_m = heights->maxPlot_m;
    source.shade = shade;
    DrawTerrainMap(window, area, source, config.windowSize);

    // The legend again, over the map's edge where the strip beside it is too narrow for it.
    std::vector<plot::PixelBox> furniture = DrawScaleAndNorth(canvas, area);
    furniture.push_back(
        plot::DrawColourLegend(canvas, start->palette, area.nLon, area.nLat, heights->maxPlot_m));
    const std::optional<std::string> sitesFile =
        console::FindFileIgnoringCase(console::NativePath(config.sitesPath + "SITES.DAT"));
    if (sitesFile) DrawSiteMarkers(canvas, area, *sitesFile, furniture);
    DrawCentreMarker(canvas, area);
    window.Repaint();

    ClickReadout readout(canvas, console, store, area, *centre, config.sitesPath,
                         heights->maxPlot_m);
    plot::WaitForUser(window, console, area.nLon, area.nLat,
                      [&readout](const plot::Click& click) { readout.OnClick(click); });
    return plot::RunExitStatus(window, console::FinishRun(kToolProfile, config, console, dir));
}

}  // namespace terrainplot
