// Conversions per second of the geodesy core, and the time of a site-file name search that
// misses in a 100,000-line file. Run: build/bench/geodesy/geodesy_bench
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "geodesy/datum_shift.h"
#include "geodesy/display_mask.h"
#include "geodesy/distance_bearing.h"
#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"
#include "geodesy/transverse_mercator.h"
#include "sitefile/site_search.h"

namespace {

using namespace geodesy;

// A spread of positions over Great Britain, so branches and caches see varied input.
std::vector<std::pair<double, double>> Positions() {
    std::vector<std::pair<double, double>> p;
    for (double lat = 50.1; lat < 58.5; lat += 0.37)
        for (double lon = -5.3; lon < 1.5; lon += 0.41) p.emplace_back(lat, lon);
    return p;
}

void BM_FormatGridRef(benchmark::State& state) {
    const auto pos = Positions();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [lat, lon] = pos[i++ % pos.size()];
        benchmark::DoNotOptimize(FormatGridRef(lat, lon, 0.001));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatGridRef);

void BM_ParseGridRef(benchmark::State& state) {
    std::vector<std::string> refs;
    for (const auto& [lat, lon] : Positions()) {
        std::string t = FormatGridRef(lat, lon, 0.001).text;
        t.erase(t.find(' '), 1);
        refs.push_back(t);
    }
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ParseGridRef(refs[i++ % refs.size()], 0.5));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseGridRef);

void BM_FormatLocator(benchmark::State& state) {
    const auto pos = Positions();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [lat, lon] = pos[i++ % pos.size()];
        benchmark::DoNotOptimize(FormatLocator(lat, lon));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatLocator);

void BM_ParseLocator(benchmark::State& state) {
    std::vector<std::string> locs;
    for (const auto& [lat, lon] : Positions()) locs.push_back(FormatLocator(lat, lon));
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(ParseLocator(locs[i++ % locs.size()]));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ParseLocator);

void BM_DistBear(benchmark::State& state) {
    const auto pos = Positions();
    const Site home{52.0, -1.0, 0.001};
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [lat, lon] = pos[i++ % pos.size()];
        benchmark::DoNotOptimize(DistBear(Site{lat, lon, 0.01}, home));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DistBear);

// The parts FormatGridRef is made of.
void BM_WGS84ToAiry(benchmark::State& state) {
    const auto pos = Positions();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [lat, lon] = pos[i++ % pos.size()];
        benchmark::DoNotOptimize(WGS84ToAiry(lat, lon));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_WGS84ToAiry);

void BM_LatLongToEastNorth(benchmark::State& state) {
    const auto pos = Positions();
    std::size_t i = 0;
    for (auto _ : state) {
        const auto& [lat, lon] = pos[i++ % pos.size()];
        benchmark::DoNotOptimize(LatLongToEastNorth(lat, lon));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LatLongToEastNorth);

void BM_EastNorthToLatLong(benchmark::State& state) {
    std::vector<EastNorth> ens;
    for (const auto& [lat, lon] : Positions()) ens.push_back(LatLongToEastNorth(lat, lon));
    std::size_t i = 0;
    for (auto _ : state) {
        const EastNorth& en = ens[i++ % ens.size()];
        benchmark::DoNotOptimize(EastNorthToLatLong(en.e_m, en.n_m));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EastNorthToLatLong);

void BM_FormatMask(benchmark::State& state) {
    double v = 469510.616;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatMask(v, "######"));
        v += 1.25;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatMask);

// 100,000 entries then the end marker; the search text occurs in none of them.
void BM_SiteSearchMiss100k(benchmark::State& state) {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "geodesy_bench_sites.dat";
    {
        std::ofstream out(path, std::ios::binary);
        char line[96];
        for (int i = 0; i < 99999; ++i) {
            std::snprintf(line, sizeof line, "Bronze Age cairn number %06d~NY%05d %05d~ADS %d\r\n",
                          i, (i * 37) % 100000, (i * 91) % 100000, 2800000 + i);
            out << line;
        }
        out << "ENDENDEND\r\n";
    }
    for (auto _ : state) {
        const sitefile::SiteSearchResult r = sitefile::FindSiteByName(path.string(), "Hill Top");
        if (r.outcome != sitefile::SiteSearchOutcome::kNotFound)
            state.SkipWithError("unexpected match");
        benchmark::DoNotOptimize(r);
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SiteSearchMiss100k)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
