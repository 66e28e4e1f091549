#include "run.h"

#include "console/exit_status.h"
#include "console/file_names.h"
#include "console/prepared_run.h"
#include "console/tool_config.h"
#include "horizon_csv.h"
#include "horizon_plot.h"
#include "horizon_rays.h"
#include "horizon_sites.h"
#include "mastview/area_loader.h"
#include "mastview/dialogue.h"
#include "tool_options.h"

namespace horizon {

int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder) {
    const console::PreparedRun prepared = console::PrepareRun(arguments, kDescription, console);
    if (prepared.exitNow) return *prepared.exitNow;

    std::optional<mastview::MastView> view =
        mastview::RunDialogue(kToolProfile, console, prepared.commandTail,
                              mastview::GroundHeightFrom::kTileBuffer, workingFolder);
    if (!view) return console::kExitRefused;  // the reason has been printed
    const mastview::RadiusHeights loaded =
        mastview::LoadRadiusArea(view->area, *view->store, console);
    if (mastview::RefuseWithoutHeights(view->area, loaded, view->config.heightPath, console))
        return console::kExitRefused;
    mastview::PrintNoDataShare(view->area, loaded, console);

    const int size = view->config.windowSize;
    plot::PlotWindow window(Caption(*view), kWindowLeft_px, kWindowTop_px, WindowWidth_px(size),
                            WindowHeight_px(size), prepared.headless);
    HorizonPlot plot(*view, window);
    plot.ShowWindow();
    const mastview::SweepSetup setup = mastview::SweepSetupFor(*view);
    const HorizonSweep sweep =
        SweepHorizons(setup, loaded.heights, loaded.noData, [&](int) { window.Repaint(); });
    std::vector<ChartSite> sites =
        SitesWithin(view->config.sitesPath + "SITES.DAT", view->area, setup);
    JudgeSites(sites, sweep, setup, loaded.heights);
    plot.Draw(sweep, sites);
    if (const std::optional<std::string> csv = prepared.line.Value(kCsvOption)) {
        if (!console::WriteFileAtomically(*csv, HorizonCsv(sweep))) {
            console.PrintError("Cannot write " + *csv + "\n");
            return console::kExitRefused;
        }
    }
    ServeClicks(plot, window, console);
    return plot::RunExitStatus(
        window, console::FinishRun(kToolProfile, view->config, console, workingFolder));
}

}  // namespace horizon
