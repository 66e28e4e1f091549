// Classification of a typed position, and free-format latitude/longitude read and written.
#include "geodesy/position_input.h"

#include <cmath>
#include <utility>

#include "geodesy/constants.h"
#include "geodesy/display_mask.h"
#include "geodesy/fixed_digits.h"

namespace geodesy {

namespace {

constexpr std::size_t kMinClassifiedLength = 5;  // shorter texts are site names
constexpr std::size_t kNumberPrefixLength = 4;   // characters read for the number test
constexpr double kTypedLatLongResolution_km = 0.001;
constexpr double kSecondsPerDegree = 3600.0;
constexpr std::string_view kDegreeUtf8 = "\xC2\xB0";
constexpr char kDegreeLatin1 = '\xB0';

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsCapital(char c) {
    return c >= 'A' && c <= 'Z';
}

std::string RemoveSpaces(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += c;
    return out;
}

// Degrees + minutes/60 + seconds/3600 of one coordinate's text (without hemisphere letter).
double ReadDms(std::string_view t) {
    const std::size_t p1 = t.size() > 1 ? t.find(' ', 1) : std::string_view::npos;
    if (p1 == std::string_view::npos) return std::fabs(LeadingNumber(t));
    // The hemisphere letter gives the sign: a minus sign before the degrees is dropped here as
    // it is for a plain decimal value, rather than subtracting the minutes from the degrees.
    const double d = std::fabs(LeadingNumber(t.substr(0, p1)));
    const std::size_t p2 = t.find(' ', p1 + 1);
    const std::size_t m_end = p2 == std::string_view::npos ? t.size() : p2 + 1;
    const double m = LeadingNumber(t.substr(p1 + 1, m_end - p1 - 1));
    const double s = LeadingNumber(t.substr(m_end));
    return d + m / kMinutesPerDegree + s / kSecondsPerDegree;
}

// Layout 0 of a finite position, "51.500000N , 1.250000W", written in one buffer: for a
// magnitude the masks "##0.000000" and "###0.000000" write exactly the plain fixed-point digits
// with six decimals (no leading zeros beyond the one before the point).
std::string DecimalDegreesText(double lat, std::string_view ns, double lon, std::string_view ew) {
    constexpr int kDecimals = 6;
    char buffer[2 * 320];
    char* out = FixedDigits(buffer, buffer + 320, lat, kDecimals).ptr;
    std::string text(buffer, out);
    text += ns;
    text += " , ";
    out = FixedDigits(buffer, buffer + sizeof buffer, lon, kDecimals).ptr;
    text.append(buffer, out);
    text += ew;
    return text;
}

}  // namespace

Classification ClassifyInput(std::string_view s) {
    Classification c{InputClass::kSiteName, std::string(s)};
    if (s.size() < kMinClassifiedLength) return c;
    if (LeadingNumber(s.substr(0, kNumberPrefixLength)) > 0) {
        c.input_class = InputClass::kLatLong;
        return c;
    }
    if (!IsCapital(s[0]) || !IsCapital(s[1]) || !IsDigit(s[2]) || !IsDigit(s[3])) return c;
    const std::string t = RemoveSpaces(s);
    const bool has6 = t.size() >= 6;
    if (has6 && IsDigit(t[4]) && IsDigit(t[5])) {
        c.input_class = InputClass::kGridRef;
        c.text = t;
    } else if (has6 && IsCapital(t[4]) && IsCapital(t[5])) {
        c.input_class = InputClass::kLocator;
        c.text = t;
    }
    return c;
}

ParsedLatLong ParseLatLong(std::string_view text) {
    // One pass: degree signs and the other separators become blanks, and a blank after a blank
    // is dropped, so runs of blanks become one.
    // The cleaned text is never longer than the typed one.
    std::string a(text.size(), ' ');
    std::size_t length = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == kDegreeUtf8[0] && text.substr(i, kDegreeUtf8.size()) == kDegreeUtf8) {
            c = ' ';
            i += kDegreeUtf8.size() - 1;
        } else if (c == '"' || c == ',' || c == '\'' || c == kDegreeLatin1) {
            c = ' ';
        }
        if (c == ' ' && length > 0 && a[length - 1] == ' ') continue;
        a[length++] = c;
    }
    a.resize(length);
    // Upper-cased after the cleaning: whether a byte is a UTF-8 lead depends on the byte that
    // follows it in the cleaned text. Each character looks only at the one after it, which is
    // not yet changed, so the text can be changed in place. The same pass finds the first of
    // each hemisphere letter.
    constexpr std::size_t kNone = std::string::npos;
    std::size_t first_n = kNone, first_s = kNone, first_e = kNone, first_w = kNone;
    for (std::size_t i = 0; i < a.size(); ++i) {
        a[i] = UpperAt(a, i);
        std::size_t* first = a[i] == 'N'   ? &first_n
                             : a[i] == 'S' ? &first_s
                             : a[i] == 'E' ? &first_e
                             : a[i] == 'W' ? &first_w
                                           : nullptr;
        if (first && *first == kNone) *first = i;
    }

    ParsedLatLong out;
    double lat_sign = 1.0, lon_sign = 1.0;
    std::size_t pn = first_n;
    if (pn == kNone) {
        pn = first_s;
        lat_sign = -1.0;
    }
    std::size_t pe = first_e;
    if (pe == kNone) {
        pe = first_w;
        lon_sign = -1.0;
    }
    if (pn == std::string::npos || pe == std::string::npos) return out;  // cleaned stays ""

    // Each hemisphere letter ends the number before it; text after the later one is ignored.
    const std::string_view view(a);
    std::string_view lat_text, lon_text;
    if (pe <= pn) {
        lon_text = view.substr(0, pe);
        lat_text = view.substr(pe + 1, pn - pe - 1);
    } else {
        lat_text = view.substr(0, pn);
        lon_text = view.substr(pn + 1, pe - pn - 1);
    }
    const double lat_deg = lat_sign * ReadDms(lat_text);
    const double lon_deg = lon_sign * ReadDms(lon_text);
    // A number beyond the double range ("1e999N") names no position: refused as unreadable.
    if (!std::isfinite(lat_deg) || !std::isfinite(lon_deg)) return out;
    out.ok = true;
    out.cleaned = std::move(a);
    out.lat_deg = lat_deg;
    out.lon_deg = lon_deg;
    out.resolution_km = kTypedLatLongResolution_km;
    return out;
}

