#include "run.h"

#include "console/exit_status.h"
#include "console/prepared_run.h"
#include "console/tool_config.h"
#include "horizon_plot.h"
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
    plot.DrawFrame(loaded.heights);
    plot.Sweep(loaded.heights, loaded.noData);
    ServeClicks(plot, window, console);
    return plot::RunExitStatus(
        window, console::FinishRun(kToolProfile, view->config, console, workingFolder));
}

}  // namespace horizon
