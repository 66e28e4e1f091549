// Drawing a coverage map: every pixel of the plot in the colour of its sample, and a legend of
// coloured boxes with their labels in the strip right of the plot.
#pragma once

#include <QRgb>
#include <functional>
#include <string>
#include <vector>

#include "level_key.h"
#include "mastview/radius_area.h"
#include "plot/canvas.h"

namespace visplot {

// Gives every pixel of the plot square (x 0 ... nLon, y 0 ... nLat, the frame set by
// SetPlotFrame) the colour colourOf(x, y) of the plot sample nearest its centre: a sample larger
// than a pixel fills its whole cell, one smaller is represented by the sample at the pixel's
// centre.
void PaintSamples(plot::Canvas& canvas, const mastview::RadiusArea& area,
                  const std::function<QRgb(int x, int y)>& colourOf);

// The legend's lines: the heading, then one line per entry beside its coloured box.
struct Legend {
    std::vector<std::string> heading;
    std::vector<KeyEntry> entries;
};

// Pixels the legend needs right of the plot, its margins included (measured in the window font:
// the GUI application must exist, plot/gui_application.h).
int LegendWidthPx(const Legend& legend);
// The pixels to add to a canvas of width size_px so that the legend fits right of the plot.
int LegendStripPx(const Legend& legend, int size_px);

// Draws the legend right of the plot, its top just below the Exit control.
void DrawLegend(plot::Canvas& canvas, const mastview::RadiusArea& area, const Legend& legend);

}  // namespace visplot
