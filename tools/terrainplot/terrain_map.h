// The colour height map of terrainplot: one pixel, or one filled square when a sample is larger
// than a pixel, per SRTM sample; the site markers and the centre marker drawn over it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/palette.h"
#include "console/position_entry.h"
#include "plot/colour_legend.h"
#include "plot/map_sites.h"
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
    bool shade = false;          // blend a hillshade with the colours (terrainmap/hillshade.h)
};

// Draws rows nLat down to 0 (north to south), each from column 0 to nLon (west to east), sample
// (x, y) coloured by HeightToColour of A(x + x0, y + y0), or plot::kNoDataColour where the grid
// has no height data; with source.shade, land (above 0 m) is hillshaded, sea and no data are not.
// Each sample is placed at (x + 0.00001, y + 0.00001). When a sample is more than a pixel high
// (windowSize / nLat > 1) it is a filled square up to (x + 1.005, y + 1.005), cut short of the
// legend at 1.007 × nLon; otherwise its pixel is written straight into the image, so later (more
// southern, more eastern) samples win where several share a pixel. The window is repainted after
// every row divisible by terrainmap::RepaintStep(nLat).
void DrawTerrainMap(plot::PlotWindow& window, const terrainmap::MapRectangle& area,
                    const MapSource& source, std::int32_t windowSize_px);

// The map's pixels: the plot from its west edge to the legend's left edge (1.007 × nLon), from
// its north edge to its south edge.
plot::PixelBox MapPixels(const plot::Canvas& canvas, const terrainmap::MapRectangle& area);

// Marks every site of the site file `sitesFile` that lies on the map (MapPixels) outside the
// `keepOut` boxes with plot::DrawSites: a square and, where it fits, its name. Lines whose
// position is neither a grid reference nor a locator are skipped. Returns the number of names
// written (0 when the file cannot be read).
int DrawSiteMarkers(plot::Canvas& canvas, const terrainmap::MapRectangle& area,
                    const std::string& sitesFile, const std::vector<plot::PixelBox>& keepOut = {});

// The centre marker of plot/map_furniture.h at the centre of the plot.
void DrawCentreMarker(plot::Canvas& canvas, const terrainmap::MapRectangle& area);

// The scale bar and the north arrow on the map, kept clear of the legend. Returns their plates.
std::vector<plot::PixelBox> DrawScaleAndNorth(plot::Canvas& canvas,
                                              const terrainmap::MapRectangle& area);

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

// The sites' lines as every map tool reads them (plot/map_sites.h).
using plot::ParseSiteLine;
using plot::SiteLine;

}  // namespace terrainplot
