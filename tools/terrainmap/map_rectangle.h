// The rectangle of terrain a plot covers and its size in SRTM samples, shared by the
// colour height map (terrainplot) and the oblique view (terrain3d).
#pragma once

namespace terrainmap {

// The plot rectangle round a centre, in samples (of 1/1200 degree, or 1/3600 when its heights
// are 1 arc-second) and in degrees.
struct MapRectangle {
    double northSouthKm = 0;  // north-south extent of the rectangle, km
    int nLat = 0;             // rows of samples, south to north (at most 6000)
    int nLon = 0;             // columns of samples, west to east (at most 10000)
    double west = 0;          // edges in degrees, WGS84, east and north positive
    double east = 0;
    double south = 0;
    double north = 0;
    int samplesPerDegree = 1200;  // of the heights drawn: 1200, or 3600 at 1 arc-second
};

// Most rows and columns a plot may have (the area grid's height and the widest plot), in samples
// whatever their spacing: a 1 arc-second plot so covers at most a ninth of the area.
constexpr int kMaxRows = 6000;
constexpr int kMaxColumns = 10000;

// The rectangle of northSouthKm (> 0) north-south and 1.4 times that east-west, centred on
// latitude lat0_deg (-89 … 89) and longitude lon0_deg, counted in samples of 1/samplesPerDegree
// degree (1200 or 3600). The edges in degrees do not depend on the spacing.
MapRectangle MapRectangleAround(double lat0_deg, double lon0_deg, double northSouthKm,
                                int samplesPerDegree = 1200);

// The plot width of terrainplot from the number typed: 100 km for 0, negative or no number,
// at least 2 km; kept unrounded.
double PlotWidthFromAnswer(double typed_km);

// terrain3d's north-south size from the number typed: 30 km for 0, negative or no number,
// at least 2 km.
double PlotSizeFromAnswer(double typed_km);

// North-south extent of a terrainplot plot of the given width: width / 1.4.
double HeightExtentKm(double width_km);

// The number of rows drawn between repaints: nLat / 100 rounded, at least 1.
int RepaintStep(int nLat);

// The height mapped to the top of the colour scale from the number typed: rounded to the
// nearest metre; below 1 it is the maximum found.
int MaxPlotFromAnswer(double typed_m, int maxFound_m);

}  // namespace terrainmap
