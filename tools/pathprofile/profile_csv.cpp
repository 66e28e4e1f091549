#include "profile_csv.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "console/numbers.h"
#include "fresnel_zone.h"

namespace pathprofile {
namespace {

constexpr int kDistanceDecimals = 3;  // metres
constexpr int kDegreeDecimals = 6;    // 1e-6 degree of latitude is 0.11 m
constexpr int kHeightDecimals = 2;    // centimetres

constexpr int kDecibelDecimals = 2;

using console::AppendFixed;

// The longest shortest form of a double, "-2.2250738585072014e-308", with room to spare.
constexpr std::size_t kShortestTextSize = 32;

// `value` in the fewest digits that read back as the same double.
void AppendShortest(std::string& out, double value) {
    char buffer[kShortestTextSize];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (result.ec != std::errc()) {
        out += "nan";
        return;
    }
    out.append(buffer, result.ptr);
}

// The path's own columns, each after a ",": the same on every row.
std::string LinkColumns(const Profile& profile, const LinkFigures& link) {
    std::string out;
    const auto fixed = [&out](double value, int decimals) {
        out += ',';
        AppendFixed(out, value, decimals);
    };
    const auto shortest = [&out](double value) {
        out += ',';
        AppendShortest(out, value);
    };
    fixed(profile.path_km, kDistanceDecimals);
    shortest(link.inputs.k_factor);
    fixed(link.txHeight_m, kHeightDecimals);
    fixed(link.rxHeight_m, kHeightDecimals);
    shortest(link.inputs.frequency_MHz);
    fixed(link.freeSpace_dB, kDecibelDecimals);
    fixed(link.diffraction.loss_dB, kDecibelDecimals);
    fixed(link.pathLoss_dB, kDecibelDecimals);
    if (link.received_dBm) {
        shortest(*link.inputs.erp_W);
        fixed(link.inputs.rxGain_dBi, kDecibelDecimals);
        fixed(*link.received_dBm, kDecibelDecimals);
        fixed(*link.field_dBuV_per_m, kDecibelDecimals);
    }
    if (link.fadeMargin_dB) {
        fixed(*link.inputs.sensitivity_dBm, kDecibelDecimals);
        fixed(*link.fadeMargin_dB, kDecibelDecimals);
    }
    return out;
}

}  // namespace

std::string ProfileCsvHeader(bool with_fresnel, const LinkFigures* link) {
    std::string header = "distance_km,lat,lon,ground_m,bulge_m,los_m,clearance_m";
    if (!with_fresnel) return header;
    header += ",fresnel_r1_m";
    if (!link) return header;
    header +=
        ",between_masts,path_km,k_factor,tx_asl_m,rx_asl_m,frequency_mhz,free_space_db,"
        "diffraction_db,path_loss_db";
    if (link->received_dBm) header += ",erp_w,rx_gain_dbi,received_dbm,field_dbuv_m";
    if (link->fadeMargin_dB) header += ",sensitivity_dbm,fade_margin_db";
    return header;
}

std::string ProfileCsv(const Profile& profile, LatLon base, double bearing_deg,
                       const SightLine& line, std::optional<double> wavelength_m,
                       const LinkFigures* link) {
    if (!wavelength_m) link = nullptr;
    std::string out = ProfileCsvHeader(wavelength_m.has_value(), link) + "\n";
    const std::string path_columns = link ? LinkColumns(profile, *link) : std::string();
    // About 70 characters a row, and the link's columns.
    out.reserve(out.size() + profile.samples_m.size() * (72 + path_columns.size() + 2));
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
        if (link) {
            const int index = static_cast<int>(i);
            const bool between =
                link->samples && index >= link->samples->first && index <= link->samples->last;
            out += between ? ",1" : ",0";
            out += path_columns;
        }
        out += '\n';
    }
    return out;
}

}  // namespace pathprofile
