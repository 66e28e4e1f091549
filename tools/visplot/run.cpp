#include "run.h"

#include <cstdio>

#include "angle_raster.h"
#include "console/exit_status.h"
#include "console/file_names.h"
#include "console/geotiff_file.h"
#include "console/prepared_run.h"
#include "console/tool_config.h"
#include "coverage_run.h"
#include "mastview/area_loader.h"
#include "mastview/dialogue.h"
#include "plot/gui_application.h"
#include "plot/plot_controls.h"
#include "tool_options.h"
#include "visibility_plot.h"

namespace visplot {
namespace {

std::string SitesFile(const console::ToolConfig& config) {
    return console::FindFileIgnoringCase(console::NativePath(config.sitesPath + "SITES.DAT"))
        .value_or("");
}

}  // namespace

int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder) {
    const console::PreparedRun prepared = console::PrepareRun(arguments, kDescription, console);
    if (prepared.exitNow) return *prepared.exitNow;
    const CoverageReading coverage = CoverageFrom(prepared.line);
    if (!coverage.error.empty())
        return console::ReportUsageError(kDescription, coverage.error, console);
    AnglePalette palette = AnglePalette::kClassic;
    if (const std::optional<std::string> name = prepared.line.Value(kPaletteOption)) {
        const std::optional<AnglePalette> named = AnglePaletteNamed(*name);
        if (!named)
            return console::ReportUsageError(
                kDescription,
                "--palette " + *name + ": no such palette (" + std::string(kPaletteNames) + ")",
                console);
        palette = *named;
    }

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
    const std::string noDataShare = mastview::PrintNoDataShare(view->area, loaded, console);
    if (coverage.request) {
        const int status = RunCoverage(*coverage.request, *transmitters, *view, loaded,
                                       prepared.line.Value(kGeoTiffOption), prepared.headless,
                                       console, SitesFile(view->config));
        if (status != console::kExitNormal) return status;
        return console::FinishRun(kToolProfile, view->config, console, workingFolder)
                   ? console::kExitNormal
                   : console::kExitRefused;
    }

    const int size = view->config.windowSize;
    // The key's text is measured before the window that must hold it is made.
    plot::EnsureGuiApplication(prepared.headless.Active() ? plot::GuiPlatform::kOffscreen
                                                          : plot::GuiPlatform::kScreen);
    const int strip = AngleKeyStripPx(palette, size);
    plot::PlotWindow window(Caption(*view), kWindowLeft_px, kWindowTop_px, size + strip, size,
                            prepared.headless);
    VisibilityPlot plot(*view, window, console, strip, palette);
    window.Picture().SetTitleStrip(TitleLines(*view, "ground seen from the mast top", ""));
    plot.DrawFrame();
    plot.Sweep(loaded.heights);
    plot.ShowNoData(loaded.noData);
    char seen[96];
    std::snprintf(seen, sizeof seen,
                  loaded.noData.Any() ? "seen: %.1f %% of the disc's ground with heights"
                                      : "seen: %.1f %% of the disc",
                  100 * plot.SeenShare(loaded.noData));
    window.Picture().SetTitleStrip(
        TitleLines(*view, "ground seen from the mast top",
                   seen + (noDataShare.empty() ? "" : "   grey: " + noDataShare)));
    plot.DrawFurniture(SitesFile(view->config), true);
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
