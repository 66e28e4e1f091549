// horizon: the elevation angle of the horizon seen from a mast, bearing by bearing, coloured by
// the distance of the terrain that forms it.
#include <filesystem>

#include "console/console.h"
#include "console/headless.h"
#include "console/tool_config.h"
#include "horizon_plot.h"
#include "mastview/area_loader.h"
#include "mastview/dialogue.h"

int main(int argc, char** argv) {
    console::Console& con = console::Console::Standard();
    const console::HeadlessArgs args = console::TakeHeadlessArgs(argc, argv);
    if (!args.error.empty()) {
        con.PrintLine(args.error);
        return 2;
    }
    console::SetHeadless(args.options);

    std::optional<mastview::MastView> view = mastview::RunDialogue(
        console::ConsoleTool::kHorizon, con, console::CommandTail(args.remaining),
        mastview::GroundHeightFrom::kTileBuffer, std::filesystem::current_path());
    if (!view) return 0;  // the reason has been printed
    mastview::LoadPlotArea(view->area, *view->store, con);

    const int size = view->config.windowSize;
    console::PlotWindow window(horizon::Caption(*view), horizon::kWindowLeft_px,
                               horizon::kWindowTop_px, horizon::WindowWidth_px(size),
                               horizon::WindowHeight_px(size));
    horizon::HorizonPlot plot(*view, window);
    plot.DrawFrame();
    plot.Sweep();
    horizon::ServeClicks(plot, window, con);
    return console::FinishRun(console::ConsoleTool::kHorizon, view->config, con) ? 0 : 1;
}
