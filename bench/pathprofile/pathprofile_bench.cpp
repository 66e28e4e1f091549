// A 500 km path due east from 54.5 N 7.95 W over eight generated tiles (N54W008 ... N54W001):
//  - SampleAndDraw: sampling every 20 m and drawing the whole profile, with the tiles already
//    read into memory (the first tile reads are left out);
//  - SampleFromTileFiles: sampling alone as the program does it, reading each tile file when
//    the path crosses into it (files in the page cache after the first iteration);
//  - LoadOneTile: one tile read, for comparison.
#include <benchmark/benchmark.h>

#include <QtGlobal>
#include <map>
#include <memory>
#include <sstream>
#include <string>

#include "console/console.h"
#include "console/headless.h"
#include "console/testing/test_support.h"
#include "pathprofile/one_tile_store.h"
#include "pathprofile/path_geometry.h"
#include "pathprofile/path_tiles.h"
#include "pathprofile/profile.h"
#include "pathprofile/profile_view.h"
#include "terrain/diagnostics.h"
#include "terrain/hgt_folder.h"
#include "terrain/tile_name.h"

namespace {

using namespace pathprofile;

constexpr LatLon kStart{54.5, -7.95};
constexpr double kBearing_deg = 90.0;
constexpr double kPath_km = 500.0;

struct Tiles {
    console::testing::TempDir dir;
    terrain::HgtFolder source{dir.Folder()};
    terrain::SilentDiagnostics reports;
    std::map<std::string, std::unique_ptr<OneTileStore>> loaded;
    Tiles() {
        for (int west = 8; west >= 1; --west) {
            const std::string name = "N54W00" + std::to_string(west) + ".hgt";
            console::testing::WriteHgtTile(dir.Path(), name, [west](int r, int c) {
                return (r * 7 + c * 13 + west * 101) % 900;
            });
            auto store = std::make_unique<OneTileStore>(source);
            store->Load((dir / name).string(), reports);
            loaded[name] = std::move(store);
        }
    }
};

Tiles& SharedTiles() {
    static Tiles tiles;
    return tiles;
}

void SampleAndDraw(benchmark::State& state) {
    Tiles& tiles = SharedTiles();
    console::HeadlessOptions headless;
    headless.pngFile = (tiles.dir / "bench.png").string();
    const auto ground = [&tiles](LatLon p) {
        return tiles.loaded.at(terrain::TileName(p.lat_deg, p.lon_deg))->HeightAt(p);
    };
    for (auto _ : state) {
        const EarthBulge bulge(1.3, kPath_km);
        Profile profile = SampleProfile(kStart, kBearing_deg, kPath_km, bulge, ground);
        ProfileView view("bench", std::move(profile), bulge,
                         PathSetup{kStart, kBearing_deg, 10.0, 10.0, "", std::nullopt, {}},
                         headless);
        view.Draw();
        view.Window().Picture().FinishPainting();
        benchmark::DoNotOptimize(view.Window().Picture().Image().constBits());
    }
    state.counters["samples"] = static_cast<double>(kPath_km / kSampleStep_km + 1);
}
BENCHMARK(SampleAndDraw)->Unit(benchmark::kMillisecond);

void SampleFromTileFiles(benchmark::State& state) {
    Tiles& tiles = SharedTiles();
    std::ostringstream messages;
    std::istringstream no_input;
    console::Console con(no_input, messages, false);
    for (auto _ : state) {
        PathTiles path_tiles(tiles.dir.Folder(), con);
        const EarthBulge bulge(1.3, kPath_km);
        const Profile profile = SampleProfile(kStart, kBearing_deg, kPath_km, bulge,
                                              [&path_tiles](LatLon p) { return path_tiles(p); });
        benchmark::DoNotOptimize(profile.max_sample_m);
        state.counters["tile_reads"] = path_tiles.TileLoads();
    }
}
BENCHMARK(SampleFromTileFiles)->Unit(benchmark::kMillisecond);

void LoadOneTile(benchmark::State& state) {
    Tiles& tiles = SharedTiles();
    OneTileStore store(tiles.source);
    const std::string file = (tiles.dir / "N54W004.hgt").string();
    for (auto _ : state) benchmark::DoNotOptimize(store.Load(file, tiles.reports));
}
BENCHMARK(LoadOneTile)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
