// terrainplot run as a whole program on generated tiles, with scripted answers, headless.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "console/console_constants.h"
#include "console/georeference.h"
#include "console/georeference_files.h"
#include "console/palette.h"
#include "console/position_entry.h"
#include "console/testing/test_support.h"
#include "plot/canvas.h"
#include "plot/map_furniture.h"
#include "plot/no_data.h"
#include "plot/plot_controls.h"
#include "plot/testing/png_reading.h"
#include "terrainmap/map_dialogue.h"
#include "terrainmap/map_rectangle.h"
#include "terrainplot/terrain_map.h"
#include "testing/gdal_raster.h"
#include "testing/real_data.h"

namespace terrainplot {
namespace {

namespace ct = console::testing;
namespace pt = plot::testing;
namespace fs = std::filesystem;
using console::Rgb;
using gdalread::GdalRaster;
using gdalread::ReadGdalRaster;

// Blocky terrain, continuous across tiles: 100 m steps every 120 samples eastwards and 1000 m
// steps every 400 samples northwards (0 … 2900 m), plus one 2950 m spike at 54.5° N 2.5° W.
int BlockHeight(long absColumn, long absRow) {
    return static_cast<int>(100 * ((absColumn / 120) % 10) + 1000 * ((absRow / 400) % 3));
}
ct::HeightFunction BlockTile(int lat, int lon) {
    return [lat, lon](int row, int column) {
        if (lat == 54 && lon == -3 && row == 600 && column == 600) return 2950;
        return BlockHeight((lon + 180) * 1200L + column, lat * 1200L + (1200 - row));
    };
}
// The block height at a position, and whether it is safely inside its block (2 samples away).
struct Expected {
    int height = 0;
    bool clear = false;
};
Expected BlockAt(double lat, double lon) {
    const double c = (lon + 180) * 1200, s = lat * 1200;
    const long ci = static_cast<long>(std::floor(c)), si = static_cast<long>(std::floor(s));
    const bool clear = ci % 120 >= 2 && ci % 120 <= 117 && si % 400 >= 2 && si % 400 <= 397;
    return {BlockHeight(ci, si), clear};
}

// IO84VK: padded to IO84VK44LL, the corner at 54.4352° N 2.2128° W.
constexpr char kCentre[] = "IO84VK";

class TerrainPlotRun : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(tiles_);
        fs::create_directories(sites_);
        fs::create_directories(work_);
        for (int lon : {-3, -2}) {
            const std::string name = "N54W00" + std::to_string(-lon) + ".hgt";
            ct::WriteHgtTile(tiles_, name, BlockTile(54, lon));
        }
        ct::WriteSitesFile(
            sites_, {"Test Centre~" + std::string(kCentre),
                     "Block Top~" + geodesy::FormatLocatorRounded({54.4, -2.3}), "ENDENDEND"});
    }
    std::string TilesFolder() const { return tiles_.string() + "/"; }
    std::string SitesFolder() const { return sites_.string() + "/"; }
    void WriteConfig(const std::string& palette = "") {
        ct::WriteTextFile(work_, "Brelland.ini", {TilesFolder(), SitesFolder(), "600", palette});
    }
    ct::RunResult Run(const std::vector<std::string>& args, const std::string& input) {
        return ct::RunProgram(TOOL_PROGRAM, args, input, work_);
    }
    std::string Png() const { return (dir_.Path() / "plot.png").string(); }
    // The map rectangle of a plot `km` high round kCentre, as the tool works it out.
    static terrainmap::MapRectangle AreaAround(double km, int samplesPerDegree = 1200) {
        const geodesy::LatLon c = geodesy::ParseLocatorCorner(kCentre);
        return terrainmap::MapRectangleAround(c.lat_deg, c.lon_deg, terrainmap::HeightExtentKm(km),
                                              samplesPerDegree);
    }
    // The pixel of plot point (x, y) in a window like the tool's.
    std::pair<int, int> PixelOf(const terrainmap::MapRectangle& area, double x, double y) {
        plot::Canvas w("probe", 840, 600);
        terrainmap::SetPlotScale(w, area);
        return {static_cast<int>(std::floor(w.PixelX(x))),
                static_cast<int>(std::floor(w.PixelY(y)))};
    }
    // The title strip's rows above the plot in the PNG.
    int Strip() const { return pt::PngSize(Png()).second - 600; }
    // The PNG's pixel at plot pixel p (PixelOf), below the title strip.
    pt::PixelResult PngAt(std::pair<int, int> p) const {
        return pt::PngPixel(Png(), p.first, p.second + Strip());
    }
    // Whether plot pixel p lies under the map's furniture (legend, scale bar, north arrow, site
    // squares and names, centre marker) in a 600-pixel window: the furniture drawn again on a
    // canvas of a colour the tool never draws.
    bool UnderFurniture(const terrainmap::MapRectangle& area, int maxPlot, std::pair<int, int> p) {
        constexpr Rgb kSentinel{255, 0, 254};
        if (!furniture_ || furnitureMax_ != maxPlot || furnitureRows_ != area.nLat) {
            furniture_ = std::make_unique<plot::Canvas>("furniture", 840, 600, kSentinel);
            terrainmap::SetPlotScale(*furniture_, area);
            std::vector<plot::PixelBox> plates = DrawScaleAndNorth(*furniture_, area);
            plates.push_back(plot::DrawColourLegend(*furniture_, console::DefaultPalette(),
                                                    area.nLon, area.nLat, maxPlot));
            DrawSiteMarkers(*furniture_, area, (sites_ / "SITES.DAT").string(), plates);
            DrawCentreMarker(*furniture_, area);
            furniture_->FinishPainting();
            furnitureMax_ = maxPlot;
            furnitureRows_ = area.nLat;
        }
        const QRgb v = furniture_->Image().pixel(p.first, p.second);
        return (v & 0xFFFFFF) != (qRgb(255, 0, 254) & 0xFFFFFF);
    }
    // Checks the map's colours at a spread of samples whose block is unambiguous.
    void CheckMapColours(const terrainmap::MapRectangle& area, int maxPlot,
                         const console::Palette& palette) {
        int checked = 0;
        for (int ys = 5; ys < area.nLat; ys += area.nLat / 7 + 1) {
            for (int xs = 5; xs < area.nLon; xs += area.nLon / 9 + 1) {
                const double lat = area.south + (ys + 0.5) / area.samplesPerDegree;
                const double lon = area.west + (xs + 0.5) / area.samplesPerDegree;
                const Expected e = BlockAt(lat, lon);
                if (!e.clear) continue;
                const auto [px, py] = PixelOf(area, xs + 0.5, ys + 0.5);
                if (UnderFurniture(area, maxPlot, {px, py})) continue;
                const pt::PixelResult got = PngAt({px, py});
                SCOPED_TRACE(testing::Message() << "sample " << xs << "," << ys << " height "
                                                << e.height << " pixel " << px << "," << py);
                ASSERT_TRUE(got.ok);
                EXPECT_EQ(got.colour, palette[console::HeightToColour(e.height, maxPlot)]);
                ++checked;
            }
        }
        EXPECT_GT(checked, 20);
    }
    std::unique_ptr<plot::Canvas> furniture_;
    int furnitureMax_ = 0, furnitureRows_ = 0;
    ct::TempDir dir_;
    fs::path tiles_ = dir_ / "tiles";
    fs::path sites_ = dir_ / "sites";
    fs::path work_ = dir_ / "work";
};

