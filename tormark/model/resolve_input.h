// The "&Use This" step shared by the window, the GPS feed and the command lines: the typed text
// (or a GPS fix) read as a grid reference, locator, latitude/longitude or a part of a site name,
// and every box text derived from the position it names. Qt-free.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geodesy/distance_bearing.h"
#include "geodesy/position_input.h"

namespace tormark {

// A point on the National Grid, metres.
struct GridPoint {
    double easting_m = 0.0;
    double northing_m = 0.0;
};

// What the "&Use This" step did.
enum class ResolveKind {
    kEmpty,              // empty input: nothing is done
    kGridRef,            // a typed grid reference was resolved
    kLocator,            // a typed locator was resolved
    kLatLong,            // a typed latitude/longitude was resolved
    kSite,               // a database entry was found and its location resolved
    kLocatorError,       // odd-length locator (typed or stored): "Locator error" in the input box
    kGridRefError,       // grid reference with too many digits: message holds the sentence
    kNamesNoPlace,       // typed grid reference or locator naming no place on its grid (XZ99ZZ):
                         // "Not valid" in its box, the other position boxes emptied
    kUnreadableLatLong,  // no hemisphere letters: input box emptied, texts of the old position
    kSiteNotFound,       // "ENDENDEND" or the end of the file reached without a match: "Not
                         // Found", locator/NGR/lat-long boxes emptied
    kSiteLocationError,  // matched entry's location unreadable: "ERROR" in locator and NGR boxes
    kDatabaseMissing,    // message box kDatabaseMissing; nothing else changes
};

// The state the resolve step reads. The texts are views of the caller's strings, which must
// outlive the call.
struct ResolveRequest {
    std::string_view input;  // the input box text as typed (upper-cased by ResolveInput)
    double lat_deg = 0.0;    // current position, WGS84 degrees
    double lon_deg = 0.0;
    double resolution_km = 1.0;         // current positional uncertainty, km
    int ll_format = 0;                  // layout for FormatLatLong
    std::string_view database_path;     // the site database file
    std::optional<geodesy::Site> home;  // the home site when one is set
    // false: the texts that only the window shows are not worked out: the east/north line is
    // left "" and the OS map caption and cell sizes are left unset (the command lines print
    // none of them, and writing them costs a good share of a line's time).
    bool window_texts = true;
};

// What the window applies. A std::nullopt text means "leave that box as it is".
struct ResolveResult {
    ResolveKind kind = ResolveKind::kEmpty;
    bool position_changed = false;
    double lat_deg = 0.0;  // position after the step (the old one when unchanged)
    double lon_deg = 0.0;
    double resolution_km = 0.0;
    // The position came from a grid reference whose length names no resolution, so
    // resolution_km is the one of the request: this result depends on what came before.
    bool kept_resolution = false;
    // For kSite and kSiteLocationError: the class of the stored location (which box holds the
    // typed value); for typed input: the class of the input.
    geodesy::InputClass input_class = geodesy::InputClass::kSiteName;
    // The class of the typed text itself (for a site, input_class is that of its location).
    geodesy::InputClass typed_class = geodesy::InputClass::kSiteName;

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
    // The figures behind east_north_text, set with it unless it is "": the corner of a typed
    // square, or the unrounded easting and northing of a computed reference.
    std::optional<GridPoint> east_north;

    // Distance and bearings from home, recomputed when a home is given and the step resolved or
    // refreshed a position (not for kEmpty, kDatabaseMissing, kSiteNotFound,
    // kLocatorError, kGridRefError).
    std::optional<geodesy::DistBearResult> dist_bear;
};

// The "&Use This" step: upper-case the input, classify it and resolve it through the grid
// reference, locator, latitude/longitude reader or the site database, deriving the forms that
// were not typed. Never throws for bad input or a bad file; the outcome is in kind.
ResolveResult ResolveInput(const ResolveRequest& request);

}  // namespace tormark
