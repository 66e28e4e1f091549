#include "plot_layout.h"

#include <cmath>

#include "path_geometry.h"

namespace pathprofile {
namespace {

// Fractions of D and M that place the window edges, the "Exit" box and the labels
// (single-precision literals, widened like every fractional constant of the tool).
constexpr double F(float f) {
    return static_cast<double>(f);
}

// Grid lines from 0 to `limit` rounded to the nearest integer (halves to even).
std::vector<double> Lines(double step, double limit) {
    std::vector<double> lines;
    const double end = std::nearbyint(limit);
    for (int k = 0; k * step <= end; ++k) lines.push_back(k * step);
    return lines;
}

}  // namespace

double PlotLayout::Left() const {
    return -F(0.05f) * d_;
}
double PlotLayout::Right() const {
    return F(1.1f) * d_;
}

Point PlotLayout::ExitBoxCorner1() const {
    return {F(1.05f) * d_, F(0.4f) * m_};
}
Point PlotLayout::ExitBoxCorner2() const {
    return {F(1.08f) * d_, F(0.5f) * m_};
}
Point PlotLayout::ExitCrossA1() const {
    return {F(1.051f) * d_, F(0.41f) * m_};
}
Point PlotLayout::ExitCrossA2() const {
    return {F(1.079f) * d_, F(0.49f) * m_};
}
Point PlotLayout::ExitCrossB1() const {
    return {F(1.051f) * d_, F(0.49f) * m_};
}
Point PlotLayout::ExitCrossB2() const {
    return {F(1.079f) * d_, F(0.41f) * m_};
}
Point PlotLayout::ExitLabel() const {
    return {F(1.05f) * d_, F(0.39f) * m_};
}

bool PlotLayout::IsExitClick(double x, double y) const {
    return x > F(1.05f) * d_ && y > F(0.4f) * m_ && y < F(0.5f) * m_;
}

std::vector<double> PlotLayout::HeightGridLines_m() const {
    return Lines(HeightGridStep_m(m_), m_);
}
std::vector<double> PlotLayout::DistanceGridLines_km() const {
    return Lines(DistanceGridStep_km(d_), d_);
}

Point PlotLayout::HeightLabel(double y_m) const {
    return {F(1.005f) * d_, y_m + 2.0};
}
Point PlotLayout::DistanceLabel(double x_km) const {
    return {x_km, -1.0};
}
Point PlotLayout::ReadOut() const {
    return {F(0.2f) * d_, 10.0};
}

}  // namespace pathprofile
