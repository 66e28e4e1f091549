#include "height_axis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace pathprofile {

HeightAxis FitHeightAxis(double low_m, double high_m) {
    if (!std::isfinite(low_m) || !std::isfinite(high_m)) return {0.0, kLeastAxisSpan_m};
    double low = std::min(low_m, high_m);
    double high = std::max(low_m, high_m);
    if (high - low < kLeastAxisSpan_m) {
        const double middle = (low + high) / 2.0;
        low = middle - kLeastAxisSpan_m / 2.0;
        high = middle + kLeastAxisSpan_m / 2.0;
        // A flat path at sea level keeps its sea at the foot rather than half a span below it.
        if (middle >= 0.0 && low < 0.0 && std::min(low_m, high_m) >= 0.0) {
            high -= low;
            low = 0.0;
        }
    }
    const double margin = kAxisMarginShare * (high - low);
    HeightAxis axis{low - margin, high + margin};
    if (low >= 0.0 && low < kZeroWasteShare * axis.top_m) axis.bottom_m = 0.0;
    return axis;
}

double RoundGridStep(double span, int max_steps) {
    if (!(span > 0.0) || !std::isfinite(span) || max_steps < 1) return 1.0;
    const double least = span / max_steps;
    double decade = std::pow(10.0, std::floor(std::log10(least)));
    for (;;) {
        for (double m : {1.0, 2.0, 5.0}) {
            // A hair of tolerance: 150 m in steps of 10 m is 15 steps, not 16.
            if (m * decade * (1.0 + 1e-9) >= least) return m * decade;
        }
        decade *= 10.0;
    }
}

namespace {

// Decimals needed to write multiples of `step` exactly (0.2: 1, 0.05: 2, 50: 0).
int StepDecimals(double step) {
    int decimals = 0;
    double scaled = std::abs(step);
    while (decimals < 9 && std::abs(scaled - std::round(scaled)) > 1e-6 * scaled) {
        scaled *= 10.0;
        ++decimals;
    }
    return decimals;
}

}  // namespace

std::vector<double> GridValues(double from, double to, double step) {
    constexpr int kMostLines = 10000;
    std::vector<double> values;
    if (!(step > 0.0) || !(to >= from) || !std::isfinite(from) || !std::isfinite(to)) return values;
    const double tolerance = 1e-6 * step;
    const double first = std::ceil((from - tolerance) / step);
    const double scale = std::pow(10.0, StepDecimals(step));
    for (int k = 0; k < kMostLines; ++k) {
        const double value = std::round((first + k) * step * scale) / scale;
        if (value > to + tolerance) break;
        values.push_back(value);
    }
    return values;
}

std::string GridValueText(double value, double step) {
    const int decimals = StepDecimals(step);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string result(text);
    // "-0" and "-0.0" are 0.
    if (result.find_first_not_of("-0.") == std::string::npos && result[0] == '-')
        result.erase(0, 1);
    return result;
}

}  // namespace pathprofile
