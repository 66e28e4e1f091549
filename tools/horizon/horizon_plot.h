// horizon's plot: bearing 0 ... 360 across, elevation angle up, with its scales, labels and
// distance legend; the sweep plots every new highest angle of each ray in its distance colour.
#pragma once

#include <string>

#include "console/console.h"
#include "horizon_chart.h"
#include "mastview/dialogue.h"
#include "mastview/plot_heights.h"
#include "plot/plot_window.h"
#include "terrain/no_data_mask.h"

namespace horizon {

inline constexpr int kWindowLeft_px = 100;
inline constexpr int kWindowTop_px = 10;

// "Horizon Viw from " + centre text + "   Mast height ###m".
std::string Caption(const mastview::MastView& view);

// Client size of the window for a configured WindowSize: 1.4 and 0.667 times it, rounded.
int WindowWidth_px(int windowSize);
int WindowHeight_px(int windowSize);

// A click inside the Exit box (370 < x < 380, 90 < y < 95).
bool IsExitClick(double x, double y);

class HorizonPlot {
  public:
    HorizonPlot(const mastview::MastView& view, plot::PlotWindow& window);

    // Scale, axis, Exit box, the black field, angle and bearing scales, labels, the distance
    // legend; shows the window. The angle scale is fitted to the horizon over `heights`.
    void DrawFrame(const mastview::PlotHeights& heights);
    // The horizon sweep, painted straight into the image with about 40 repaints.
    // A point on ground without height data (`noData`) is drawn in plot::kNoDataColour instead of
    // its distance colour.
    void Sweep(const mastview::PlotHeights& heights, const terrain::NoDataMask& noData);
    // A click that is not Exit: the bearing under it is shown below the chart.
    void OnClick(const plot::Click& click);

  private:
    // A sweep ahead of the drawing for the lowest and highest horizon angle, which settle the
    // angle scale.
    void FindHorizonRange(const mastview::PlotHeights& heights);

    const mastview::MastView& view_;
    plot::PlotWindow& window_;
    plot::Canvas& canvas_;  // the window's picture
    double lowest_rad_ = 0;
    double highest_rad_ = 0;
    AngleScale scale_;
};

// The click loop: every click but one in the Exit box shows its bearing; the Exit box brings the
// console to the front and closes the window. Keys are not looked at (they are drained).
void ServeClicks(HorizonPlot& plot, plot::PlotWindow& window, console::Console& console);

}  // namespace horizon
