#include "plot_layout.h"

#include <algorithm>
#include <cmath>

#include "path_geometry.h"

namespace pathprofile {
namespace {

// Fractions of D and of the window's height that place the window edges, the "Exit" box and
// the labels (single-precision literals, widened like every fractional constant of the tool).
constexpr double F(float f) {
    return static_cast<double>(f);
}

// The window of a plot from 0 m to M ran down to -M/20: the Exit box's band is placed as it
// was there.
constexpr double kBandFoot = 1.0 / 20.0;

}  // namespace

PlotLayout::PlotLayout(double path_km, HeightAxis axis, AxisRows rows, int window_height_px)
    : d_(path_km), axis_(axis) {
    const int axis_rows =
        std::max(1, window_height_px - std::max(0, rows.headroom_px) - std::max(0, rows.foot_px));
    const double metres_per_row = axis_.Span_m() / axis_rows;
    top_m_ = axis_.top_m + std::max(0, rows.headroom_px) * metres_per_row;
    bottom_m_ = axis_.bottom_m - std::max(0, rows.foot_px) * metres_per_row;
}

double PlotLayout::Left() const {
    return -F(0.05f) * d_;
}
double PlotLayout::Right() const {
    return F(1.1f) * d_;
}

double PlotLayout::Band(double fraction) const {
    return bottom_m_ + (fraction + kBandFoot) / (1.0 + kBandFoot) * (top_m_ - bottom_m_);
}

Point PlotLayout::ExitBoxCorner1() const {
    return {F(1.05f) * d_, Band(F(0.4f))};
}
Point PlotLayout::ExitBoxCorner2() const {
    return {F(1.08f) * d_, Band(F(0.5f))};
}
Point PlotLayout::ExitCrossA1() const {
    return {F(1.051f) * d_, Band(F(0.41f))};
}
Point PlotLayout::ExitCrossA2() const {
    return {F(1.079f) * d_, Band(F(0.49f))};
}
Point PlotLayout::ExitCrossB1() const {
    return {F(1.051f) * d_, Band(F(0.49f))};
}
Point PlotLayout::ExitCrossB2() const {
    return {F(1.079f) * d_, Band(F(0.41f))};
}
Point PlotLayout::ExitLabel() const {
    return {F(1.05f) * d_, Band(F(0.39f))};
}

bool PlotLayout::IsExitClick(double x, double y) const {
    return x > F(1.05f) * d_ && y > Band(F(0.4f)) && y < Band(F(0.5f));
}

double PlotLayout::HeightStep_m() const {
    return RoundGridStep(axis_.Span_m());
}
double PlotLayout::DistanceStep_km() const {
    return RoundGridStep(d_);
}
std::vector<double> PlotLayout::HeightGridLines_m() const {
    return GridValues(axis_.bottom_m, axis_.top_m, HeightStep_m());
}
std::vector<double> PlotLayout::DistanceGridLines_km() const {
    return GridValues(0.0, d_, DistanceStep_km());
}

double PlotLayout::HeightLabelColumn_km() const {
    return F(1.005f) * d_;
}

}  // namespace pathprofile
