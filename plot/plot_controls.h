// The pieces the drawing tools put round their plots: the colour legend, the red "Exit" control
// and the wait for the user at the end of a run.
//
// nLon and nLat are the plot's width and height in user units; the tools' scale leaves a strip
// right of the plot (up to 1.07 x nLon) for the legend and the Exit control.
#pragma once

#include <functional>

#include "console/console.h"
#include "console/console_constants.h"
#include "console/palette.h"
#include "plot/canvas.h"
#include "plot/colour_legend.h"
#include "plot/plot_window.h"

namespace plot {

// Left edge of the colour legend, as a fraction of the plot width (single precision, like the
// tools' other fractional constants): a map drawn beside it stops short of it.
inline constexpr double kLegendLeft = console::Single(1.007f);

// The legend: the height key of plot/colour_legend.h (the 256 palette colours, labelled with the
// heights of entries 0, 255, 128, ... in whole metres, titled "Height m") on a plate from 0.25 x
// nLat to 0.8 x nLat against the window's right edge.
// Returns the plate's box.
PixelBox DrawColourLegend(Canvas& canvas, const console::Palette& palette, double nLon, double nLat,
                          double maxHeight_m);

// The same legend with each label's height given by entryHeight(entry), for a tool whose colours
// stand for heights on another scale than HeightToColour's.
PixelBox DrawColourLegend(Canvas& canvas, const console::Palette& palette, double nLon, double nLat,
                          const std::function<double(int entry)>& entryHeight);

// The "Exit" control in the top right corner: a pure red box from (1.03, 1) to (1.05, 0.97)
// times (nLon, nLat) with its black diagonals and "Exit" beside it. Also tells the window where
// its Exit is; a headless run gets the point but no box in its saved picture.
void DrawExitControl(PlotWindow& window, double nLon, double nLat);

// A click counts as Exit when x > 1.03 x nLon and y > 0.97 x nLat (from the box's left edge to
// the window's right edge, from the box's lower edge to the top).
bool IsExitClick(double x, double y, double nLon, double nLat);

enum class WaitEnd { kEscape, kExit };

// The wait at the end of a drawing tool's run: serves clicks and keys as they come; Escape ends
// it; a click in the Exit area (by `isExit`) brings the console to the front, closes the window
// and ends it; any other click goes to `onClick`, then the window is repainted.
WaitEnd WaitForUser(PlotWindow& window, console::Console& console,
                    const std::function<bool(double x, double y)>& isExit,
                    const std::function<void(const Click&)>& onClick);

// The same with the standard Exit control of DrawExitControl.
WaitEnd WaitForUser(PlotWindow& window, console::Console& console, double nLon, double nLat,
                    const std::function<void(const Click&)>& onClick);

}  // namespace plot
