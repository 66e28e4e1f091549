// Grid reference and locator texts, both ways, and positions of any value written as locators,
// grid references and latitude/longitude.
//
// Invariants: whatever is read is finite; a grid reference read and written again names the same
// point within a metre; a well-formed locator read and written again starts with itself; the
// console forms read back within half a cell; every written text is showable.

#include <cmath>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"
#include "geodesy/position_input.h"
#include "geodesy/upper_case.h"

namespace {

// How far a grid reference may move through the datum shift and back (metres).
constexpr double kGridRoundTrip_m = 1.0;
// How far a typed latitude/longitude may move through its six-decimal text (degrees).
constexpr double kLatLongTextStep_deg = 1e-6;

bool WellFormedLocator(std::string_view t) {
    if (t.size() != 6 && t.size() != 8 && t.size() != 10) return false;
    auto in = [](char c, char first, char last) { return c >= first && c <= last; };
    if (!in(t[0], 'A', 'R') || !in(t[1], 'A', 'R') || !in(t[2], '0', '9') || !in(t[3], '0', '9') ||
        !in(t[4], 'A', 'X') || !in(t[5], 'A', 'X'))
        return false;
    if (t.size() >= 8 && (!in(t[6], '0', '9') || !in(t[7], '0', '9'))) return false;
    if (t.size() == 10 && (!in(t[8], 'A', 'X') || !in(t[9], 'A', 'X'))) return false;
    return true;
}

void CheckTexts(std::string_view text) {
    std::string compact = geodesy::UpperCase(text);
    std::erase(compact, ' ');

    const geodesy::NgrPosition g = geodesy::ParseGridRef(compact, 1.0);
    if (g.ok) {
        FUZZ_CHECK(std::isfinite(g.lat_deg) && std::isfinite(g.lon_deg));
        FUZZ_CHECK(std::isfinite(g.easting_m) && std::isfinite(g.northing_m));
        const geodesy::NgrText back = geodesy::FormatGridRef(g.lat_deg, g.lon_deg, 0.001);
        FUZZ_CHECK(fuzz::ShowableText(back.text));
        // The reader takes what the input classes pass as a grid reference: two capital letters
        // first. Other bytes there name points millions of metres off the grid, which the
        // projection folds back onto some other point of it, so no round trip holds for them.
        const auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
        if (back.status == geodesy::NgrStatus::kOk && capital(compact[0]) && capital(compact[1])) {
            FUZZ_CHECK(std::fabs(back.easting_m - g.easting_m) < kGridRoundTrip_m);
            FUZZ_CHECK(std::fabs(back.northing_m - g.northing_m) < kGridRoundTrip_m);
        }
    } else {
        FUZZ_CHECK(!g.error.empty());
    }

    const geodesy::LocatorPosition l = geodesy::ParseLocator(compact);
    if (l.ok) {
        FUZZ_CHECK(std::isfinite(l.lat_deg) && std::isfinite(l.lon_deg));
        const std::string back = geodesy::FormatLocator(l.lat_deg, l.lon_deg);
        FUZZ_CHECK(fuzz::ShowableText(back));
        if (WellFormedLocator(compact)) FUZZ_CHECK(back.compare(0, compact.size(), compact) == 0);
    }
    if (WellFormedLocator(compact)) {
        // The console's corner reading and nearest-corner writing agree on the cell.
        const geodesy::LatLon corner = geodesy::ParseLocatorCorner(compact);
        const std::string back = geodesy::FormatLocatorRounded(corner);
        FUZZ_CHECK(back.compare(0, compact.size(), compact) == 0);
    }
}

void CheckPosition(double lat, double lon) {
    // Off the globe the symbols run on past R and X (printable, or "Locator error").
    const bool on_globe = std::fabs(lat) < 90 && std::fabs(lon) < 180;
    const std::string locator = geodesy::FormatLocator(lat, lon);
    FUZZ_CHECK(on_globe ? fuzz::ShowableLocator(locator) : fuzz::ShowableText(locator));
    FUZZ_CHECK(fuzz::ShowableLocator(geodesy::FormatLocatorRounded({lat, lon})));
    for (const double resolution : {0.001, 0.1, 1.0, 10.0})
        FUZZ_CHECK(fuzz::ShowableText(geodesy::FormatGridRef(lat, lon, resolution).text));
    FUZZ_CHECK(fuzz::ShowableText(geodesy::FormatGridRef10m({lat, lon})));
    if (std::fabs(lat) <= 90 && std::fabs(lon) <= 180) {
        for (int layout = 0; layout < geodesy::kLatLongFormats; ++layout)
            FUZZ_CHECK(fuzz::ShowableText(*geodesy::FormatLatLong(lat, lon, layout)));
        const geodesy::ParsedLatLong back =
            geodesy::ParseLatLong(*geodesy::FormatLatLong(lat, lon, 0));
        FUZZ_CHECK(back.ok);
        FUZZ_CHECK(std::fabs(back.lat_deg - lat) <= kLatLongTextStep_deg);
        FUZZ_CHECK(std::fabs(back.lon_deg - lon) <= kLatLongTextStep_deg);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckTexts(fuzz::Text(data, size));
    if (size >= 2 * sizeof(double)) {
        double lat, lon;
        std::memcpy(&lat, data, sizeof lat);
        std::memcpy(&lon, data + sizeof lat, sizeof lon);
        CheckPosition(lat, lon);
        // The same bytes as a position near Britain, where every form exists.
        CheckPosition(49.0 + std::fmod(std::fabs(lat), 12.0),
                      -8.0 + std::fmod(std::fabs(lon), 10.0));
    }
    return 0;
}
