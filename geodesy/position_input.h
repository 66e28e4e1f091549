// Reading one typed line as a position: a part of a site name, a Maidenhead locator, a National
// Grid Reference or a free-format latitude/longitude, with no mode switch. ClassifyInput decides
// which, ParseLatLong reads latitude/longitude, ShowLatLong writes a position in one of three
// layouts, and ResolveInput is the whole "&Use This" step shared by the window, the GPS feed and
// any command line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geodesy/distance_bearing.h"

namespace geodesy {

// Numeric value of a text the way the window program reads numbers: the leading number, with
// blanks anywhere in it ignored ("51 3" reads 513), an optional sign, digits with at most one
// decimal point and an optional exponent; a text without a leading number reads 0.
double LeadingNumber(std::string_view text);

// Text upper-cased (ASCII letters only; other bytes unchanged).
std::string UpperCase(std::string_view text);

// The kind of a typed text; the values are the classic class codes.
enum class InputClass {
    kSiteName = 0,  // fewer than 5 characters, or not one of the forms below
    kGridRef = 1,   // two letters, then digits (blanks allowed after the fourth character)
    kLocator = 2,   // two letters, two digits, two letters (blanks allowed after the fourth)
    kLatLong = 4,   // the first four characters read as a number greater than 0
};

struct Classification {
    InputClass input_class = InputClass::kSiteName;
    // The text to resolve: for kGridRef and kLocator the input with every blank removed, for the
    // other classes the input unchanged.
    std::string text;
};

// Classifies an upper-cased text. Characters 1 to 4 are tested before any blank is removed, so
// "SU 1234 5678" is a site name while "SU12 345678" is a grid reference.
Classification ClassifyInput(std::string_view upper_text);

struct ParsedLatLong {
    bool ok = false;       // false: no N/S or no E/W letter; the position must stay as it was
    std::string cleaned;   // the cleaned upper-case text for the input box, "" when !ok
    double lat_deg = 0.0;  // WGS84, north positive
    double lon_deg = 0.0;  // WGS84, east positive
    double resolution_km = 0.001;
};

// Free-format latitude/longitude: degrees, or degrees and minutes, or degrees, minutes and
// seconds (decimal fractions allowed in each), each coordinate followed by its hemisphere
// letter, in either order: "51.5N 1.25W", "51°30'N, 1°15'W", "1 15 W 51 30 N". Double quotes,
// commas, apostrophes and degree signs act as blanks; runs of blanks become one. The degree
// sign is accepted as the byte 0xB0 (8-bit text) and as its UTF-8 form. Text after the last
// hemisphere letter is ignored. The hemisphere letter alone gives the sign: a minus sign before
// the degrees is dropped.
ParsedLatLong ParseLatLong(std::string_view a);

// Latitude/longitude layouts of ShowLatLong, cycled by the "L/L Format" button.
//   0: "51.500000N , 1.250000W"
//   1: "51° 30.0000' N , 1° 15.0000' W"
//   2: "51° 30' 00.0'' N, 1° 15' 00.0'' W"
inline constexpr int kLatLongFormats = 3;

// The position (WGS84 degrees) as text in layout ll_format (0, 1 or 2); std::nullopt for any
// other layout (the box keeps its text). The degree sign is written as UTF-8 "°".
std::optional<std::string> ShowLatLong(double lat_deg, double lon_deg, int ll_format);

// Size-label text for a typed latitude/longitude.
inline constexpr std::string_view kUnknownSize = "~";
// Texts shown by the resolve step.
inline constexpr std::string_view kLocationError = "ERROR";

// What the "&Use This" step did.
enum class ResolveKind {
    kEmpty,              // empty input: nothing is done
    kGridRef,            // a typed grid reference was resolved
    kLocator,            // a typed locator was resolved
    kLatLong,            // a typed latitude/longitude was resolved
    kSite,               // a database entry was found and its location resolved
    kLocatorError,       // odd-length locator (typed or stored): "Locator error" in the input box
    kGridRefError,       // grid reference with too many digits: message holds the sentence
    kUnreadableLatLong,  // no hemisphere letters: input box emptied, texts of the old position
    kSiteNotFound,       // "ENDENDEND" reached: "Not Found", locator/NGR/lat-long boxes emptied
    kSiteSearchEnded,    // end of the file without a match: nothing shown or changed
    kSiteLocationError,  // matched entry's location unreadable: "ERROR" in locator and NGR boxes
    kDatabaseMissing,    // message box kDatabaseMissing; nothing else changes
};

// The state the resolve step reads.
struct ResolveRequest {
    std::string input;     // the input box text as typed (upper-cased by ResolveInput)
    double lat_deg = 0.0;  // current position, WGS84 degrees
    double lon_deg = 0.0;
    double resolution_km = 1.0;  // current positional uncertainty, km
    int ll_format = 0;           // layout for ShowLatLong
    std::string database_path;   // the site database file
    std::optional<Site> home;    // the home site when one is set
};

// What the window applies. A std::nullopt text means "leave that box as it is".
struct ResolveResult {
    ResolveKind kind = ResolveKind::kEmpty;
    bool position_changed = false;
    double lat_deg = 0.0;  // position after the step (the old one when unchanged)
    double lon_deg = 0.0;
    double resolution_km = 0.0;
    // For kSite and kSiteLocationError: the class of the stored location (which box holds the
    // typed value); for typed input: the class of the input.
    InputClass input_class = InputClass::kSiteName;

    std::optional<std::string> input_text;       // InputText (and BearingCalc's Ipt)
    std::optional<std::string> locator_text;     // LocText
    std::optional<std::string> ngr_text;         // NGRText
    std::optional<std::string> ll_text;          // LLText
    std::optional<std::string> east_north_text;  // EastNorth: "E: 469511 , N: 178370" or ""
    std::optional<std::string> square_10km;      // OSMap caption, e.g. "SU67"
    std::optional<std::string> x_size_text;      // Xdim: cell width "###m" or "~"
    std::optional<std::string> y_size_text;      // Ydim: cell height "###m" or "~"
    std::optional<std::string> sitename;         // database name, "" for typed positions; unchanged
                                                 // when a found entry cannot be placed
    std::string message;                         // message-box text, "" when none

    // Distance and bearings from home, recomputed when a home is given and the step resolved or
    // refreshed a position (not for kEmpty, kSiteSearchEnded, kDatabaseMissing, kSiteNotFound,
    // kLocatorError, kGridRefError).
    std::optional<DistBearResult> dist_bear;
};

// The "&Use This" step: upper-case the input, classify it and resolve it through the grid
// reference, locator, latitude/longitude reader or the site database, deriving the forms that
// were not typed. Never throws for bad input or a bad file; the outcome is in kind.
ResolveResult ResolveInput(const ResolveRequest& request);

}  // namespace geodesy