TEST_F(TerrainPlotRun, FirstRunAsksPathsDrawsAndStoresTheConfiguration) {
    // No Brelland.ini: the three path prompts, then the centre, the width and the maximum.
    const std::string input =
        TilesFolder() + "\n" + SitesFolder() + "\n\n" + kCentre + "\n100\n3000\n";
    const ct::RunResult r = Run({"--png", Png()}, input);
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("Terrain Plot   Orvel July 2018"), std::string::npos);
    EXPECT_NE(r.output.find("Plot Width, km      [100]                      "), std::string::npos);
    EXPECT_NE(r.output.find("Loading Height data from SRTM files"), std::string::npos);
    // The spike is the highest sample of the loaded tiles.
    const std::string maxLine = "Max height 2950m found at  Loc " +
                                geodesy::FormatLocatorRounded({54.5, -2.5}) + "   NGR " +
                                geodesy::FormatGridRef10m({54.5, -2.5});
    EXPECT_NE(r.output.find(maxLine), std::string::npos) << r.output;
    EXPECT_NE(r.output.find("Maximum Height to be plotted                   "), std::string::npos);

    // The configuration written back: both paths, 600 and the emptied default palette name.
    EXPECT_EQ(ct::ReadFile(work_ / "Brelland.INI"),
              TilesFolder() + "\r\n" + SitesFolder() + "\r\n600\r\n\r\n");

    // 100 km at 54.4°: 771 rows of less than a pixel each, written straight into the image,
    // below the title strip.
    EXPECT_EQ(pt::PngSize(Png()).first, 840);
    EXPECT_GT(Strip(), 20);
    const terrainmap::MapRectangle area = AreaAround(100);
    EXPECT_EQ(area.nLat, 771);
    CheckMapColours(area, 3000, console::DefaultPalette());
    // A saved picture has no Exit box: its place in the top right corner is left white.
    const auto [ex, ey] = PixelOf(area, 1.035 * area.nLon, 0.985 * area.nLat);
    EXPECT_EQ(PngAt({ex, ey}).colour, console::kWhite);
}

