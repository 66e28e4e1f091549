// Clipping a line segment to a rectangle of the plot, so that what is drawn about the line of
// sight (the Fresnel zone's bounds) stays over the plot and off the labels around it.
#pragma once

#include <optional>
#include <utility>

#include "plot_layout.h"

namespace pathprofile {

// A rectangle in plot coordinates: left <= right (km), bottom <= top (m).
struct PlotBox {
    double left = 0.0, bottom = 0.0, right = 0.0, top = 0.0;
};

// The part of the segment a -> b inside `box` (edges included), in the same direction;
// nullopt when no part is inside.
std::optional<std::pair<Point, Point>> ClipSegment(Point a, Point b, const PlotBox& box);

}  // namespace pathprofile
