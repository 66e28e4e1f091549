// Classification of a typed position, free-format latitude/longitude, its display, and the
// resolve step of "&Use This".
#include "geodesy/position_input.h"

#include <charconv>
#include <cmath>

#include "geodesy/display_mask.h"
#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"
#include "geodesy/site_database.h"
#include "geodesy/upper_case.h"

namespace geodesy {

namespace {

constexpr std::size_t kMinClassifiedLength = 5;  // shorter texts are site names
constexpr std::size_t kNumberPrefixLength = 4;   // characters read for the number test
constexpr double kTypedLatLongResolution_km = 0.001;
constexpr double kMinutesPerDegree = 60.0;
constexpr double kSecondsPerDegree = 3600.0;
constexpr char kSizeMask[] = "###m";
constexpr char kSiteNameGap[] = "   ";  // between a site's name and its location in the input box
constexpr std::string_view kDegreeUtf8 = "\xC2\xB0";
constexpr char kDegreeLatin1 = '\xB0';

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
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

void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
    for (std::size_t p = text.find(from); p != std::string::npos;
         p = text.find(from, p + to.size()))
        text.replace(p, from.size(), to);
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

std::string SizeText(double size_m) {
    return FormatMask(size_m, kSizeMask);
}

// Writes the locator, grid reference and their companions derived from the result's position.
void DeriveLocator(ResolveResult& r) {
    r.locator_text = GenLocator(r.lat_deg, r.lon_deg);
}

void DeriveNgr(ResolveResult& r) {
    const NgrText n = GenNGR(r.lat_deg, r.lon_deg, r.resolution_km);
    r.ngr_text = n.text;
    r.east_north_text = n.east_north_text;
    r.square_10km = n.square_10km;
}

bool ApplyGridRef(ResolveResult& r, const std::string& compact, int ll_format) {
    const NgrPosition g = GridRefToLatLong(compact, r.resolution_km);
    if (!g.ok) {
        r.kind = ResolveKind::kGridRefError;
        r.message = g.error;
        return false;
    }
    r.position_changed = true;
    r.lat_deg = g.lat_deg;
    r.lon_deg = g.lon_deg;
    r.resolution_km = g.resolution_km;
    r.ngr_text = compact;
    r.east_north_text = g.east_north_text;
    r.square_10km = g.square_10km;
    DeriveLocator(r);
    // A grid reference names a square: both sides are the resolution.
    r.x_size_text = SizeText(r.resolution_km * 1000.0);
    r.y_size_text = r.x_size_text;
    r.ll_text = ShowLatLong(r.lat_deg, r.lon_deg, ll_format);
    return true;
}

bool ApplyLocator(ResolveResult& r, const std::string& compact, int ll_format) {
    const LocatorPosition l = LocatorToLatLong(compact);
    if (!l.ok) {
        r.kind = ResolveKind::kLocatorError;
        r.input_text = std::string(kLocatorError);
        return false;
    }
    r.position_changed = true;
    r.lat_deg = l.lat_deg;
    r.lon_deg = l.lon_deg;
    r.resolution_km = l.resolution_km;
    r.locator_text = compact;
    DeriveNgr(r);
    r.x_size_text = l.ew_size_text;
    r.y_size_text = l.ns_size_text;
    r.ll_text = ShowLatLong(r.lat_deg, r.lon_deg, ll_format);
    return true;
}

bool ApplyLatLong(ResolveResult& r, const ParsedLatLong& p, int ll_format) {
    if (!p.ok) return false;
    r.position_changed = true;
    r.lat_deg = p.lat_deg;
    r.lon_deg = p.lon_deg;
    r.resolution_km = p.resolution_km;
    DeriveLocator(r);
    DeriveNgr(r);
    r.x_size_text = std::string(kUnknownSize);
    r.y_size_text = std::string(kUnknownSize);
    r.ll_text = ShowLatLong(r.lat_deg, r.lon_deg, ll_format);
    return true;
}

void ResolveSite(ResolveResult& r, const ResolveRequest& req, const std::string& input) {
    const SiteSearchResult s = FindSiteByName(req.database_path, input);
    switch (s.outcome) {
        case SiteSearchOutcome::kFileMissing:
            r.kind = ResolveKind::kDatabaseMissing;
            r.message = s.message;
            return;
        case SiteSearchOutcome::kEndOfFile:
            r.kind = ResolveKind::kSiteSearchEnded;
            return;
        case SiteSearchOutcome::kNotFound:
            r.kind = ResolveKind::kSiteNotFound;
            r.input_text = std::string(kSiteNotFound);
            r.locator_text = "";
            r.ngr_text = "";
            r.ll_text = "";
            return;
        case SiteSearchOutcome::kFound:
            break;
    }

    r.input_text = s.fields.name + kSiteNameGap + s.fields.location;
    const Classification c = ClassifyInput(s.fields.location);
    r.input_class = c.input_class;
    bool resolved = false;
    switch (c.input_class) {
        case InputClass::kGridRef:
            resolved = ApplyGridRef(r, c.text, req.ll_format);
            break;
        case InputClass::kLocator:
            r.ngr_text = "";
            resolved = ApplyLocator(r, c.text, req.ll_format);
            if (!resolved) r.ngr_text.reset();
            break;
        case InputClass::kLatLong:
            resolved = ApplyLatLong(r, ParseLatLong(c.text), req.ll_format);
            break;
        case InputClass::kSiteName:
            break;
    }
    if (resolved) {
        r.kind = ResolveKind::kSite;
        r.sitename = s.fields.name;
        return;
    }
    if (r.kind == ResolveKind::kLocatorError) return;  // the input box says "Locator error"
    // Neither form (or a refused grid reference): the entry cannot be placed. The position,
    // and the name that belongs to it, stay as they were.
    r.kind = ResolveKind::kSiteLocationError;
    r.locator_text = std::string(kLocationError);
    r.ngr_text = std::string(kLocationError);
    r.ll_text = "";
}

bool RefreshesDistance(ResolveKind kind) {
    switch (kind) {
        case ResolveKind::kGridRef:
        case ResolveKind::kLocator:
        case ResolveKind::kLatLong:
        case ResolveKind::kSite:
        case ResolveKind::kUnreadableLatLong:
        case ResolveKind::kSiteLocationError:
            return true;
        default:
            return false;
    }
}

}  // namespace

double LeadingNumber(std::string_view text) {
    // Gather the number's characters, ignoring blanks anywhere in it.
    std::string number;
    std::size_t i = 0;
    auto skip_blanks = [&] {
        while (i < text.size() && IsBlank(text[i])) ++i;
    };
    skip_blanks();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') number += '-';
        ++i;
    }
    bool digits = false, point = false;
    for (;; ++i) {
        skip_blanks();
        if (i >= text.size()) break;
        const char c = text[i];
        if (IsDigit(c)) {
            number += c;
            digits = true;
        } else if (c == '.' && !point) {
            number += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    // An exponent counts only when at least one digit follows it.
    skip_blanks();
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) exponent += text[j++];
        bool exp_digits = false;
        for (; j < text.size() && (IsDigit(text[j]) || IsBlank(text[j])); ++j) {
            if (IsDigit(text[j])) {
                exponent += text[j];
                exp_digits = true;
            }
        }
        if (exp_digits) number += exponent;
    }
    double value = 0.0;
    const auto res = std::from_chars(number.data(), number.data() + number.size(), value);
    if (res.ec == std::errc::result_out_of_range) value = (number[0] == '-') ? -HUGE_VAL : HUGE_VAL;
    return value;
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < text.size(); ++i) out[i] = UpperAt(text, i);
    return out;
}

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
    std::string a(text);
    ReplaceAll(a, kDegreeUtf8, " ");
    for (char& c : a)
        if (c == '"' || c == ',' || c == '\'' || c == kDegreeLatin1) c = ' ';
    // Runs of blanks become one blank.
    for (std::size_t p = a.find("  "); p != std::string::npos; p = a.find("  ", p)) a.erase(p, 1);
    a = UpperCase(a);

    ParsedLatLong out;
    double lat_sign = 1.0, lon_sign = 1.0;
    std::size_t pn = a.find('N');
    if (pn == std::string::npos) {
        pn = a.find('S');
        lat_sign = -1.0;
    }
    std::size_t pe = a.find('E');
    if (pe == std::string::npos) {
        pe = a.find('W');
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
    out.ok = true;
    out.cleaned = a;
    out.lat_deg = lat_sign * ReadDms(lat_text);
    out.lon_deg = lon_sign * ReadDms(lon_text);
    out.resolution_km = kTypedLatLongResolution_km;
    return out;
}

