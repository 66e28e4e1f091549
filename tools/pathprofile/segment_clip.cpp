#include "segment_clip.h"

#include <algorithm>

namespace pathprofile {

std::optional<std::pair<Point, Point>> ClipSegment(Point a, Point b, const PlotBox& box) {
    // Liang and Barsky's clip: the segment is a + t (b - a), 0 <= t <= 1; each edge of the box
    // narrows the range of t that lies on its inner side.
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t0 = 0.0, t1 = 1.0;
    const auto narrow = [&](double p, double q) {
        // Inside where p t <= q.
        if (p == 0.0) return q >= 0.0;
        const double t = q / p;
        if (p < 0.0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        return t0 <= t1;
    };
    if (!narrow(-dx, a.x - box.left) || !narrow(dx, box.right - a.x) ||
        !narrow(-dy, a.y - box.bottom) || !narrow(dy, box.top - a.y)) {
        return std::nullopt;
    }
    const auto at = [&](double t) { return Point{a.x + t * dx, a.y + t * dy}; };
    return std::pair{t0 == 0.0 ? a : at(t0), t1 == 1.0 ? b : at(t1)};
}

}  // namespace pathprofile
