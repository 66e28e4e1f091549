// The colour height map of terrainplot: one pixel, or one filled square when a sample is larger
// than a pixel, per SRTM sample; the site markers and the centre marker drawn over it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "console/palette.h"
#include "console/position_entry.h"
#include "plot/plot_window.h"
#include "terrain/area_grid.h"
#include "terrainmap/map_rectangle.h"

namespace terrainplot {

// Where the plot's samples lie in the area grid and how they are coloured.
struct MapSource {
    const terrain::AreaGrid* grid = nullptr;
    int x0 = 0;  // column of the plot's south-west sample within the grid
    int y0 = 0;  // row of the plot's south-west sample within the grid
    const console::Palette* palette = nullptr;
    std::int32_t maxPlot_m = 1;  // height of palette entry 255
};

// Draws rows nLat down to 0 (north to south), each from column 0 to nLon (west to east), sample
// (x, y) coloured by HeightToColour of A(x + x0, y + y0), or plot::kNoDataColour where the grid
// has no height data, and placed at (x + 0.00001, y + 0.00001). When a sample is more than a pixel high (windowSize / nLat > 1) it is a filled
// square up to (x + 1.005, y + 1.005), cut short of the legend at 1.007 × nLon; otherwise its pixel
// is written straight into the image, so later (more southern, more eastern) samples win where
// several share a pixel. The window is repainted after every row divisible by
// terrainmap::RepaintStep(nLat).
void DrawTerrainMap(plot::PlotWindow& window, const terrainmap::MapRectangle& area,
                    const MapSource& source, std::int32_t windowSize_px);

// Marks every site of the site file `sitesFile` that falls west of the plot's eastern edge with
// a white square outlined in black, 2 × nLon/600 high (and wider by 1/cos φ0); sites south of the
// plot may so appear in the bottom text strip, the rest is clipped. Lines whose position is
// neither a grid reference nor a locator are skipped. Returns the number of markers drawn (0 when
// the file cannot be read).
int DrawSiteMarkers(plot::Canvas& canvas, const terrainmap::MapRectangle& area, double lat0_deg,
                    const std::string& sitesFile);

// The hollow white square round the centre of the plot, nLon/100 wide.
void DrawCentreMarker(plot::Canvas& canvas, const terrainmap::MapRectangle& area, double lat0_deg);

// The plot coordinates of a position: area.samplesPerDegree samples per degree from the
// south-west corner.
struct PlotPoint {
    double x = 0;
    double y = 0;
};
PlotPoint ToPlot(const terrainmap::MapRectangle& area, double latitude_deg, double longitude_deg);
// And back: the position of plot point (x, y).
geodesy::LatLon FromPlot(const terrainmap::MapRectangle& area, double x, double y);
// The same mapping for the plot window's georeference: the map's pixels are a regular
// latitude/longitude grid.
console::UserToLatLong PlotDegrees(const terrainmap::MapRectangle& area);

// The position of one line of a site file (the text after the first "~" up to the next one,
// upper-cased; a grid reference when its characters 5 and 6 are digits, a locator when they are
// letters A to X). nullopt for any other line.
struct SiteLine {
    std::string name;
    geodesy::LatLon position;
};
std::optional<SiteLine> ParseSiteLine(std::string_view line);

}  // namespace terrainplot
