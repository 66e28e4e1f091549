#include "horizon_csv.h"

#include <charconv>
#include <string_view>

#include "console/console_constants.h"

namespace horizon {
namespace {

constexpr int kAngleDecimals = 4;     // 0.0001 degree: 0.17 m across at 100 km
constexpr int kDistanceDecimals = 3;  // metres

// `value` with `decimals` digits after "."; a negative value that rounds to zero loses its sign.
void AppendFixed(std::string& out, double value, int decimals) {
    char buffer[64];  // the values are bearings, angles and distances: a few digits each
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) {
        out += "nan";
        return;
    }
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string_view::npos)
        text.remove_prefix(1);
    out += text;
}

}  // namespace

std::string HorizonCsv(const HorizonSweep& sweep) {
    std::string out = std::string(kHorizonCsvHeader) + "\n";
    out.reserve(out.size() + sweep.rays.size() * 36);  // about 32 characters a row
    for (const RayHorizon& ray : sweep.rays) {
        AppendFixed(out, ray.bearing_deg, kAngleDecimals);
        out += ',';
        AppendFixed(out, ray.angle_rad * console::kDegPerRad, kAngleDecimals);
        out += ',';
        AppendFixed(out, sweep.Distance_km(ray), kDistanceDecimals);
        out += ray.noData ? ",1\n" : ",0\n";
    }
    return out;
}

}  // namespace horizon
