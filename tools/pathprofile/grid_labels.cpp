#include "grid_labels.h"

#include <algorithm>
#include <cmath>
#include <utility>

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

GridLabel Measure(const plot::Canvas& canvas, std::string text, double value, int left, int top) {
    GridLabel label;
    label.text = std::move(text);
    label.value = value;
    label.left = left;
    label.top = top;
    label.right = left + canvas.TextWidthPx(label.text);
    label.bottom = top + canvas.TextHeightPx();
    return label;
}

// Whether the line of `value` is one of every `every` lines counted from 0 (so that the
// labelled values stay round when the lines do not start at 0).
bool Labelled(double value, double step, int every) {
    const long long index = std::llround(value / step);
    return index % every == 0;
}

}  // namespace

GridLabel ExitArea(const plot::Canvas& canvas, const PlotLayout& layout) {
    GridLabel area;
    area.text = "Exit";
    area.left = canvas.PixelColumn(layout.ExitBoxCorner1().x) - kLabelGap_px;
    area.top = canvas.PixelRow(layout.ExitBoxCorner2().y);
    area.right = canvas.WidthPx();
    area.bottom = canvas.PixelRow(layout.ExitLabel().y) + canvas.TextHeightPx();
    return area;
}

bool Overlap(const GridLabel& a, const GridLabel& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

int AxisFootRow(const plot::Canvas& canvas, const PlotLayout& layout) {
    return static_cast<int>(std::ceil(canvas.PixelY(layout.Axis().bottom_m))) - 1;
}

int HeightLabelColumn(const plot::Canvas& canvas, const PlotLayout& layout) {
    return canvas.PixelColumn(layout.HeightLabelColumn_km());
}

GridLabels ProfileGridLabels(const plot::Canvas& canvas, const PlotLayout& layout, bool exit_box) {
    GridLabels labels;
    const int line_px = canvas.TextHeightPx();
    const int height_column = HeightLabelColumn(canvas, layout);

    const std::vector<double> heights = layout.HeightGridLines_m();
    if (!heights.empty()) {
        const double step = layout.HeightStep_m();
        const double spacing = canvas.PixelY(0.0) - canvas.PixelY(step);
        const int every = LabelEvery(spacing, line_px);
        const GridLabel exit = ExitArea(canvas, layout);
        const auto place = [&](std::string text, double y) {
            // Level with its line, kept on the picture.
            const int top = std::clamp(canvas.PixelRow(y) - line_px / 2, 0,
                                       std::max(0, canvas.HeightPx() - line_px));
            return Measure(canvas, std::move(text), y, height_column, top);
        };
        for (double y : heights) {
            if (!Labelled(y, step, every)) continue;
            GridLabel label = place(GridValueText(y, step), y);
            // A label long enough to reach the "Exit" box is left out beside it.
            if (exit_box && Overlap(label, exit)) continue;
            labels.heights.push_back(std::move(label));
        }
        // The highest label carries the unit, unless that runs it into the Exit box.
        if (!labels.heights.empty()) {
            GridLabel& top = labels.heights.back();
            GridLabel with_unit = place(top.text + std::string(kHeightUnit), top.value);
            if (!(exit_box && Overlap(with_unit, exit))) top = std::move(with_unit);
        }
    }

    const std::vector<double> distances = layout.DistanceGridLines_km();
    if (!distances.empty()) {
        const double step = layout.DistanceStep_km();
        const double spacing = canvas.PixelX(step) - canvas.PixelX(0.0);
        int widest = 0;
        for (double x : distances)
            widest = std::max(widest, canvas.TextWidthPx(GridValueText(x, step)));
        const int every = LabelEvery(spacing, widest);
        const int top = AxisFootRow(canvas, layout) + 2;
        const auto place = [&](std::string text, double x) {
            // Centred under its line, kept on the picture.
            const int width = canvas.TextWidthPx(text);
            const int left = std::max(0, canvas.PixelColumn(x) - width / 2);
            return Measure(canvas, std::move(text), x, left, top);
        };
        for (double x : distances) {
            if (!Labelled(x, step, every)) continue;
            GridLabel label = place(GridValueText(x, step), x);
            // The height labels stand from 1.005 D on; a distance label ends short of them.
            if (label.right + kLabelGap_px > height_column) break;
            labels.distances.push_back(std::move(label));
        }
        // The last label that has room for it carries the unit.
        while (!labels.distances.empty()) {
            GridLabel& last = labels.distances.back();
            GridLabel with_unit = place(last.text + std::string(kDistanceUnit), last.value);
            if (with_unit.right + kLabelGap_px <= height_column) {
                last = std::move(with_unit);
                break;
            }
            labels.distances.pop_back();
        }
    }
    return labels;
}

}  // namespace pathprofile
