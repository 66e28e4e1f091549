#include "terrain_map.h"

#include <QColor>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <fstream>
#include <vector>

#include "console/console_constants.h"
#include "console/file_names.h"
#include "console/position_entry.h"
#include "geodesy/distance_bearing.h"
#include "geodesy/upper_case.h"
#include "plot/map_furniture.h"
#include "plot/map_sites.h"
#include "plot/no_data.h"
#include "plot/plot_controls.h"
#include "sitefile/site_search.h"
#include "terrainmap/hillshade.h"

namespace terrainplot {
namespace {

using console::Single;

using console::kSampleNudge;                     // 0.00001: inside the sample's cell
constexpr double kSquareReach = Single(1.005f);  // a filled square overlaps its neighbours a bit
// The legend bar starts at 1.007 × nLon. On narrow plots (nLon below about 140) the squares of
// the last column would reach over it, so the map stops short of it.
using plot::kLegendLeft;

std::uint32_t ToPixelValue(const console::Rgb& c) {
    return qRgb(c.red, c.green, c.blue);
}

// Pixel column or row of a user coordinate: the pixel that holds it.
int PixelOf(double fractionalPixel) {
    const double f = std::floor(fractionalPixel);
    if (!(f > -1e9)) return -1000000000;  // far outside; also NaN
    if (f > 1e9) return 1000000000;
    return static_cast<int>(f);
}

// The heights of plot row y, from column 0 to nLon: straight from the grid row when the whole
// row lies inside the grid, else cell by cell (cells outside the grid read 0).
const std::int16_t* PlotRow(const terrain::AreaGrid& grid, int y, int x0, int nLon,
                            std::vector<std::int16_t>& spare) {
    const std::int16_t* row = grid.Row(y);
    if (row != nullptr && x0 >= 0 && x0 + nLon < grid.Columns()) return row + x0;
    for (int x = 0; x <= nLon; ++x)
        spare[static_cast<std::size_t>(x)] = static_cast<std::int16_t>(grid.At(x + x0, y));
    return spare.data();
}

// The colour of every height a tile can hold (16-bit samples), worked out once per plot: the
// map then costs one table look-up per sample, whatever maximum was typed.
class HeightColours {
  public:
    HeightColours(const console::Palette& palette, std::int32_t maxPlot_m)
        : palette_(palette), entry_(kHeights) {
        for (std::size_t i = 0; i < kHeights; ++i) {
            const double h = static_cast<double>(static_cast<std::int32_t>(i) + kLowest);
            entry_[i] = static_cast<std::uint8_t>(console::HeightToColour(h, maxPlot_m));
        }
        for (int e = 0; e < console::kPaletteEntries; ++e)
            pixel_[static_cast<std::size_t>(e)] = ToPixelValue(palette[e]);
    }
    std::uint32_t Pixel(std::int32_t h) const { return pixel_[Entry(h)]; }
    const console::Rgb& Colour(std::int32_t h) const {
        return palette_[static_cast<int>(Entry(h))];
    }

