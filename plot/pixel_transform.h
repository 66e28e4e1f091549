// A plot's user coordinates against the pixels of its picture.
//
// x runs from x1 at the left edge of the picture to x2 at its right edge, y from y1 at the top
// edge to y2 at the bottom edge; the tools take y1 > y2 so that y grows upwards. Pixel
// coordinates are fractional: pixel column px spans px ... px + 1, its centre at px + 0.5.
#pragma once

#include "console/georeference.h"

namespace plot {

// The pixel index of a fractional pixel coordinate (its floor), kept within +-1e8 so that
// far-off user coordinates clip instead of overflowing an int; NaN counts as far off to the
// left or top.
int PixelIndex(double pixel);

class PixelTransform {
  public:
    // A picture of width_px x height_px (at least 1 x 1) whose user coordinates are its pixels.
    PixelTransform(int width_px, int height_px);

    // The corners' user coordinates: (x1, y1) top-left, (x2, y2) bottom-right. A scale with no
    // extent (x1 == x2 or y1 == y2) or a corner that is not finite is refused (false) and the
    // previous scale kept, so the picture always stays usable.
    bool SetScale(double x1, double y1, double x2, double y2);
    const console::UserScale& Corners() const { return corners_; }

    double PixelX(double x) const;  // user x to pixel column (fractional)
    double PixelY(double y) const;
    double UserX(double px) const;  // the inverse pair of PixelX / PixelY
    double UserY(double py) const;
    // The pixel holding a user coordinate: PixelIndex of PixelX / PixelY.
    int PixelColumn(double x) const { return PixelIndex(PixelX(x)); }
    int PixelRow(double y) const { return PixelIndex(PixelY(y)); }
    // The user height of `pixels` pixel rows (positive whichever way y runs).
    double UserHeight(double pixels) const;

    int WidthPx() const { return width_px_; }
    int HeightPx() const { return height_px_; }

  private:
    int width_px_;
    int height_px_;
    console::UserScale corners_;
};

}  // namespace plot
