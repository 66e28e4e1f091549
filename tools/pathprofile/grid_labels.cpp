#include "grid_labels.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "console/picture_mask.h"

namespace pathprofile {

int LabelEvery(double spacing_px, double size_px, double gap_px) {
    // The 1-2-5 series keeps the labelled values round (every 10, 50, 100 km ...).
    constexpr int kSeries[] = {1, 2, 5};
    constexpr int kLargest = 1000000;
    for (int decade = 1; decade <= kLargest; decade *= 10)
        for (int m : kSeries)
            if (std::abs(spacing_px) * m * decade >= size_px + gap_px) return m * decade;
    return kLargest;
}

namespace {

GridLabel Measure(const plot::Canvas& canvas, double value, Point at) {
    GridLabel label;
    label.text = console::PlainNumber(value);
    label.at = at;
    label.left = canvas.PixelColumn(at.x);
    label.top = canvas.PixelRow(at.y);
    label.right = label.left + canvas.TextWidthPx(label.text);
    label.bottom = label.top + canvas.TextHeightPx();
    return label;
}

}  // namespace

GridLabel ExitArea(const plot::Canvas& canvas, const PlotLayout& layout) {
    GridLabel area;
    area.text = "Exit";
    area.at = layout.ExitBoxCorner1();
    area.left = canvas.PixelColumn(layout.ExitBoxCorner1().x) - kLabelGap_px;
    area.top = canvas.PixelRow(layout.ExitBoxCorner2().y);
    area.right = canvas.WidthPx();
    area.bottom = canvas.PixelRow(layout.ExitLabel().y) + canvas.TextHeightPx();
    return area;
}

bool Overlap(const GridLabel& a, const GridLabel& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

GridLabels ProfileGridLabels(const plot::Canvas& canvas, const PlotLayout& layout) {
    GridLabels labels;

    const std::vector<double> heights = layout.HeightGridLines_m();
    if (!heights.empty()) {
        const double step = heights.size() > 1 ? heights[1] - heights[0] : 0.0;
        const double spacing = canvas.PixelY(0.0) - canvas.PixelY(step);
        const GridLabel sample =
            Measure(canvas, heights.back(), layout.HeightLabel(heights.back()));
        const int every = LabelEvery(spacing, sample.bottom - sample.top);
        const GridLabel exit = ExitArea(canvas, layout);
        for (std::size_t k = 0; k < heights.size(); k += static_cast<std::size_t>(every)) {
            GridLabel label = Measure(canvas, heights[k], layout.HeightLabel(heights[k]));
            // A label long enough to reach the "Exit" box is left out beside it.
            if (!Overlap(label, exit)) labels.heights.push_back(std::move(label));
        }
    }

    const std::vector<double> distances = layout.DistanceGridLines_km();
    if (!distances.empty()) {
        const double step = distances.size() > 1 ? distances[1] - distances[0] : 0.0;
        const double spacing = canvas.PixelX(step) - canvas.PixelX(0.0);
        int widest = 0;
        for (double x : distances)
            widest = std::max(widest, canvas.TextWidthPx(console::PlainNumber(x)));
        const int every = LabelEvery(spacing, widest);
        // The height labels stand from 1.005 D on; a distance label ends short of them.
        const int heightColumn = canvas.PixelColumn(layout.HeightLabel(0.0).x);
        for (std::size_t k = 0; k < distances.size(); k += static_cast<std::size_t>(every)) {
            GridLabel label = Measure(canvas, distances[k], layout.DistanceLabel(distances[k]));
            if (label.right + kLabelGap_px > heightColumn) break;
            labels.distances.push_back(std::move(label));
        }
    }
    return labels;
}

}  // namespace pathprofile
