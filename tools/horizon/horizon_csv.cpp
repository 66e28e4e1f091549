#include "horizon_csv.h"

#include <charconv>
#include <string_view>

#include "console/console_constants.h"
#include "console/numbers.h"

namespace horizon {
namespace {

using console::AppendFixed;

constexpr int kAngleDecimals = 4;     // 0.0001 degree: 0.17 m across at 100 km
constexpr int kDistanceDecimals = 3;  // metres

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
