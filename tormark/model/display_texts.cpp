#include "display_texts.h"

#include <charconv>
#include <cstdint>

#include "geodesy/display_mask.h"
#include "geodesy/rounding.h"

namespace tormark {

namespace {

constexpr char kEastNorthMask[] = "######";
constexpr char kSizeMask[] = "###m";
constexpr char kBearingMask[] = "##0.0";
// The degree sign in UTF-8, as the geodesy core writes it.
constexpr char kDegreeSign[] = "\xC2\xB0";

// Appends v in the mask "######" (whole metres, no leading zeros). Grid values of a metre or more
// take a direct integer conversion with the same digits; anything else goes through FormatMask.
void AppendMetres(std::string& out, double v) {
    constexpr double kDirectLimit = 1e15;  // well inside the exact integer range of a double
    if (v >= 1.0 && v < kDirectLimit) {
        char buf[24];
        const auto res = std::to_chars(buf, buf + sizeof buf,
                                       static_cast<std::int64_t>(geodesy::RoundHalfEven(v)));
        out.append(buf, res.ptr);
    } else {
        out += geodesy::FormatMask(v, kEastNorthMask);
    }
}

}  // namespace

std::string EastNorthText(double e_m, double n_m) {
    std::string out;
    out.reserve(24);
    out += "E: ";
    AppendMetres(out, e_m);
    out += " , N: ";
    AppendMetres(out, n_m);
    return out;
}

std::string EastNorthText(const geodesy::NgrText& ngr) {
    if (ngr.status != geodesy::NgrStatus::kOk) return "";
    return EastNorthText(ngr.easting_m, ngr.northing_m);
}

std::string OsMapCaption(const geodesy::NgrText& ngr) {
    if (ngr.status != geodesy::NgrStatus::kOk) return "";
    std::string compact;
    for (char c : ngr.text)
        if (c != ' ') compact += c;
    return geodesy::Square10km(compact);
}

std::string BearingText(double bearing_deg) {
    return geodesy::FormatMask(bearing_deg, kBearingMask) + kDegreeSign;
}

std::string CellSizeText(double size_m) {
    return geodesy::FormatMask(size_m, kSizeMask);
}

}  // namespace tormark