std::optional<std::string> ShowLatLong(double lat_deg, double lon_deg, int ll_format) {
    const std::string ns = lat_deg >= 0 ? "N" : "S";
    const std::string ew = lon_deg >= 0 ? "E" : "W";
    const double lat = std::fabs(lat_deg), lon = std::fabs(lon_deg);
    const double lat_d = std::trunc(lat), lon_d = std::trunc(lon);
    const std::string deg = "\xC2\xB0 ";  // degree sign and a blank
    switch (ll_format) {
        case 0:
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

ResolveResult ResolveInput(const ResolveRequest& req) {
    ResolveResult r;
    r.lat_deg = req.lat_deg;
    r.lon_deg = req.lon_deg;
    r.resolution_km = req.resolution_km;
    const std::string input = UpperCase(req.input);
    if (input.empty()) return r;  // kEmpty

    const Classification c = ClassifyInput(input);
    r.input_class = c.input_class;
    switch (c.input_class) {
        case InputClass::kGridRef:
            if (ApplyGridRef(r, c.text, req.ll_format)) {
                r.kind = ResolveKind::kGridRef;
                r.input_text = input;
                r.sitename = "";
            }
            break;
        case InputClass::kLocator:
            r.ngr_text = "";
            if (ApplyLocator(r, c.text, req.ll_format)) {
                r.kind = ResolveKind::kLocator;
                r.input_text = input;
                r.sitename = "";
            } else {
                r.ngr_text.reset();  // "Locator error": nothing else changes
            }
            break;
        case InputClass::kLatLong: {
            const ParsedLatLong p = ParseLatLong(input);
            if (ApplyLatLong(r, p, req.ll_format)) {
                r.kind = ResolveKind::kLatLong;
                r.input_text = p.cleaned;
                r.sitename = "";
            } else {
                // Unreadable: empty the input box and show the previous position again.
                r.kind = ResolveKind::kUnreadableLatLong;
                r.input_text = "";
                DeriveLocator(r);
                DeriveNgr(r);
                r.ll_text = ShowLatLong(r.lat_deg, r.lon_deg, req.ll_format);
            }
            break;
        }
        case InputClass::kSiteName:
            ResolveSite(r, req, input);
            break;
    }

    if (req.home && RefreshesDistance(r.kind))
        r.dist_bear = DistBear(Site{r.lat_deg, r.lon_deg, r.resolution_km}, *req.home);
    return r;
}

}  // namespace geodesy
