#include "run.h"

#include "console/exit_status.h"
#include "console/headless.h"
#include "console/tool_config.h"
#include "horizon_plot.h"
#include "mastview/dialogue.h"

namespace horizon {

int Run(const std::vector<std::string>& arguments, console::Console& console,
        const std::filesystem::path& workingFolder) {
    const console::HeadlessArgs args = console::TakeHeadlessArgs(arguments);
    if (!args.error.empty()) {
        console.PrintLine(args.error);
        return console::kExitUsage;
    }
    console::SetHeadless(args.options);

    std::optional<mastview::MastView> view =
        mastview::RunDialogue(kToolProfile, console, console::CommandTail(args.remaining),
                              mastview::GroundHeightFrom::kTileBuffer, workingFolder);
    if (!view) return console::kExitRefused;  // the reason has been printed
    mastview::LoadRadiusArea(view->area, *view->store, console);

    const int size = view->config.windowSize;
    console::PlotWindow window(Caption(*view), kWindowLeft_px, kWindowTop_px, WindowWidth_px(size),
                               WindowHeight_px(size));
    HorizonPlot plot(*view, window);
    plot.DrawFrame();
    plot.Sweep();
    ServeClicks(plot, window, console);
    return console::FinishRun(kToolProfile, view->config, console, workingFolder)
               ? console::kExitNormal
               : console::kExitRefused;
}

}  // namespace horizon
