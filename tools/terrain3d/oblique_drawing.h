// Drawing terrain3d's view into the plot window: the black ground, one coloured profile line per
// row from north to south, the centre marker and the legend of the linear colour scale.
#pragma once

#include <cstdint>

#include "console/palette.h"
#include "oblique_view.h"
#include "plot/colour_legend.h"
#include "plot/plot_window.h"
#include "terrain/area_grid.h"
#include "terrainmap/map_rectangle.h"

namespace terrain3d {

// The colour of sea level (0 m and below): a sea blue, so that the coast shows against the black
// ground round the view, which the palette's entry 0 would not.
inline constexpr console::Rgb kSeaColour{40, 90, 170};

// Rows nLat down to 0 (north to south, nearer rows over farther ones), each a line through its
// samples from column 0 to nLon, segment by segment in the colour of the segment's end sample
// (plot::kNoDataColour where it has no height data, kSeaColour at 0 m and below); the window is
// repainted after every row divisible by RepaintStep(nLat). A(x + x0, y + y0) of `grid` is the
// height of sample (x, y). A segment is usually shorter than a pixel, so the segments are written
// straight into the window's image (PixelLine) rather than one painter call each.
void DrawRows(plot::PlotWindow& window, const terrainmap::MapRectangle& area,
              const ObliqueView& view, const terrain::AreaGrid& grid, int x0, int y0,
              const console::Palette& palette);

// A one-pixel line from pixel (px1, py1) to pixel (px2, py2), both ends included, the pixels
// stepping one at a time along the longer axis (Bresenham); pixels outside the image are
// skipped. The window's painter must be finished (FinishPainting).
void PixelLine(plot::Canvas& canvas, int px1, int py1, int px2, int py2, std::uint32_t value);

// The centre marker of plot/map_furniture.h at the centre, lifted by its ground height.
void DrawCentreMarker(plot::Canvas& canvas, const terrainmap::MapRectangle& area,
                      const ObliqueView& view, std::int32_t centreHeight_m);

// A north arrow in the top-left corner of the black field, pointing the way the rows go north.
plot::PixelBox DrawNorthArrow(plot::Canvas& canvas, const terrainmap::MapRectangle& area,
                              const ObliqueView& view);

// The colour legend beside the plot (bar, frame, "Height m"), its labels telling the heights of
// the linear scale the rows are drawn with: entry i stands for i × maxPlot / 255.
void DrawLinearLegend(plot::Canvas& canvas, const console::Palette& palette,
                      const terrainmap::MapRectangle& area, const ObliqueView& view);

}  // namespace terrain3d
