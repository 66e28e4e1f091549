// The sweep and drawing of visplot and horizon (everything after the area is loaded), on rolling
// generated terrain round Scafell Pike with a 10 m mast: at 80 km and at the largest radius the
// area grid allows there.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <memory>
#include <sstream>

#include "console/console.h"
#include "console/hgt_tile_store.h"
#include "horizon/horizon_plot.h"
#include "mastview/area_loader.h"
#include "mastview/dialogue.h"
#include "mastview/radius_area.h"
#include "plot/plot_window.h"
#include "visplot/visibility_plot.h"

namespace {

constexpr double kLat = 54.4542, kLon = -3.2117;

std::istringstream input;
std::ostringstream output;
console::Console con(input, output, false);

// A view of radius rd_km whose area grid holds hills up to 900 m on a few km wavelength.
std::unique_ptr<mastview::MastView> MakeView(double rd_km) {
    auto view = std::make_unique<mastview::MastView>();
    view->area = *mastview::MakeRadiusArea(kLat, kLon, rd_km).area;
    view->centre.text = "Bench";
    view->centre.latitude_deg = kLat;
    view->centre.longitude_deg = kLon;
    view->mast_m = 10;
    view->ground_m = 450;
    view->store = std::make_unique<console::HgtTileStore>("", con, mastview::kAreaCapacity,
                                                          mastview::kTileDecoding);
    terrain::AreaGrid& grid = view->store->Area();
    const mastview::RadiusArea& a = view->area;
    for (int y = 0; y <= a.nLat; ++y)
        for (int x = 0; x <= a.nLon; ++x)
            grid.Set(x + a.x0, y + a.y0,
                     static_cast<int>(450 + 250 * std::sin(x / 70.0) + 200 * std::cos(y / 45.0)));
    return view;
}

void VisplotSweep(benchmark::State& state, double rd_km) {
    const auto view = MakeView(rd_km);
    plot::PlotWindow window("bench", 0, 0, 600, 600);
    visplot::VisibilityPlot plot(*view, window, con);
    plot.DrawFrame();
    // The heights are copied out of the grid in every round, as the tile loading fills them.
    for (auto _ : state)
        plot.Sweep(mastview::PlotHeightsFrom(mastview::SweepSetupFor(*view), view->store->Area()));
    state.counters["radius_km"] = rd_km;
    state.counters["samples"] = 2 * M_PI * (rd_km / 0.08) * (rd_km / 0.08);
}

void HorizonSweep(benchmark::State& state, double rd_km) {
    const auto view = MakeView(rd_km);
    plot::PlotWindow window("bench", 0, 0, 840, 400);
    horizon::HorizonPlot plot(*view, window);
    const mastview::SweepSetup setup = mastview::SweepSetupFor(*view);
    // The heights are copied out of the grid in every round, as the tile loading fills them;
    // the generated tiles have no samples without data. Each round sweeps and draws the chart.
    const terrain::NoDataMask noData{0, 0};
    for (auto _ : state) {
        const horizon::HorizonSweep sweep = horizon::SweepHorizons(
            setup, mastview::PlotHeightsFrom(setup, view->store->Area()), noData, [](int) {});
        plot.Draw(sweep, {});
    }
    state.counters["radius_km"] = rd_km;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const double largest = mastview::LargestRadius_km(kLat, kLon);
    benchmark::RegisterBenchmark("VisplotSweep/80km", VisplotSweep, 80.0)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("VisplotSweep/largest", VisplotSweep, largest)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("HorizonSweep/80km", HorizonSweep, 80.0)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("HorizonSweep/largest", HorizonSweep, largest)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
