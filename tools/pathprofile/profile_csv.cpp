#include "profile_csv.h"

#include <charconv>
#include <cmath>

#include "fresnel_zone.h"

namespace pathprofile {
namespace {

constexpr int kDistanceDecimals = 3;  // metres
constexpr int kDegreeDecimals = 6;    // 1e-6 degree of latitude is 0.11 m
constexpr int kHeightDecimals = 2;    // centimetres

// `value` with `decimals` digits after ".", independent of the locale; a negative value that
// rounds to zero is written without its sign.
void AppendFixed(std::string& out, double value, int decimals) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    if (!text.empty() && text.front() == '-' &&
        text.find_first_not_of("-0.") == std::string_view::npos) {
        text.remove_prefix(1);
    }
    out += text;
}

}  // namespace

std::string ProfileCsvHeader(bool with_fresnel) {
    std::string header = "distance_km,lat,lon,ground_m,bulge_m,los_m,clearance_m";
    if (with_fresnel) header += ",fresnel_r1_m";
    return header;
}

std::string ProfileCsv(const Profile& profile, LatLon base, double bearing_deg,
                       const SightLine& line, std::optional<double> wavelength_m) {
    std::string out = ProfileCsvHeader(wavelength_m.has_value()) + "\n";
    // About 70 characters a row.
    out.reserve(out.size() + profile.samples_m.size() * 72);
    for (std::size_t i = 0; i < profile.samples_m.size(); ++i) {
        const double x_km = profile.distance_km[i];
        const LatLon p = DestinationPoint(base, bearing_deg, x_km);
        const double los_m = line.At_m(x_km);
        AppendFixed(out, x_km, kDistanceDecimals);
        out += ',';
        AppendFixed(out, p.lat_deg, kDegreeDecimals);
        out += ',';
        AppendFixed(out, p.lon_deg, kDegreeDecimals);
        out += ',';
        // The tiles hold whole metres; the sample is that plus the bulge.
        AppendFixed(out, std::round(profile.samples_m[i] - profile.bulge_m[i]), 0);
        out += ',';
        AppendFixed(out, profile.bulge_m[i], kHeightDecimals);
        out += ',';
        AppendFixed(out, los_m, kHeightDecimals);
        out += ',';
        AppendFixed(out, los_m - profile.samples_m[i], kHeightDecimals);
        if (wavelength_m) {
            out += ',';
            AppendFixed(out, FresnelRadiusAt_m(*wavelength_m, x_km, profile.path_km),
                        kHeightDecimals);
        }
        out += '\n';
    }
    return out;
}

}  // namespace pathprofile
