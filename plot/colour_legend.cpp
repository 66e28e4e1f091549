#include "plot/colour_legend.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace plot {

namespace {

// The plate's margins and the bar's width grow with the text, so the key keeps its proportions.
int MarginPx(int textHeight_px) {
    return std::max(3, textHeight_px / 3);
}
int BarWidthPx(int textHeight_px) {
    return std::max(10, textHeight_px);
}

void Frame(Canvas& canvas, const PixelBox& box, console::Rgb colour) {
    canvas.FillPixels(box.left, box.top, box.right, box.top, colour);
    canvas.FillPixels(box.left, box.bottom, box.right, box.bottom, colour);
    canvas.FillPixels(box.left, box.top, box.left, box.bottom, colour);
    canvas.FillPixels(box.right, box.top, box.right, box.bottom, colour);
}

void PrintAt(Canvas& canvas, int left_px, int top_px, const std::string& text) {
    canvas.SetPosition(canvas.UserX(left_px + 0.5), canvas.UserY(top_px + 0.5));
    canvas.Print(text);
}

}  // namespace

int LineHeightPx(const Canvas& canvas) {
    return std::abs(canvas.TextHeightPx());
}

int EntryRow(int entry, int entries, int barTop, int barBottom) {
    const int rows = barBottom - barTop + 1;
    const int fromBottom = static_cast<int>(std::floor((entry + 0.5) * rows / entries));
    return barBottom - std::clamp(fromBottom, 0, rows - 1);
}

int ColourScaleWidthPx(const Canvas& canvas, const ColourScale& scale) {
    const int th = LineHeightPx(canvas);
    const int m = MarginPx(th);
    int labelWidth = 0;
    for (const ColourScale::Label& label : scale.labels)
        labelWidth = std::max(labelWidth, canvas.TextWidthPx(label.text));
    int titleWidth = 0;
    for (const std::string& line : scale.title)
        titleWidth = std::max(titleWidth, canvas.TextWidthPx(line));
    return std::max(m + BarWidthPx(th) + m + labelWidth + m, titleWidth + 2 * m);
}

PixelBox DrawColourScale(Canvas& canvas, const ColourScale& scale, int right_px, int top_px,
                         int bottom_px) {
    const int th = LineHeightPx(canvas);
    const int m = MarginPx(th);
    const int bw = BarWidthPx(th);
    const int plateWidth = ColourScaleWidthPx(canvas, scale);

    PixelBox plate{right_px - plateWidth + 1, top_px, right_px, bottom_px};
    canvas.FinishPainting();
    canvas.FillPixels(plate.left, plate.top, plate.right, plate.bottom, console::kWhite);
    Frame(canvas, plate, console::kBlack);

    canvas.SetTextColour(console::kBlack);
    canvas.SetTextBackground(std::nullopt);
    int y = plate.top + m;
    for (const std::string& line : scale.title) {
        PrintAt(canvas, plate.left + m, y, line);
        y += th;
    }
    // Half a label's height above and below the bar, for the labels of its end entries.
    const int barTop = y + m + th / 2;
    const int barBottom = plate.bottom - m - th / 2;
    if (scale.entries < 1 || barBottom - barTop < 2) return plate;
    const int barLeft = plate.left + m;
    const int barRight = barLeft + bw - 1;
    canvas.FinishPainting();
    const int rows = barBottom - barTop + 1;
    for (int row = barTop; row <= barBottom; ++row) {
        const int fromBottom = barBottom - row;
        const int entry = std::min(scale.entries - 1, fromBottom * scale.entries / rows);
        canvas.FillPixels(barLeft, row, barRight, row, scale.colour(entry));
    }
    Frame(canvas, {barLeft - 1, barTop - 1, barRight + 1, barBottom + 1}, console::kBlack);

    // Each label centred on its entry's row; one that would touch a placed label is left out.
    std::vector<std::pair<int, int>> placed;  // top and bottom rows of the labels placed
    for (const ColourScale::Label& label : scale.labels) {
        if (label.entry < 0 || label.entry >= scale.entries) continue;
        const int top = EntryRow(label.entry, scale.entries, barTop, barBottom) - th / 2;
        const int bottom = top + th - 1;
        const bool clash = std::any_of(placed.begin(), placed.end(), [&](const auto& p) {
            return top <= p.second + 1 && p.first <= bottom + 1;
        });
        if (clash || top <= plate.top || bottom >= plate.bottom) continue;
        placed.emplace_back(top, bottom);
        canvas.FillPixels(barRight + 2, top + th / 2, barRight + m - 1, top + th / 2,
                          console::kBlack);
        PrintAt(canvas, barRight + 1 + m, top, label.text);
    }
    return plate;
}

ColourScale HeightScale(const console::Palette& palette,
                        const std::function<double(int entry)>& entryHeight) {
    ColourScale scale;
    scale.title = {"Height m"};
    scale.entries = console::kPaletteEntries;
    scale.colour = [palette](int entry) { return palette[entry]; };
    // Both ends first, then halving the gaps: whatever the bar's height, the labels left out are
    // the in-between ones, and those kept stay evenly spread.
    std::vector<int> order{0, console::kPaletteEntries - 1};
    for (int step = 128; step >= 16; step /= 2)
        for (int e = step; e < console::kPaletteEntries - 1; e += 2 * step) order.push_back(e);
    for (const int e : order) {
        const double h = entryHeight(e);
        scale.labels.push_back({e, std::to_string(static_cast<long>(std::lround(h)))});
    }
    return scale;
}

}  // namespace plot
