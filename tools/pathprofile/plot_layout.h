// Where things go in the profile window: its user coordinates, the "Exit" box and the grid
// lines. x is distance from the base in km, y height in metres (growing upwards).
//
// The heights shown are those of a fitted axis (height_axis.h); the window's rows above the axis
// are kept for the click read-out and those below it for the distance labels, so neither is
// drawn over the ground.
#pragma once

#include <vector>

#include "height_axis.h"

namespace pathprofile {

// Fixed window of the profile: left, top, width and height in pixels.
inline constexpr int kWindowLeft_px = 100;
inline constexpr int kWindowTop_px = 60;
inline constexpr int kWindowWidth_px = 800;
inline constexpr int kWindowHeight_px = 400;

struct Point {
    double x = 0.0;  // km from the base
    double y = 0.0;  // metres
};

// Pixel rows of the window outside the axis: headroom above its top, a foot below its bottom.
struct AxisRows {
    int headroom_px = 0;
    int foot_px = 0;
};

class PlotLayout {
  public:
    // path_km: D (> 0); `axis`: the heights the plot shows; window_height_px: the window's rows;
    // `rows`: those of them kept above and below the axis (together fewer than window_height_px).
    PlotLayout(double path_km, HeightAxis axis, AxisRows rows = {},
               int window_height_px = kWindowHeight_px);

    // The window spans x from -0.05 D to 1.1 D; y from Top() at its top edge to Bottom() at its
    // bottom edge, the axis filling the rows between the headroom and the foot.
    double Left() const;
    double Right() const;
    double Top() const { return top_m_; }
    double Bottom() const { return bottom_m_; }
    const HeightAxis& Axis() const { return axis_; }
    double PathKm() const { return d_; }

    // The red "Exit" box from (1.05 D, Band(0.4)) to (1.08 D, Band(0.5)), its cross, and the
    // top-left corner of its label, where Band(f) is the height f of the way up a window
    // spanning -1/20 ... 1 (the box's place in the window of a plot from 0 m).
    Point ExitBoxCorner1() const;
    Point ExitBoxCorner2() const;
    Point ExitCrossA1() const;
    Point ExitCrossA2() const;
    Point ExitCrossB1() const;
    Point ExitCrossB2() const;
    Point ExitLabel() const;

    // A click leaves the profile when it lies right of the box's left edge, within the box's
    // height band (anywhere up to the window's right edge).
    bool IsExitClick(double x, double y) const;

    // Grid steps at round values (height_axis.h) and the lines: heights from the axis bottom to
    // its top, distances from 0 to D.
    double HeightStep_m() const;
    double DistanceStep_km() const;
    std::vector<double> HeightGridLines_m() const;
    std::vector<double> DistanceGridLines_km() const;
    // Where the height labels' column begins: 1.005 D.
    double HeightLabelColumn_km() const;

  private:
    double Band(double fraction) const;

    double d_;
    HeightAxis axis_;
    double top_m_;
    double bottom_m_;
};

}  // namespace pathprofile
