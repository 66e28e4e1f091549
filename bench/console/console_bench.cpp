// Throughput of the console frame's heavy paths: reading a tile, assembling a two-tile area,
// drawing a terrainplot-sized map (771 x 1753 samples into an 840 x 600 window) pixel by pixel
// and straight into the image, and formatting console lines with picture masks.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <sstream>

#include "console/hgt_tile_store.h"
#include "console/palette.h"
#include "console/picture_mask.h"
#include "console/testing/test_support.h"
#include "plot/canvas.h"

namespace {

using namespace console;

struct Tiles {
    Tiles() {
        auto height = [](int r, int c) { return (r * 7 + c * 3) % 1200; };
        testing::WriteHgtTile(dir.Path(), "N54W004.hgt", height);
        testing::WriteHgtTile(dir.Path(), "N54W003.hgt", height);
    }
    testing::TempDir dir;
};

Tiles& SharedTiles() {
    static Tiles tiles;
    return tiles;
}

struct QuietConsole {
    std::istringstream in;
    std::ostringstream out;
    Console con{in, out, false};
};

void BM_LoadTile(benchmark::State& state) {
    QuietConsole q;
    HgtTileStore store(SharedTiles().dir.Folder(), q.con);
    std::string file = SharedTiles().dir.Folder() + "N54W004.hgt";
    for (auto _ : state) {
        benchmark::DoNotOptimize(store.LoadTile(file));
    }
    state.SetItemsProcessed(state.iterations() * terrain::kThreeArcSecondTile.Side() *
                            terrain::kThreeArcSecondTile.Side());
}
BENCHMARK(BM_LoadTile)->Unit(benchmark::kMillisecond);

void BM_LoadAreaTwoTiles(benchmark::State& state) {
    QuietConsole q;
    HgtTileStore store(SharedTiles().dir.Folder(), q.con, terrain::kDefaultAreaCapacity);
    for (auto _ : state) {
        auto result = store.LoadArea(-3.7, 54.2, -2.3, 54.8);
        benchmark::DoNotOptimize(result.maxHeight_m);
    }
    state.SetItemsProcessed(state.iterations() * 2 * terrain::kSamplesPerDegree *
                            terrain::kSamplesPerDegree);
}
BENCHMARK(BM_LoadAreaTwoTiles)->Unit(benchmark::kMillisecond);

// The 100 km terrainplot map at 52 N: nLat 771, nLon 1753, WindowSize 600 (840 x 600 pixels).
constexpr int kLat = 771;
constexpr int kLon = 1753;

void BM_MapWithSetPixel(benchmark::State& state) {
    Palette palette = DefaultPalette();
    HeightColourTable colours(1000);
    plot::Canvas window("bench", 840, 600);
    window.SetScale(0, kLat, 1.07 * kLon, -0.03 * kLat);
    for (auto _ : state) {
        for (int y = kLat; y >= 0; --y) {
            for (int x = 0; x <= kLon; ++x) {
                window.SetPixel(x + 0.00001, y + 0.00001, palette[colours.Entry((x + y) % 1200)]);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * (kLat + 1) * (kLon + 1));
}
BENCHMARK(BM_MapWithSetPixel)->Unit(benchmark::kMillisecond);

void BM_MapStraightIntoImage(benchmark::State& state) {
    Palette palette = DefaultPalette();
    HeightColourTable colours(1000);
    plot::Canvas window("bench", 840, 600);
    window.SetScale(0, kLat, 1.07 * kLon, -0.03 * kLat);
    window.FinishPainting();
    for (auto _ : state) {
        for (int y = kLat; y >= 0; --y) {
            std::uint32_t* line = window.ScanLine(static_cast<int>(window.PixelY(y + 0.00001)));
            if (line == nullptr) continue;
            for (int x = 0; x <= kLon; ++x) {
                int px = static_cast<int>(window.PixelX(x + 0.00001));
                Rgb c = palette[colours.Entry((x + y) % 1200)];
                line[px] = 0xFF000000u | (c.red << 16) | (c.green << 8) | c.blue;
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * (kLat + 1) * (kLon + 1));
}
BENCHMARK(BM_MapStraightIntoImage)->Unit(benchmark::kMillisecond);

// terrainplot at 10 km: 77 x 175 samples, each a filled square of about 7.8 pixels.
void BM_SampleSquares(benchmark::State& state) {
    plot::Canvas window("bench", 840, 600);
    window.SetScale(0, 77, 1.07 * 175, -0.03 * 77);
    Palette palette = DefaultPalette();
    for (auto _ : state) {
        for (int y = 77; y >= 0; --y) {
            for (int x = 0; x <= 175; ++x) {
                Rgb c = palette[(x + y) % 256];
                window.Rectangle(x + 0.00001, y + 0.00001, x + 1.005, y + 1.005, c, c);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * 78 * 176);
}
BENCHMARK(BM_SampleSquares)->Unit(benchmark::kMillisecond);

void BM_BaseLineMask(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatMask(
            "Base Lat ###.####° Long ###.####°  \\        \\  \\          \\  ####m AGL",
            {54.4542, -3.2117, std::string("IO84JL12AB"), std::string("NY2154 0722"), 971.0}));
    }
}
BENCHMARK(BM_BaseLineMask);

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
