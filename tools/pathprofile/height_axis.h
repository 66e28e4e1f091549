// The profile's height axis: fitted to what the picture must show (the ground and the line of
// sight), so that the band the path crosses fills the picture, with grid lines at round steps.
#pragma once

#include <string>
#include <vector>

namespace pathprofile {

// Share of the data's height range kept free above and below it, so that a summit or a mast top
// does not touch the picture's edge.
inline constexpr double kAxisMarginShare = 0.05;
// The axis starts at 0 (sea level) when the band below the data that this leaves empty is less
// than this share of the axis: a path from 50 m to 900 m keeps its sea level, one from 850 m to
// 1000 m does not waste five sixths of the picture on ground nobody asked about.
inline constexpr double kZeroWasteShare = 1.0 / 3.0;
// The least height range an axis spans, m: a flat path over the sea is not blown up until a
// metre of SRTM rounding fills the picture.
inline constexpr double kLeastAxisSpan_m = 10.0;
// At most this many grid steps over an axis: enough lines to read a height or a distance off,
// few enough that they stay apart.
inline constexpr int kMostGridSteps = 15;

struct HeightAxis {
    double bottom_m = 0.0;  // the lowest height shown, at the foot of the plot
    double top_m = 1.0;     // the highest, above bottom_m
    double Span_m() const { return top_m - bottom_m; }
};

// The axis for heights from low_m to high_m (either order; neither need be positive). Not finite
// values give the axis 0 ... kLeastAxisSpan_m.
HeightAxis FitHeightAxis(double low_m, double high_m);

// The smallest of 1, 2, 5 x 10^n (n any integer) that divides `span` (> 0) into at most
// max_steps steps; 1 for a span that is not positive or not finite.
double RoundGridStep(double span, int max_steps = kMostGridSteps);

// The multiples of `step` (> 0) from `from` to `to` inclusive (a small tolerance lets a line
// that falls on either end by rounding stay), each rounded to the step's decimals so that 3 x 0.1
// reads 0.3. Empty when to < from; at most 10000 lines.
std::vector<double> GridValues(double from, double to, double step);

// A grid value as its label: no more decimals than the step has (0.2 km steps: "0.6", 50 m
// steps: "150"), "-" for negatives and never "-0".
std::string GridValueText(double value, double step);

}  // namespace pathprofile
