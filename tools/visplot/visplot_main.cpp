// visplot: the terrain that can be seen from the top of a mast at a site.
#include <filesystem>

#include "console/console.h"
#include "console/headless.h"
#include "console/plot_controls.h"
#include "console/tool_config.h"
#include "mastview/area_loader.h"
#include "mastview/dialogue.h"
#include "visibility_plot.h"

int main(int argc, char** argv) {
    console::Console& con = console::Console::Standard();
    const console::HeadlessArgs args = console::TakeHeadlessArgs(argc, argv);
    if (!args.error.empty()) {
        con.PrintLine(args.error);
        return 2;
    }
    console::SetHeadless(args.options);

    std::optional<mastview::MastView> view = mastview::RunDialogue(
        console::ConsoleTool::kVisPlot, con, console::CommandTail(args.remaining),
        mastview::GroundHeightFrom::kTileFile, std::filesystem::current_path());
    if (!view) return 0;  // the reason has been printed
    mastview::LoadPlotArea(view->area, *view->store, con);

    const int size = view->config.windowSize;
    console::PlotWindow window(visplot::Caption(*view), visplot::kWindowLeft_px,
                               visplot::kWindowTop_px, size, size);
    visplot::VisibilityPlot plot(*view, window, con);
    plot.DrawFrame();
    plot.Sweep();
    console::WaitForUser(window, con, view->area.nLon, view->area.nLat,
                         [&](const console::Click& click) { plot.OnClick(click); });
    return console::FinishRun(console::ConsoleTool::kVisPlot, view->config, con) ? 0 : 1;
}
