#include "console/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace console {

std::int32_t RoundToInt(double value) {
    if (std::isnan(value)) return 0;
    double r = RoundHalfEven(value);
    if (r >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (r <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(r);
}

namespace {

// Room for any double in fixed notation: sign, 309 digits before the point, the point and up to
// 17 decimals -- a figure never comes out cut or as stray bytes.
constexpr std::size_t kFixedTextSize = std::numeric_limits<double>::max_exponent10 + 1 + 20;
constexpr int kMostDecimals = 17;

}  // namespace

void AppendFixed(std::string& out, double value, int decimals) {
    char buffer[kFixedTextSize];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::fixed, std::min(decimals, kMostDecimals));
    if (result.ec != std::errc()) {
        out += "nan";
        return;
    }
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    if (!text.empty() && text.front() == '-' &&
        text.find_first_not_of("-0.") == std::string_view::npos) {
        text.remove_prefix(1);
    }
    out += text;
}

}  // namespace console
