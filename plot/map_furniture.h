// What a map needs round its colours to be read as a map: the centre marked so that it stands
// out on any colour, the sites with their names, a scale bar and a north arrow. Shared by the
// map tools (terrainplot, visplot, and what fits terrain3d's oblique view). Sizes follow the
// picture's text size, so the furniture keeps its share of a small or a large window.
#pragma once

#include <string>
#include <vector>

#include "plot/canvas.h"
#include "plot/colour_legend.h"

namespace plot {

// The furniture's dark lines and text: near black, so that pure black keeps the meaning the
// pictures give it (hidden ground in visplot, sea level in the default height palette) and a
// test can tell the two apart.
inline constexpr console::Rgb kMapInk{0x20, 0x20, 0x20};

// A square round user point (x, y) in black, white and black rings: one of them contrasts with
// whatever colour lies below it. Hollow, so the ground at the centre still shows.
void DrawCentreMarker(Canvas& canvas, double x, double y);

// The centre marker's half-width in pixels on this canvas, its outer ring included.
int CentreMarkerHalfPx(const Canvas& canvas);

struct MapSite {
    std::string name;
    double x = 0, y = 0;  // user coordinates
};

// A white square framed in black at each site inside `within` and outside the `keepOut` boxes
// (the legend's and the scale's plates), then each site's name beside its square (right, left,
// above or below, the first place that is free): a name that would run out of `within`, into a
// `keepOut` box, or over another label or another site's square, is left out rather than
// overprinted. Returns the number of names written.
int DrawSites(Canvas& canvas, const std::vector<MapSite>& sites, const PixelBox& within,
              const std::vector<PixelBox>& keepOut = {});

// A scale bar in the bottom-left corner of `map`: a length of 1, 2 or 5 × 10^n km taking at most
// a quarter of the map's width, in black and white halves, with its length ("10 km") on a white
// plate. pxPerKm is the map's horizontal scale. Returns the plate's box.
PixelBox DrawScaleBar(Canvas& canvas, double pxPerKm, const PixelBox& map);

// The scale bar's length in km for a map `mapWidth_km` across: the largest 1, 2 or 5 × 10^n that
// is at most a quarter of it.
double ScaleBarKm(double mapWidth_km);

// A north arrow in the top-left corner of `map`, on a white plate: an arrowhead pointing along
// the pixel direction (dx, dy) (dy downwards; (0, -1) for a map with north up) and "N" above.
// Returns the plate's box.
PixelBox DrawNorthArrow(Canvas& canvas, const PixelBox& map, double dx = 0, double dy = -1);

}  // namespace plot
