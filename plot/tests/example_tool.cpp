// A tiny drawing tool built only from the console frame and the plot window, as the tools use
// them: start-up dialogue, position entry, base-position line, tile loading, a height map with
// legend and Exit control in the plot window, the wait for the user, and the configuration
// written back. The tests drive it headless.
#include "console/command_line.h"
#include "console/console_constants.h"
#include "console/exit_status.h"
#include "console/hgt_tile_store.h"
#include "console/numbers.h"
#include "console/palette.h"
#include "console/picture_mask.h"
#include "console/position_entry.h"
#include "console/prepared_run.h"
#include "console/tool_config.h"
#include "plot/plot_controls.h"
#include "plot/plot_window.h"

namespace {
constexpr console::ToolProfile kProfile{
    .banner = "Terrain Plot   Orvel July 2018",
    .configFile = console::ConfigFile::kBrelland,
    .palette = console::PaletteUse::kColourMap,
};
// No options of its own: the frame's configuration answers and headless flags.
constexpr console::ToolDescription kDescription{
    .program = "console_example_tool",
    .arguments = "[SITE][/PALETTE]",
    .summary = "Draw a small height map round a site.",
    .questions = "SITE                  Centre of plot, Site Name / Location",
    .files = "Brelland.ini        in the working folder",
    .examples = "console_example_tool Skiddaw",
};
}  // namespace

int main(int argc, char** argv) {
    using namespace console;
    Console& con = Console::Standard();
    const PreparedRun prepared = PrepareRun(Arguments(argc, argv), kDescription, con);
    if (prepared.exitNow) return *prepared.exitNow;

    auto start = StartUp(kProfile, con, prepared.commandTail);
    if (!start) return kExitRefused;
    std::string text = start->askPosition ? AskPosition(con, kCentrePrompt) : start->siteText;
    if (text.empty()) return kExitRefused;
    ConsolePosition centre = ResolvePosition(text, start->config.sitesPath, con);
    if (centre.siteFileMissing) return kExitRefused;
    if (!centre.found) {
        con.PrintLine("Site not found");
        return kExitRefused;
    }

    HgtTileStore store(start->config.heightPath, con, kProfile.area, kProfile.tileDecoding);
    std::int32_t ground = 0;
    store.PointHeight(centre.latitude_deg, centre.longitude_deg, ground);
    PrintBasePositionLine(
        con, centre.latitude_deg, centre.longitude_deg,
        geodesy::FormatLocatorRounded({centre.latitude_deg, centre.longitude_deg}),
        geodesy::FormatGridRef10m({centre.latitude_deg, centre.longitude_deg}), ground);

    // A square of 100 x 100 samples round the centre.
    const int n = 100;
    double half = n / 2.0 / kSamplesPerDegree;
    terrain::AreaLoadResult area =
        store.LoadArea(centre.longitude_deg - half, centre.latitude_deg - half,
                       centre.longitude_deg + half, centre.latitude_deg + half);
    if (area.Refused()) return kExitRefused;
    con.PrintLine(FormatMask("Max height ####m", {static_cast<double>(area.maxHeight_m)}));
    std::int32_t maxPlot =
        RoundToInt(LeadingNumber(con.Ask("Maximum Height to be plotted                   ")));
    if (maxPlot < 1) maxPlot = area.maxHeight_m < 2 ? 2 : area.maxHeight_m;

    int height_px = start->config.windowSize;
    plot::PlotWindow window("Example, centred on " + centre.text, 100, 0,
                            RoundToInt(kPlotAspect * height_px), height_px, prepared.headless);
    plot::Canvas& canvas = window.Picture();
    canvas.SetScale(0, n, 1.07 * n, -0.03 * n);
    plot::DrawExitControl(window, n, n);
    window.Show();
    HeightColourTable colours(maxPlot);
    for (int y = n; y >= 0; --y) {
        for (int x = 0; x <= n; ++x) {
            Rgb c = start->palette[colours.Entry(store.Area().At(x + area.x0, y + area.y0))];
            canvas.Rectangle(x, y, x + 1.005, y + 1.005, c, c);
        }
    }
    // The key after the map: on a small window it reaches over the map's edge.
    plot::DrawColourLegend(canvas, start->palette, n, n, maxPlot);
    window.Repaint();

    plot::WaitForUser(window, con, n, n, [&](const plot::Click& click) {
        canvas.SetPosition(0.01 * n, -0.005 * n);
        canvas.SetTextColour(kPureBlue);
        canvas.SetTextBackground(kWhite);
        canvas.PrintLine(FormatMask("click ###.# ###.#", {click.x, click.y}));
        con.PrintLine(FormatMask("Clicked ###.# ###.#", {click.x, click.y}));
    });
    return FinishRun(kProfile, start->config, con) ? kExitNormal : kExitRefused;
}
