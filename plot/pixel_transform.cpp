#include "plot/pixel_transform.h"

#include <cmath>

namespace plot {

namespace {

// Pixel coordinates beyond this are clipped anyway; the bound keeps floor() inside int range.
constexpr double kFarPixel = 1e8;

}  // namespace

int PixelIndex(double pixel) {
    if (!(pixel > -kFarPixel)) return -static_cast<int>(kFarPixel);  // also NaN
    if (pixel > kFarPixel) return static_cast<int>(kFarPixel);
    return static_cast<int>(std::floor(pixel));
}

PixelTransform::PixelTransform(int width_px, int height_px)
    : width_px_(width_px < 1 ? 1 : width_px),
      height_px_(height_px < 1 ? 1 : height_px),
      corners_{0, 0, static_cast<double>(width_px_), static_cast<double>(height_px_)} {}

bool PixelTransform::SetScale(double x1, double y1, double x2, double y2) {
    if (x1 == x2 || y1 == y2 || !std::isfinite(x1 + x2 + y1 + y2)) return false;
    corners_ = console::UserScale{x1, y1, x2, y2};
    return true;
}

double PixelTransform::PixelX(double x) const {
    return (x - corners_.x1) * width_px_ / (corners_.x2 - corners_.x1);
}
double PixelTransform::PixelY(double y) const {
    return (y - corners_.y1) * height_px_ / (corners_.y2 - corners_.y1);
}
double PixelTransform::UserX(double px) const {
    return corners_.x1 + px * (corners_.x2 - corners_.x1) / width_px_;
}
double PixelTransform::UserY(double py) const {
    return corners_.y1 + py * (corners_.y2 - corners_.y1) / height_px_;
}
double PixelTransform::UserHeight(double pixels) const {
    return std::fabs(pixels * (corners_.y2 - corners_.y1) / height_px_);
}

}  // namespace plot
