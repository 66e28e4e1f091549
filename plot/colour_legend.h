// A colour scale's key: a bar of its colours, lowest entry at the bottom, with labels beside it
// and a title naming what the colours stand for and its unit, on a white plate. The plate is laid
// out in pixels from the picture's text size, so it reads the same on a small window as on a
// large one: labels that would overprint one another are left out, and the bar is painted pixel
// row by pixel row, so it has no gaps however tall it is.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "console/palette.h"
#include "plot/canvas.h"

namespace plot {

// The pixel rows a line of text takes on `canvas`, whichever way its user scale runs.
int LineHeightPx(const Canvas& canvas);

// A rectangle of pixels, both corners included.
struct PixelBox {
    int left = 0, top = 0, right = -1, bottom = -1;
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

struct ColourScale {
    std::vector<std::string> title;  // e.g. {"Height m"}: what the colours stand for, with unit
    int entries = 0;                 // entry 0 at the bottom of the bar, entries - 1 at the top
    std::function<console::Rgb(int entry)> colour;
    // The labels in the order they are wanted: each is placed unless it would overprint one
    // already placed (so the first few, e.g. the ends of the scale, are always there).
    struct Label {
        int entry = 0;
        std::string text;
    };
    std::vector<Label> labels;
};

// Draws the key on a white plate framed in black whose right edge is at right_px and whose
// top and bottom stay within top_px ... bottom_px; the bar takes whatever height the title
// leaves. Returns the plate's box.
PixelBox DrawColourScale(Canvas& canvas, const ColourScale& scale, int right_px, int top_px,
                         int bottom_px);

// The plate's width on `canvas` (its text size), for a window that must make room for it.
int ColourScaleWidthPx(const Canvas& canvas, const ColourScale& scale);

// The pixel row of the bar from barTop to barBottom (barTop < barBottom) that shows entry
// `entry` of `entries`: the bar's rows divided evenly among the entries.
int EntryRow(int entry, int entries, int barTop, int barBottom);

// The height key of the map tools: the palette's 256 entries, labelled with the heights
// entryHeight(entry) of the entries 0, 255, 128, 64, 192, ... (whole metres), titled "Height m".
ColourScale HeightScale(const console::Palette& palette,
                        const std::function<double(int entry)>& entryHeight);

}  // namespace plot
