#include "run.h"

#include "angle_raster.h"
#include "console/exit_status.h"
#include "console/geotiff_file.h"
#include "console/prepared_run.h"
#include "console/tool_config.h"
#include "coverage_run.h"
#include "mastview/area_loader.h"
#include "mastview/dialogue.h"
#include "plot/plot_controls.h"
#include "tool_options.h"
#include "visibility_plot.h"

namespace visplot {

int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder) {
    const console::PreparedRun prepared = console::PrepareRun(arguments, kDescription, console);
    if (prepared.exitNow) return *prepared.exitNow;
    const CoverageReading coverage = CoverageFrom(prepared.line);
    if (!coverage.error.empty())
        return console::ReportUsageError(kDescription, coverage.error, console);

    std::optional<mastview::MastView> view =
        mastview::RunDialogue(kToolProfile, console, prepared.commandTail,
                              mastview::GroundHeightFrom::kTileFile, workingFolder);
    if (!view) return console::kExitRefused;  // the reason has been printed
    std::optional<std::vector<Transmitter>> transmitters;
    if (coverage.request) {
        transmitters = PlaceTransmitters(*coverage.request, *view, console);
        if (!transmitters) return console::kExitRefused;  // the reason has been printed
    }
    const mastview::RadiusHeights loaded =
        mastview::LoadRadiusArea(view->area, *view->store, console);
    if (mastview::RefuseWithoutHeights(view->area, loaded, view->config.heightPath, console))
        return console::kExitRefused;
    mastview::PrintNoDataShare(view->area, loaded, console);
    if (coverage.request) {
        const int status =
            RunCoverage(*coverage.request, *transmitters, *view, loaded,
                        prepared.line.Value(kGeoTiffOption), prepared.headless, console);
        if (status != console::kExitNormal) return status;
        return console::FinishRun(kToolProfile, view->config, console, workingFolder)
                   ? console::kExitNormal
                   : console::kExitRefused;
    }

    const int size = view->config.windowSize;
    plot::PlotWindow window(Caption(*view), kWindowLeft_px, kWindowTop_px, size, size,
                            prepared.headless);
    VisibilityPlot plot(*view, window, console);
    plot.DrawFrame();
    plot.Sweep(loaded.heights);
    plot.ShowNoData(loaded.noData);
    if (const std::optional<std::string> geotiff = prepared.line.Value(kGeoTiffOption)) {
        const std::string error = console::WriteGeoTiff(
            *geotiff,
            AngleRaster(view->area, mastview::SweepSetupFor(*view), loaded.heights, loaded.noData,
                        [&plot](int x, int y) { return plot.Seen(x, y); }));
        if (!error.empty()) {
            console.PrintError(error + "\n");
            return console::kExitRefused;
        }
    }
    plot::WaitForUser(window, console, view->area.nLon, view->area.nLat,
                      [&](const plot::Click& click) { plot.OnClick(click); });
    return plot::RunExitStatus(
        window, console::FinishRun(kToolProfile, view->config, console, workingFolder));
}

}  // namespace visplot
