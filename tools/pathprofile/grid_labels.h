// Which grid lines of the profile carry a label, and where. The grid lines keep their steps;
// their labels are thinned to every 2nd, 5th, 10th ... line where the lines lie closer than the
// labels are long. Height labels stand in a column right of the path's end, level with their
// lines, the highest with the unit "m"; distance labels stand under the plot, centred on their
// lines, the last with the unit "km", and none runs into the height labels' column.
#pragma once

#include <string>
#include <vector>

#include "plot/canvas.h"
#include "plot_layout.h"

namespace pathprofile {

// Pixels kept free between two labels.
inline constexpr int kLabelGap_px = 4;
// The units the axes' labels carry.
inline constexpr std::string_view kHeightUnit = " m";
inline constexpr std::string_view kDistanceUnit = " km";

// Every how many grid lines a label is drawn: the first of 1, 2, 5, 10, 20, 50 ... for which
// labels whose lines lie spacing_px apart, each size_px long along the axis, keep gap_px
// between them.
int LabelEvery(double spacing_px, double size_px, double gap_px = kLabelGap_px);

// One label as drawn: its text, its value, and its pixel box (left and top inclusive, right and
// bottom exclusive).
struct GridLabel {
    std::string text;
    double value = 0.0;
    int left = 0, top = 0, right = 0, bottom = 0;
};
struct GridLabels {
    std::vector<GridLabel> heights;
    std::vector<GridLabel> distances;
};

// The "Exit" box with its label, widened by the gap on the left, as a box labels keep out of.
GridLabel ExitArea(const plot::Canvas& canvas, const PlotLayout& layout);
// Whether two boxes share a pixel.
bool Overlap(const GridLabel& a, const GridLabel& b);

// The last pixel row of the plot's axis (the distance labels stand below it).
int AxisFootRow(const plot::Canvas& canvas, const PlotLayout& layout);
// The first pixel column of the height labels.
int HeightLabelColumn(const plot::Canvas& canvas, const PlotLayout& layout);

// The labels of the height and distance grid lines in `canvas` (its scale set from `layout`),
// measured with the canvas's font. With `exit_box`, height labels that would reach the "Exit"
// box are left out.
GridLabels ProfileGridLabels(const plot::Canvas& canvas, const PlotLayout& layout,
                             bool exit_box = true);

}  // namespace pathprofile