std::optional<std::string> FormatLatLong(double lat_deg, double lon_deg, int ll_format) {
    const char* const ns = lat_deg >= 0 ? "N" : "S";
    const char* const ew = lon_deg >= 0 ? "E" : "W";
    const double lat = std::fabs(lat_deg), lon = std::fabs(lon_deg);
    const double lat_d = std::trunc(lat), lon_d = std::trunc(lon);
    const std::string deg = "\xC2\xB0 ";  // degree sign and a blank
    switch (ll_format) {
        case 0:
            if (std::isfinite(lat) && std::isfinite(lon))
                return DecimalDegreesText(lat, ns, lon, ew);
            return FormatMask(lat, "##0.000000") + ns + " , " + FormatMask(lon, "###0.000000") + ew;
        case 1:
            return FormatMask(lat_d, "##0") + deg +
                   FormatMask((lat - lat_d) * kMinutesPerDegree, "00.0000' ") + ns + " , " +
                   FormatMask(lon_d, "#0") + deg +
                   FormatMask((lon - lon_d) * kMinutesPerDegree, "00.0000' ") + ew;
        case 2: {
            const double lat_m = std::trunc((lat - lat_d) * kMinutesPerDegree);
            const double lon_m = std::trunc((lon - lon_d) * kMinutesPerDegree);
            const double lat_s = (lat - lat_d - lat_m / kMinutesPerDegree) * kSecondsPerDegree;
            const double lon_s = (lon - lon_d - lon_m / kMinutesPerDegree) * kSecondsPerDegree;
            return FormatMask(lat_d, "##0") + deg + FormatMask(lat_m, "00'") + " " +
                   FormatMask(lat_s, "00.0'' ") + ns + ", " + FormatMask(lon_d, "#0") + deg +
                   FormatMask(lon_m, "00'") + " " + FormatMask(lon_s, "00.0'' ") + ew;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace geodesy
