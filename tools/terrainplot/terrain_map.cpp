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
#include "geodesy/upper_case.h"
#include "plot/no_data.h"
#include "plot/plot_controls.h"
#include "sitefile/site_search.h"

namespace terrainplot {
namespace {

using console::Single;

using console::kSampleNudge;                     // 0.00001: inside the sample's cell
constexpr double kSquareReach = Single(1.005f);  // a filled square overlaps its neighbours a bit
constexpr double kSiteMarkerShare = 600;         // marker half-height nLon / 600
using terrainmap::kCentreMarkerShare;
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

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLocatorLetter(char c) {
    return c >= 'A' && c <= 'X';
}

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
                canvas.FillPixels(columnLeft[static_cast<std::size_t>(x)], top,
                                  columnRight[static_cast<std::size_t>(x)], bottom,
                                  hasNoData(x) ? plot::kNoDataColour : colours.Colour(heights[x]));
            }
        } else if (std::uint32_t* line = canvas.ScanLine(bottom)) {
            // Several samples share a pixel: write it straight into the image, the last wins.
            for (int x = 0; x <= nLon; ++x) {
                const int px = columnLeft[static_cast<std::size_t>(x)];
                if (px >= 0 && px < widthPx)
                    line[px] = hasNoData(x) ? noDataPixel : colours.Pixel(heights[x]);
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

std::optional<SiteLine> ParseSiteLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    const std::optional<sitefile::SiteFields> fields =
        sitefile::SplitSiteLine(line, geodesy::Letters::kAscii);
    if (!fields) return std::nullopt;
    const std::string& position = fields->location;
    if (position.size() < 6) return std::nullopt;
    SiteLine site;
    site.name = fields->name;
    if (IsDigit(position[4]) && IsDigit(position[5])) {
        site.position = geodesy::ParseGridRefCorner(position);
    } else if (IsLocatorLetter(position[4]) && IsLocatorLetter(position[5])) {
        site.position = geodesy::ParseLocatorCorner(position);
    } else {
        return std::nullopt;
    }
    return site;
}

int DrawSiteMarkers(plot::Canvas& canvas, const terrainmap::MapRectangle& area, double lat0_deg,
                    const std::string& sitesFile) {
    if (!console::IsRegularFile(sitesFile)) return 0;  // a FIFO would block the drawing
    std::ifstream in(sitesFile, std::ios::binary);
    if (!in) return 0;
    const double cosLat0 = std::cos(lat0_deg * console::kRadPerDeg);
    const double d = area.nLon / kSiteMarkerShare;
    int drawn = 0;
    std::string text;
    while (std::getline(in, text)) {
        const std::optional<SiteLine> site = ParseSiteLine(text);
        if (!site) continue;
        const PlotPoint p = ToPlot(area, site->position.lat_deg, site->position.lon_deg);
        if (!(p.x < area.nLon)) continue;
        canvas.Rectangle(p.x - d / cosLat0, p.y - d, p.x + d / cosLat0, p.y + d, console::kBlack,
                         console::kWhite);
        ++drawn;
    }
    return drawn;
}

void DrawCentreMarker(plot::Canvas& canvas, const terrainmap::MapRectangle& area, double lat0_deg) {
    const double cosLat0 = std::cos(lat0_deg * console::kRadPerDeg);
    const double e = area.nLon / kCentreMarkerShare;
    const double cx = area.nLon / 2.0;
    const double cy = area.nLat / 2.0;
    canvas.Rectangle(cx - e, cy - e * cosLat0, cx + e, cy + e * cosLat0, console::kWhite);
}

}  // namespace terrainplot
