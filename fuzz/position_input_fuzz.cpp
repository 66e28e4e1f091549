// A typed position, resolved by the window's rules ("Use This", with a small site database)
// and by the console tools' rules (position entry), and both number readers.
//
// Invariants: a resolved position is finite; a failed one leaves the position as it was; every
// box text and printed line is showable (no control bytes, no infinity or NaN); locators are
// letters and digits in their places or "Locator error"; the readers never give NaN, and the
// console reader never an infinity.

#include <cmath>
#include <limits>
#include <sstream>

#include "console/console.h"
#include "console/numbers.h"
#include "console/position_entry.h"
#include "fuzz_support.h"
#include "geodesy/leading_number.h"
#include "geodesy/position_input.h"
#include "resolve_input.h"

namespace {

constexpr char kSites[] =
    "Scafell Pike~NY2154 0721\r\n"
    "Dunkery Beacon~ss891 416\r\n"
    "Hill Top~IO84JK\r\n"
    "No Place~51.5N 1W\r\n"
    "Odd~XY1\r\n"
    "ENDENDEND\r\n"
    "Late~IO91IM\r\n";

void CheckWindowRules(std::string_view text, const std::string& database) {
    tormark::ResolveRequest request;
    request.input = text;
    request.lat_deg = 54.5;
    request.lon_deg = -3.2;
    request.resolution_km = 1.0;
    request.databasePath = database;
    request.home = geodesy::Site{52.0, 0.0, 0.001};
    for (int layout = 0; layout < geodesy::kLatLongFormats; ++layout) {
        request.llFormat = layout;
        const tormark::ResolveResult r = tormark::ResolveInput(request);
        FUZZ_CHECK(std::isfinite(r.lat_deg) && std::isfinite(r.lon_deg));
        FUZZ_CHECK(std::isfinite(r.resolution_km));
        if (!r.positionChanged) {
            FUZZ_CHECK(r.lat_deg == request.lat_deg && r.lon_deg == request.lon_deg);
        }
        // A locator derived from a position on the globe is ten letters and digits; a typed
        // one stays as typed.
        const bool on_globe = std::fabs(r.lat_deg) < 90 && std::fabs(r.lon_deg) < 180;
        if (r.locatorText && r.positionChanged &&
            r.inputClass != geodesy::InputClass::kLocator && on_globe)
            FUZZ_CHECK(fuzz::ShowableLocator(*r.locatorText));
        // The box that holds the typed (or stored) grid reference or locator echoes its bytes;
        // every other text is derived and must be showable.
        const bool typed_ngr = r.inputClass == geodesy::InputClass::kGridRef;
        const bool typed_locator = r.inputClass == geodesy::InputClass::kLocator;
        if (r.locatorText && !typed_locator) FUZZ_CHECK(fuzz::ShowableText(*r.locatorText));
        if (r.ngrText && !typed_ngr) FUZZ_CHECK(fuzz::ShowableText(*r.ngrText));
        for (const auto* box : {&r.llText, &r.eastNorthText, &r.xSizeText, &r.ySizeText})
            if (*box) FUZZ_CHECK(fuzz::ShowableText(**box));
        if (r.distBear) {
            FUZZ_CHECK(std::isfinite(r.distBear->dist_km));
            FUZZ_CHECK(std::isfinite(r.distBear->bearing_deg));
        }
    }
    const geodesy::ParsedLatLong p = geodesy::ParseLatLong(geodesy::UpperCase(text));
    if (p.ok) FUZZ_CHECK(std::isfinite(p.lat_deg) && std::isfinite(p.lon_deg));
}

void CheckConsoleRules(std::string_view text, const std::string& sites_path) {
    std::istringstream in;
    std::ostringstream out;
    console::Console console(in, out, false);
    const console::ConsolePosition p = console::ResolvePosition(text, sites_path, console);
    if (p.found) {
        FUZZ_CHECK(std::isfinite(p.latitude_deg) && std::isfinite(p.longitude_deg));
        FUZZ_CHECK(fuzz::ShowableLocator(
            geodesy::FormatLocatorRounded({p.latitude_deg, p.longitude_deg})));
        FUZZ_CHECK(
            fuzz::ShowableText(geodesy::FormatGridRef10m({p.latitude_deg, p.longitude_deg})));
    }
}

void CheckNumberReaders(std::string_view text) {
    const double window = geodesy::LeadingNumber(text, geodesy::kWindowNumbers);
    const double typed = console::LeadingNumber(text);
    FUZZ_CHECK(!std::isnan(window));
    FUZZ_CHECK(std::isfinite(typed));
    // The console reader reads a prefix of what the window reader reads when neither has blanks
    // inside or a hexadecimal prefix: a plain decimal reads the same under both rules.
    if (text.find_first_of(" \t\n&") == std::string_view::npos)
        FUZZ_CHECK(window == typed ||
                   (std::isinf(window) && std::fabs(typed) == std::numeric_limits<double>::max()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string database = fuzz::WriteScratchFile("Sites.dat", kSites);
    static const std::string sites_path = [] {
        fuzz::WriteScratchFile("SITES.DAT", kSites);
        return (fuzz::ScratchDir() / "").string();
    }();
    const std::string_view text = fuzz::Text(data, size);
    CheckWindowRules(text, database);
    CheckConsoleRules(text, sites_path);
    CheckNumberReaders(text);
    return 0;
}
