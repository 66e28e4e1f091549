#include "ground_columns.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "console/numbers.h"

namespace pathprofile {

std::vector<GroundColumn> GroundColumns(const Profile& profile,
                                        const plot::PixelTransform& pixels) {
    std::vector<GroundColumn> columns;
    const std::size_t n = std::min(profile.samples_m.size(), profile.distance_km.size());
    if (n == 0) return columns;
    const int first = std::max(0, pixels.PixelColumn(0.0));
    const int last = std::min(pixels.WidthPx() - 1, pixels.PixelColumn(profile.path_km));
    if (last < first) return columns;

    const std::size_t count = static_cast<std::size_t>(last - first + 1);
    columns.resize(count);
    std::vector<bool> centred(count, false);  // the stretch under the centre has been found
    for (std::size_t c = 0; c < count; ++c) {
        columns[c].column = first + static_cast<int>(c);
        columns[c].top_m = -std::numeric_limits<double>::infinity();
    }
    const auto ground = [&profile](std::size_t i) {
        return console::RoundHalfEven(profile.samples_m[i]);
    };
    const auto has_no_data = [&profile](std::size_t i) {
        return i < profile.no_data.size() && profile.no_data[i];
    };
    const auto bulge = [&profile](std::size_t i) {
        return i < profile.bulge_m.size() ? profile.bulge_m[i] : 0.0;
    };

    for (std::size_t i = 0; i < n; ++i) {
        // The stretch from sample i to the next, or from the last sample on to D.
        const double x0 = profile.distance_km[i];
        const double x1 = i + 1 < n ? profile.distance_km[i + 1] : std::max(x0, profile.path_km);
        const double h0 = ground(i);
        const double h1 = i + 1 < n ? ground(i + 1) : h0;
        const double b0 = bulge(i);
        const double b1 = i + 1 < n ? bulge(i + 1) : b0;
        const auto along = [&](double from, double to, double x) {
            return x1 > x0 ? from + (to - from) * (x - x0) / (x1 - x0) : from;
        };
        const int c0 = std::max(first, pixels.PixelColumn(x0));
        const int c1 = std::min(last, pixels.PixelColumn(x1));
        for (int c = c0; c <= c1; ++c) {
            GroundColumn& column = columns[static_cast<std::size_t>(c - first)];
            const double left = std::clamp(pixels.UserX(c), x0, x1);
            const double right = std::clamp(pixels.UserX(c + 1.0), x0, x1);
            column.top_m = std::max({column.top_m, along(h0, h1, left), along(h0, h1, right)});
            const double centre = pixels.UserX(c + 0.5);
            const bool under_centre = (centre >= x0 && centre < x1) || (i + 1 == n && centre >= x0);
            const std::size_t k = static_cast<std::size_t>(c - first);
            if (under_centre || !centred[k]) {
                column.bulge_m = along(b0, b1, std::clamp(centre, x0, x1));
                column.no_data = has_no_data(i);
                centred[k] = centred[k] || under_centre;
            }
        }
    }
    return columns;
}

}  // namespace pathprofile
