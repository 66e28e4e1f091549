// Where things go in the profile window: its user coordinates, the "Exit" box and the
// grid lines. x is distance from the base in km, y height in metres (growing upwards).
#pragma once

#include <vector>

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

class PlotLayout {
  public:
    // path_km: D (> 0); top_m: M, the plot top (> 0).
    PlotLayout(double path_km, double top_m) : d_(path_km), m_(top_m) {}

    // The window spans x from -0.05 D to 1.1 D and y from M at the top to -M/20 at the bottom.
    double Left() const;
    double Right() const;
    double Top() const { return m_; }
    double Bottom() const { return -m_ / 20.0; }

    // The red "Exit" box from (1.05 D, 0.4 M) to (1.08 D, 0.5 M), its cross, and the top-left
    // corner of its label.
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

    // Heights of the horizontal grid lines: 0, step, 2 step ... up to M rounded to the nearest
    // whole metre; and distances of the vertical ones: 0, step ... up to D rounded.
    std::vector<double> HeightGridLines_m() const;
    std::vector<double> DistanceGridLines_km() const;
    // Top-left corners of the labels of a height line and of a distance line.
    Point HeightLabel(double y_m) const;
    Point DistanceLabel(double x_km) const;

    // Top-left corner of the click read-out.
    Point ReadOut() const;

  private:
    double d_;
    double m_;
};

}  // namespace pathprofile