TEST_F(TerrainPlotRun, SmallPlotDrawsSquaresAndHoldsHeightsAboveTheMaximum) {
    WriteConfig();
    // 10 km: 77 rows, each sample a square of about 7.8 pixels. Maximum 500 with ground to
    // 2900 m: everything from 500 m up is entry 255.
    const ct::RunResult r = Run({"--png", Png(), kCentre}, "10\n500\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const terrainmap::MapRectangle area = AreaAround(10);
    ASSERT_EQ(area.nLat, 77);
    CheckMapColours(area, 500, console::DefaultPalette());
    EXPECT_EQ(console::HeightToColour(2900, 500), 255);
    // The centre marker: black, white and black rings round the centre's pixel.
    auto [mx, my] = PixelOf(area, area.nLon / 2.0, area.nLat / 2.0);
    const int s = plot::CentreMarkerHalfPx(plot::Canvas("probe", 840, 600));
    EXPECT_EQ(PngAt({mx - s, my}).colour, plot::kMapInk);
    EXPECT_EQ(PngAt({mx - s + 1, my}).colour, console::kWhite);
    EXPECT_EQ(PngAt({mx - s + 3, my}).colour, plot::kMapInk);
}

// The title strip above the map: the lines the tool's title gives, the centre named in them.
TEST_F(TerrainPlotRun, TitleStripNamesTheCentreAndTheParameters) {
    WriteConfig();
    const ct::RunResult r = Run({"--png", Png(), "Test Centre"}, "10\n500\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const geodesy::LatLon c = geodesy::ParseLocatorCorner(kCentre);
    console::ConsolePosition centre;
    centre.text = "Test Centre";
    centre.latitude_deg = c.lat_deg;
    centre.longitude_deg = c.lon_deg;
    const std::vector<std::string> lines =
        terrainmap::MapTitle("terrainplot: height map", centre, "x");
    EXPECT_EQ(lines[0].find("terrainplot: height map round Test Centre  "), 0u) << lines[0];
    // The PNG is the plot and a strip as tall as those lines (with the parameters) make it.
    plot::Canvas probe("probe", 840, 600);
    probe.SetTitleStrip({lines[0], "Width 10 km x 7.14 km   colours 0 to 500 m (highest 2950 m)"});
    EXPECT_EQ(pt::PngSize(Png()), std::make_pair(840, 600 + probe.TitleStripHeightPx()));
    // Its rows hold dark text on the strip's light grey.
    const QImage img(QString::fromStdString(Png()));
    int dark = 0;
    for (int y = 0; y < Strip(); ++y)
        for (int x = 0; x < 840; ++x) dark += (img.pixel(x, y) & 0xFFFFFF) == 0;
    EXPECT_GT(dark, 200);
}

// Hillshading changes the land's colours, never the sea's or those of missing data.
TEST_F(TerrainPlotRun, ShadeChangesTheLandButNotTheSea) {
    // Sea (0 m) west of column 900 of N54W003, rough hills east of it.
    const auto coast = [](int row, int column) {
        return column < 900 ? 0 : 200 + (row * 7 + column * 13) % 97;
    };
    ct::WriteHgtTile(tiles_, "N54W003.hgt", coast);
    ct::WriteHgtTile(tiles_, "N54W002.hgt",
                     [](int row, int column) { return 200 + (row * 7 + column * 13) % 97; });
    WriteConfig();
    ASSERT_EQ(Run({"--png", Png(), kCentre}, "20\n3000\n").exitCode, 0);
    const QImage flat(QString::fromStdString(Png()));
    const ct::RunResult r = Run({"--png", Png(), "--shade", kCentre}, "20\n3000\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const QImage shaded(QString::fromStdString(Png()));
    ASSERT_EQ(flat.size(), shaded.size());
    const terrainmap::MapRectangle area = AreaAround(20);
    const int strip = Strip();
    plot::Canvas probe("probe", 840, 600);
    terrainmap::SetPlotScale(probe, area);
    int land = 0, changed = 0, sea = 0;
    for (int ys = 1; ys < area.nLat; ys += 3)
        for (int xs = 1; xs < area.nLon; xs += 3) {
            const int px = probe.PixelColumn(xs + 0.5), py = probe.PixelRow(ys + 0.5);
            if (UnderFurniture(area, 3000, {px, py})) continue;
            const double lon = area.west + (xs + 0.5) / area.samplesPerDegree;
            const double column = (lon + 3) * 1200;
            if (std::fabs(column - 900) < 3) continue;  // the coast itself
            const int h = column < 900 ? 0 : 1;
            const bool differs = flat.pixel(px, py + strip) != shaded.pixel(px, py + strip);
            if (h == 0) {
                ++sea;
                EXPECT_FALSE(differs) << "sea sample " << xs << "," << ys;
            } else {
                ++land;
                changed += differs ? 1 : 0;
            }
        }
    EXPECT_GT(sea, 50);
    EXPECT_GT(land, 50);
    EXPECT_GT(changed, land / 2);
}

TEST_F(TerrainPlotRun, NoHeightDataIsARefusedRun) {
    fs::remove_all(tiles_);
    fs::create_directories(tiles_);
    WriteConfig();
    const std::string config = ct::ReadFile(work_ / "Brelland.ini");
    const ct::RunResult r = Run({"--png", Png(), kCentre}, "10\n500\n");
    EXPECT_EQ(r.exitCode, 1) << r.output;
    // The folder and the tiles looked for are named.
    EXPECT_NE(
        r.output.find("No height data for this area: none of N54W003.hgt in " + TilesFolder()),
        std::string::npos)
        << r.output;
    EXPECT_FALSE(fs::exists(Png()));
    EXPECT_EQ(ct::ReadFile(work_ / "Brelland.ini"), config);

    // On a first run the folder typed is not stored either.
    fs::remove(work_ / "Brelland.ini");
    const ct::RunResult first = Run({"--heights", TilesFolder(), "--sites", SitesFolder(),
                                     "--window", "600", "--png", Png(), kCentre},
                                    "10\n500\n");
    EXPECT_EQ(first.exitCode, 1) << first.output;
    EXPECT_FALSE(fs::exists(work_ / "Brelland.ini"));
    EXPECT_FALSE(fs::exists(Png()));
}

// The plot round a centre typed as a latitude/longitude, 10 km high, reaching east over the
// 2° W meridian into N54W002, which is missing here.
class MissingTilePlot : public TerrainPlotRun {
  protected:
    static constexpr double kLat = 54.43, kLon = -2.02;
    void SetUp() override {
        TerrainPlotRun::SetUp();
        fs::remove(tiles_ / "N54W002.hgt");
        WriteConfig();
    }
    static terrainmap::MapRectangle Area() {
        return terrainmap::MapRectangleAround(kLat, kLon, terrainmap::HeightExtentKm(10));
    }
    // The first plot column of the missing tile: plot column x reads the sample of its tile row
    // nearest to it, so the column of 2° W itself (rounded to the nearest sample) still reads
    // N54W003's eastern edge, the next one N54W002's first column.
    static int FirstMissingColumn(const terrainmap::MapRectangle& area) {
        const double tileWest = std::floor(area.west);  // the western tile's edge, 3° W
        const long x0 = std::lround((area.west - tileWest) * area.samplesPerDegree);
        const long edge = std::lround((-2.0 - tileWest) * area.samplesPerDegree);  // 2° W
        return static_cast<int>(edge + 1 - x0);
    }
};

TEST_F(MissingTilePlot, NoDataIsGreyWhereTheTileIsMissingAndNowhereElse) {
    const ct::RunResult r = Run({"--png", Png(), "54.43 -2.02"}, "10\n3000\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const terrainmap::MapRectangle area = Area();
    const int firstMissing = FirstMissingColumn(area);
    ASSERT_GT(firstMissing, 10);
    ASSERT_LT(firstMissing, area.nLon - 10);

    // The share printed is that of the missing tile's columns.
    const double share = double(area.nLon + 1 - firstMissing) / (area.nLon + 1);
    char expected[64];
    std::snprintf(expected, sizeof expected, "%.1f %% of the plot has no height data", 100 * share);
    EXPECT_NE(r.output.find(expected), std::string::npos) << r.output;

    // Every sample of the missing tile is grey; west of it the block colours are as ever.
    for (int ys = 3; ys < area.nLat; ys += 9) {
        for (int xs = 2; xs < area.nLon; xs += 7) {
            if (xs == firstMissing - 1 || xs == firstMissing) continue;  // the shared edge
            const auto [px, py] = PixelOf(area, xs + 0.5, ys + 0.5);
            if (UnderFurniture(area, 3000, {px, py})) continue;
            const pt::PixelResult got = PngAt({px, py});
            ASSERT_TRUE(got.ok);
            SCOPED_TRACE(testing::Message() << "sample " << xs << "," << ys);
            if (xs > firstMissing)
                EXPECT_EQ(got.colour, plot::kNoDataColour);
            else
                EXPECT_NE(got.colour, plot::kNoDataColour);
        }
    }
    // Nothing outside the map (legend, Exit box, strips) is grey: the grey pixels fill just the
    // missing tile's part of the map.
    const auto [left, top] = PixelOf(area, firstMissing, area.nLat + 1);
    const auto [right, bottom] = PixelOf(area, area.nLon + 1, 0);
    const int greyArea = (right - left + 1) * (bottom - top + 1);
    const int grey = pt::CountPngPixels(Png(), plot::kNoDataColour);
    EXPECT_GT(grey, greyArea * 9 / 10);
    EXPECT_LT(grey, greyArea * 11 / 10);
}

TEST_F(MissingTilePlot, CompleteHeightsPrintNoShare) {
    ct::WriteHgtTile(tiles_, "N54W002.hgt", BlockTile(54, -2));
    const ct::RunResult r = Run({"--png", Png(), "54.43 -2.02"}, "10\n3000\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_EQ(r.output.find("has no height data"), std::string::npos) << r.output;
    // No grey in the plot (the title strip's rule above it is not the map's).
    const QImage img(QString::fromStdString(Png()));
    int grey = 0;
    for (int y = Strip(); y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            grey += (img.pixel(x, y) & 0xFFFFFF) == (qRgb(0x80, 0x80, 0x80) & 0xFFFFFF);
    EXPECT_EQ(grey, 0);
}

// Each form of latitude/longitude gives the same centre, and so the same map (the title strip
// names the centre as it was typed).
TEST_F(MissingTilePlot, EveryLatitudeLongitudeFormIsTheSameCentre) {
    const ct::RunResult decimal = Run({"--png", Png(), "54.43 -2.02"}, "10\n3000\n");
    ASSERT_EQ(decimal.exitCode, 0) << decimal.output;
    const auto plotOf = [&] {
        const QImage img(QString::fromStdString(Png()));
        return img.copy(0, img.height() - 600, img.width(), 600);
    };
    const QImage basePicture = plotOf();
    for (const char* text : {"54.43N 2.02W", "54 25 48N 2 1 12W"}) {
        SCOPED_TRACE(text);
        const ct::RunResult r = Run({"--png", Png(), text}, "10\n3000\n");
        ASSERT_EQ(r.exitCode, 0) << r.output;
        const std::size_t base = r.output.find("Base Lat  54.4300");
        ASSERT_NE(base, std::string::npos) << r.output;
        EXPECT_NE(r.output.find("Long  -2.0200", base), std::string::npos) << r.output;
        EXPECT_TRUE(plotOf() == basePicture);
    }
}

// The heights written as GeoTIFF and read back through GDAL: size, place, coordinate system,
// no-data value and values on both sides of the missing tile's edge.
TEST_F(MissingTilePlot, GeoTiffHoldsTheHeightsAndNoData) {
    const std::string tif = (dir_.Path() / "heights.tif").string();
    const ct::RunResult r = Run({"--png", Png(), "--geotiff", tif, "54.43 -2.02"}, "10\n3000\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const terrainmap::MapRectangle area = Area();
    const GdalRaster raster = ReadGdalRaster(tif);
    ASSERT_TRUE(raster.opened);
    EXPECT_EQ(raster.columns, area.nLon + 1);
    EXPECT_EQ(raster.rows, area.nLat + 1);
    const double step = 1.0 / 1200;
    EXPECT_NEAR(raster.transform[0], area.west - step / 2, 1e-9);
    EXPECT_NEAR(raster.transform[1], step, 1e-12);
    EXPECT_EQ(raster.transform[2], 0);
    EXPECT_NEAR(raster.transform[3], area.south + area.nLat * step + step / 2, 1e-9);
    EXPECT_EQ(raster.transform[4], 0);
    EXPECT_NEAR(raster.transform[5], -step, 1e-12);
    EXPECT_EQ(raster.epsg, "4326");
    ASSERT_TRUE(raster.noData.has_value());
    EXPECT_EQ(*raster.noData, -32768.0);
    // Sample (5, 20) lies in N54W003: its block height. A sample of the missing tile: no data.
    const int row = area.nLat - 20;
    const double lat = area.south + 20 * step, lon = area.west + 5 * step;
    EXPECT_EQ(raster.At(5, row),
              BlockHeight(std::lround((lon + 180) * 1200), std::lround(lat * 1200)));
    EXPECT_EQ(raster.At(area.nLon - 3, row), -32768.0f);
    // No temporary file is left beside it.
    int files = 0;
    for (const auto& entry : fs::directory_iterator(dir_.Path()))
        files += entry.path().string().find("heights.tif") != std::string::npos ? 1 : 0;
    EXPECT_EQ(files, 1);
}

TEST_F(MissingTilePlot, UnwritableGeoTiffIsARefusedRun) {
    const std::string tif = (dir_.Path() / "no-such-folder" / "heights.tif").string();
    const ct::RunResult r = Run({"--png", Png(), "--geotiff", tif, "54.43 -2.02"}, "10\n3000\n");
    EXPECT_EQ(r.exitCode, 1) << r.output;
    EXPECT_NE(r.errors.find("Cannot write " + tif), std::string::npos) << r.errors;
    EXPECT_FALSE(fs::exists(tif));
}

TEST_F(TerrainPlotRun, PaletteFromTheCommandLineIsUsedAndStored) {
    WriteConfig("Old.PAL");
    std::vector<std::string> lines;
    for (int i = 0; i < 256; ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "COLOR%d=&h0000%02X", i, i);
        lines.push_back(line);
    }
    ct::WriteTextFile(work_, "Hills.pal", lines);  // entry i: red i, no green, no blue
    const ct::RunResult r = Run({"--png", Png(), std::string(kCentre) + "/Hills"}, "10\n3000\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_NE(r.output.find("Colour Palette  Hills.PAL"), std::string::npos) << r.output;
    console::Palette reds;
    for (int i = 0; i < 256; ++i) reds[i] = Rgb{static_cast<std::uint8_t>(i), 0, 0};
    CheckMapColours(AreaAround(10), 3000, reds);
    const std::string stored = ct::ReadFile(work_ / "Brelland.ini");
    EXPECT_NE(stored.find("\r\nHills.PAL\r\n"), std::string::npos) << stored;
}

TEST_F(TerrainPlotRun, ClicksDrawTheReadoutAndTheNearestSiteLabel) {
    WriteConfig();
    const terrainmap::MapRectangle area = AreaAround(20);
    // A click below the map is a point south of the rectangle and answered like any other.
    const std::string click = std::to_string(area.nLon / 3) + "," + std::to_string(-area.nLat / 50);
    const std::string dclick = std::to_string(area.nLon / 4) + "," + std::to_string(area.nLat / 3);
    const ct::RunResult r =
        Run({"--png", Png(), "--click", click, "--dclick", dclick, kCentre}, "20\n0\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    // Pure blue read-out (locator = grid reference) and the pure red name in the bottom strip.
    const QImage img(QString::fromStdString(Png()));
    ASSERT_FALSE(img.isNull());
    int blue = 0, red = 0;
    for (int py = PixelOf(area, 0, 0).second; py < img.height(); ++py) {
        for (int px = 0; px < img.width(); ++px) {
            const QRgb p = img.pixel(px, py);
            if (p == qRgb(0, 0, 255)) ++blue;
            if (p == qRgb(255, 0, 0)) ++red;
        }
    }
    EXPECT_GT(blue, 50);
    EXPECT_GT(red, 20);
}

TEST_F(TerrainPlotRun, EarlyEndsWriteNothing) {
    // An unknown site, a missing site file and an area beyond the grid each end the run with
    // one line and leave no configuration behind.
    {
        const ct::RunResult r =
            Run({"--png", Png()}, TilesFolder() + "\n" + SitesFolder() + "\n600\nNowhere Fell\n");
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.output.find("Site not found"), std::string::npos) << r.output;
    }
    {
        const ct::RunResult r =
            Run({"--png", Png()}, TilesFolder() + "\n" + TilesFolder() + "\n600\nTest Centre\n");
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_NE(r.output.find("SITES.DAT not found"), std::string::npos) << r.output;
    }
    {
        const ct::RunResult r =
            Run({"--png", Png(), kCentre}, TilesFolder() + "\n" + SitesFolder() + "\n600\n900\n");
        EXPECT_EQ(r.exitCode, 1) << r.output;
        EXPECT_EQ(r.output.find("Max height"), std::string::npos) << r.output;
    }
    {
        // A width whose edges no integer holds is refused before anything is loaded.
        const ct::RunResult r =
            Run({"--png", Png(), kCentre}, TilesFolder() + "\n" + SitesFolder() + "\n600\n1e300\n");
        EXPECT_EQ(r.exitCode, 1) << r.output;
        EXPECT_NE(r.output.find("Area too large"), std::string::npos) << r.output;
        EXPECT_EQ(r.output.find(".hgt"), std::string::npos) << r.output;
        EXPECT_EQ(r.output.find("Max height"), std::string::npos) << r.output;
    }
    EXPECT_FALSE(fs::exists(work_ / "Brelland.INI"));
    EXPECT_FALSE(fs::exists(Png()));
}

TEST_F(TerrainPlotRun, MissingSiteFileWithALocatorCentreStillDraws) {
    ct::WriteTextFile(work_, "Brelland.ini", {TilesFolder(), TilesFolder(), "600", ""});
    const ct::RunResult r = Run({"--png", Png(), "--dclick", "50,50", kCentre}, "10\n0\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    EXPECT_EQ(pt::PngSize(Png()).first, 840);
    EXPECT_GT(pt::PngSize(Png()).second, 600);
}

// The world file, .prj and KML beside the PNG, read back: the corners are those of the window's
// user scale, and the site "Block Top" lies, by the world file, on the pixel of its marker.
TEST_F(TerrainPlotRun, GeoreferenceFilesPlaceTheSitesOnTheirMarkers) {
    WriteConfig();
    const ct::RunResult r = Run({"--png", Png(), kCentre}, "20\n3000\n");
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    const terrainmap::MapRectangle area = AreaAround(20);
    const console::GeoreferenceFileNames names = console::GeoreferenceFilesBeside(Png());
    const int strip = Strip();
    const std::optional<console::PixelGrid> grid =
        console::ParseWorldFile(ct::ReadFile(names.worldFile), 840, 600 + strip);
    ASSERT_TRUE(grid) << ct::ReadFile(names.worldFile);
    // The window spans x from 0 to 1.07 nLon over 840 pixels and y from nLat down to -0.03 nLat
    // over 600 (the tool's single-precision constants), one user unit being 1/1200 degree; the
    // title strip's rows lie north of the plot.
    // The world file's 12 decimals, carried over up to 840 pixels: about 0.1 mm on the ground.
    constexpr double kTolerance_deg = 1e-9;
    const double right = console::Single(1.07f), bottom = console::Single(-0.03f);
    EXPECT_NEAR(grid->pixelWidth_deg, right * area.nLon / 840 / 1200, kTolerance_deg);
    EXPECT_NEAR(grid->pixelHeight_deg, (1 - bottom) * area.nLat / 600 / 1200, kTolerance_deg);
    const console::LatLonBox edges = console::OuterEdges(*grid);
    EXPECT_NEAR(edges.west_deg, area.west, kTolerance_deg);
    EXPECT_NEAR(edges.north_deg, area.south + area.nLat / 1200.0 + strip * grid->pixelHeight_deg,
                kTolerance_deg);
    EXPECT_NEAR(edges.east_deg, area.west + right * area.nLon / 1200, kTolerance_deg);
    EXPECT_NEAR(edges.south_deg, area.south + bottom * area.nLat / 1200, kTolerance_deg);

    const std::optional<console::LatLonBox> box =
        console::ParseKmlLatLonBox(ct::ReadFile(names.kmlFile));
    ASSERT_TRUE(box);
    EXPECT_NEAR(box->north_deg, edges.north_deg, kTolerance_deg);
    EXPECT_NEAR(box->west_deg, edges.west_deg, kTolerance_deg);
    EXPECT_NE(ct::ReadFile(names.kmlFile).find("<href>plot.png</href>"), std::string::npos);
    EXPECT_NE(ct::ReadFile(names.projectionFile).find("\"EPSG\",\"4326\""), std::string::npos);

    // The site's marker is a white square round its plot position; the world file puts the site
    // in the pixel the tool drew that position in.
    const geodesy::LatLon site =
        geodesy::ParseLocatorCorner(geodesy::FormatLocatorRounded({54.4, -2.3}));
    const int column = static_cast<int>(std::floor(grid->ColumnOf(site.lon_deg)));
    const int row = static_cast<int>(std::floor(grid->RowOf(site.lat_deg)));
    const PlotPoint at = ToPlot(area, site.lat_deg, site.lon_deg);
    const auto [px, py] = PixelOf(area, at.x, at.y);
    EXPECT_EQ(std::make_pair(column, row), std::make_pair(px, py + strip));
    EXPECT_EQ(pt::PngPixel(Png(), column, row).colour, console::kWhite);
}

// An area of 1 arc-second tiles only is drawn at 1 arc-second: three times the samples, the
// same maximum at the same place as on the 3 arc-second tiles, and a world file whose unit is
// 1/3600 degree, so the sites still land on their markers.
TEST_F(TerrainPlotRun, OneArcSecondTilesAreDrawnAtOneArcSecond) {
    const ct::RunResult coarse = [&] {
        WriteConfig();
        return Run({"--png", Png(), kCentre}, "20\n3000\n");
    }();
    ASSERT_EQ(coarse.exitCode, 0) << coarse.output << coarse.errors;
    for (int lon : {-3, -2}) {
        const std::string name = "N54W00" + std::to_string(-lon) + ".hgt";
        ct::WriteOneArcSecondTwin(tiles_, name, BlockTile(54, lon));
    }
    const ct::RunResult fine = Run({"--png", Png(), kCentre}, "20\n3000\n");
    ASSERT_EQ(fine.exitCode, 0) << fine.output << fine.errors;
    EXPECT_NE(fine.output.find("1 arc-second tile N54W003.hgt\n"), std::string::npos);
    EXPECT_EQ(coarse.output.find("arc-second"), std::string::npos);
    const auto maxLine = [](const std::string& out) {
        const std::size_t at = out.find("Max height");
        return at == std::string::npos ? std::string() : out.substr(at, out.find('\n', at) - at);
    };
    EXPECT_NE(maxLine(fine.output), "");
    EXPECT_EQ(maxLine(fine.output), maxLine(coarse.output));

    const terrainmap::MapRectangle area = AreaAround(20, 3600);
    EXPECT_EQ(area.nLat, 3 * AreaAround(20).nLat);
    CheckMapColours(area, 3000, console::DefaultPalette());
    const std::optional<console::PixelGrid> grid = console::ParseWorldFile(
        ct::ReadFile(console::GeoreferenceFilesBeside(Png()).worldFile), 840, 600 + Strip());
    ASSERT_TRUE(grid);
    EXPECT_NEAR(grid->pixelWidth_deg, console::Single(1.07f) * area.nLon / 840 / 3600, 1e-11);
    const geodesy::LatLon site =
        geodesy::ParseLocatorCorner(geodesy::FormatLocatorRounded({54.4, -2.3}));
    const PlotPoint at = ToPlot(area, site.lat_deg, site.lon_deg);
    const auto [px, py] = PixelOf(area, at.x, at.y);
    EXPECT_EQ(std::make_pair(static_cast<int>(std::floor(grid->ColumnOf(site.lon_deg))),
                             static_cast<int>(std::floor(grid->RowOf(site.lat_deg)))),
              std::make_pair(px, py + Strip()));
}

TEST(TerrainPlotRealData, ScafellPikeIsTheHighestSample) {
    TORMARK_SKIP_WITHOUT_REAL_DATA("srtm3/N54W004.hgt", "sites/Sites.dat");
    const fs::path data = realdata::Folder();
    ct::TempDir work;
    ct::WriteTextFile(
        work.Path(), "Brelland.ini",
        {(data / "srtm3").string() + "/", (data / "sites").string() + "/", "600", ""});
    const std::string png = (work.Path() / "scafell.png").string();
    const ct::RunResult r =
        ct::RunProgram(TOOL_PROGRAM, {"--png", png, "Scafell Pike"}, "20\n0\n", work.Path());
    ASSERT_EQ(r.exitCode, 0) << r.output << r.errors;
    // The 20 km plot lies inside N54W004, whose highest sample (971 m) is the summit.
    EXPECT_NE(r.output.find("Max height  971m found at"), std::string::npos) << r.output;
    EXPECT_EQ(pt::PngSize(png).first, 840);
    EXPECT_GT(pt::PngSize(png).second, 600);
}

}  // namespace
}  // namespace terrainplot