  private:
    static constexpr std::int32_t kLowest = -32768;
    static constexpr std::size_t kHeights = 65536;
    std::size_t Entry(std::int32_t h) const {
        const std::int32_t i = std::clamp(h, kLowest, kLowest + 65535) - kLowest;
        return entry_[static_cast<std::size_t>(i)];
    }
    const console::Palette& palette_;
    std::vector<std::uint8_t> entry_;
    std::array<std::uint32_t, console::kPaletteEntries> pixel_{};
};

}  // namespace

void DrawTerrainMap(plot::PlotWindow& window, const terrainmap::MapRectangle& area,
                    const MapSource& source, std::int32_t windowSize_px) {
    plot::Canvas& canvas = window.Picture();
    const int nLat = area.nLat;
    const int nLon = area.nLon;
    const double pixelsPerSample = double{1} * windowSize_px / nLat;
    const int k = terrainmap::RepaintStep(nLat);
    const HeightColours colours(*source.palette, source.maxPlot_m);

    // Pixel columns of every sample column, worked out once.
    std::vector<int> columnLeft(static_cast<std::size_t>(nLon) + 1);
    std::vector<int> columnRight(static_cast<std::size_t>(nLon) + 1);
    const int lastMapColumn = PixelOf(canvas.PixelX(kLegendLeft * nLon)) - 1;
    for (int x = 0; x <= nLon; ++x) {
        columnLeft[static_cast<std::size_t>(x)] = PixelOf(canvas.PixelX(x + kSampleNudge));
        columnRight[static_cast<std::size_t>(x)] =
            std::min(PixelOf(canvas.PixelX(x + kSquareReach)), lastMapColumn);
    }
    std::vector<std::int16_t> spare(static_cast<std::size_t>(nLon) + 1);
    const int widthPx = canvas.WidthPx();

    const terrain::NoDataMask& noData = source.grid->NoData();
    const bool anyNoData = noData.Any();
    const std::uint32_t noDataPixel = ToPixelValue(plot::kNoDataColour);
    const double cellWidth_m =
        terrainmap::CellWidth_m(area.samplesPerDegree, (area.north + area.south) / 2);
    const double cellHeight_m = terrainmap::CellHeight_m(area.samplesPerDegree);
    // Land lit from the north-west; sea (0 m and below) and no data keep their flat colours.
    const auto shadeOf = [&](int x, int gridY, std::int32_t h) {
        const int gx = x + source.x0;
        std::array<double, 9> around{};
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = gx + dx, ny = gridY - dy;  // the first row is the northern one
                around[static_cast<std::size_t>((dy + 1) * 3 + dx + 1)] =
                    anyNoData && noData.At(nx, ny) ? h : source.grid->At(nx, ny);
            }
        return terrainmap::ShadeFactor(around, cellWidth_m, cellHeight_m);
    };
    const auto colourOf = [&](int x, int gridY, std::int32_t h) {
        const console::Rgb flat = colours.Colour(h);
        return source.shade && h > 0 ? terrainmap::Shaded(flat, shadeOf(x, gridY, h)) : flat;
    };
    canvas.FinishPainting();
    for (int y = nLat; y >= 0; --y) {
        const std::int16_t* heights = PlotRow(*source.grid, y + source.y0, source.x0, nLon, spare);
        const int gridY = y + source.y0;
        const auto hasNoData = [&](int x) { return anyNoData && noData.At(x + source.x0, gridY); };
        const int bottom = PixelOf(canvas.PixelY(y + kSampleNudge));
        if (pixelsPerSample > 1) {
            // A sample is larger than a pixel: a filled square, outline and pixel all one colour.
            const int top = PixelOf(canvas.PixelY(y + kSquareReach));
            for (int x = 0; x <= nLon; ++x) {
                canvas.FillPixels(
                    columnLeft[static_cast<std::size_t>(x)], top,
                    columnRight[static_cast<std::size_t>(x)], bottom,
                    hasNoData(x) ? plot::kNoDataColour : colourOf(x, gridY, heights[x]));
            }
        } else if (std::uint32_t* line = canvas.ScanLine(bottom)) {
            // Several samples share a pixel: write it straight into the image, the last wins.
            for (int x = 0; x <= nLon; ++x) {
                const int px = columnLeft[static_cast<std::size_t>(x)];
                if (px >= 0 && px < widthPx)
                    line[px] = hasNoData(x)   ? noDataPixel
                               : source.shade ? ToPixelValue(colourOf(x, gridY, heights[x]))
                                              : colours.Pixel(heights[x]);
            }
        }
        if (y % k == 0) window.Repaint();
    }
}

PlotPoint ToPlot(const terrainmap::MapRectangle& area, double latitude_deg, double longitude_deg) {
    return {area.samplesPerDegree * (longitude_deg - area.west),
            area.samplesPerDegree * (latitude_deg - area.south)};
}

geodesy::LatLon FromPlot(const terrainmap::MapRectangle& area, double x, double y) {
    return {area.south + y / area.samplesPerDegree, area.west + x / area.samplesPerDegree};
}

console::UserToLatLong PlotDegrees(const terrainmap::MapRectangle& area) {
    const double degreesPerSample = 1.0 / area.samplesPerDegree;
    return {area.west, degreesPerSample, area.south, degreesPerSample};
}

plot::PixelBox MapPixels(const plot::Canvas& canvas, const terrainmap::MapRectangle& area) {
    return {std::max(0, canvas.PixelColumn(0)), std::max(0, canvas.PixelRow(area.nLat)),
            std::min(canvas.WidthPx() - 1, canvas.PixelColumn(kLegendLeft * area.nLon) - 1),
            std::min(canvas.HeightPx() - 1, canvas.PixelRow(0))};
}

int DrawSiteMarkers(plot::Canvas& canvas, const terrainmap::MapRectangle& area,
                    const std::string& sitesFile, const std::vector<plot::PixelBox>& keepOut) {
    std::vector<plot::MapSite> sites;
    for (const plot::SiteLine& site : plot::ReadSiteLines(sitesFile)) {
        const PlotPoint p = ToPlot(area, site.position.lat_deg, site.position.lon_deg);
        sites.push_back({site.name, p.x, p.y});
    }
    return plot::DrawSites(canvas, sites, MapPixels(canvas, area), keepOut);
}

void DrawCentreMarker(plot::Canvas& canvas, const terrainmap::MapRectangle& area) {
    plot::DrawCentreMarker(canvas, area.nLon / 2.0, area.nLat / 2.0);
}

std::vector<plot::PixelBox> DrawScaleAndNorth(plot::Canvas& canvas,
                                              const terrainmap::MapRectangle& area) {
    const plot::PixelBox map = MapPixels(canvas, area);
    const double middle = (area.north + area.south) / 2;
    const double width_km =
        geodesy::DistBearBetween({middle, area.west}, {middle, area.east}).distance_km;
    const double pxPerKm = (canvas.PixelX(area.nLon) - canvas.PixelX(0)) / width_km;
    return {plot::DrawScaleBar(canvas, pxPerKm, map), plot::DrawNorthArrow(canvas, map)};
}

}  // namespace terrainplot
