// Where visplot's click read-out goes: in the strip below the plot, from 0.6 of the plot's width
// when it fits there; moved left so that it ends inside the window when it does not; and, in a
// window too narrow for the whole line, split in two, each part from the left margin.
#pragma once

namespace visplot {

struct ReadOutPlace {
    int left_px = 0;        // pixel column of the first character
    bool twoLines = false;  // the height and distance part goes on a line of its own
};

// windowWidth_px: the window; preferredLeft_px: where the read-out starts when it fits;
// margin_px: the gap kept from both window edges; width_px: the pixel width of the whole line.
ReadOutPlace PlaceReadOut(int windowWidth_px, int preferredLeft_px, int margin_px, int width_px);

}  // namespace visplot
