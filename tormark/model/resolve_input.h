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
    kRefusedLocator,     // odd-length locator (typed or stored): "Locator error" in the input box
    kRefusedGridRef,     // grid reference with too many digits: message holds the sentence
    kNamesNoPlace,       // typed grid reference or locator naming no place on its grid (XZ99ZZ):
                         // "Not valid" in its box, the other position boxes emptied
    kUnreadableLatLong,  // no hemisphere letters: input box emptied, texts of the old position
    kNoSuchSite,         // "ENDENDEND" or the end of the file reached without a match: "Not
                         // Found", locator/NGR/lat-long boxes emptied
    kSiteLocationError,  // matched entry's location unreadable: "ERROR" in locator and NGR boxes
    kNoDatabase,         // message box kDatabaseMissing; nothing else changes
};

// The state the resolve step reads. The texts are views of the caller's strings, which must
// outlive the call.
struct ResolveRequest {
    std::string_view input;  // the input box text as typed (upper-cased by ResolveInput)
    double lat_deg = 0.0;    // current position, WGS84 degrees
    double lon_deg = 0.0;
    double resolution_km = 1.0;         // current positional uncertainty, km
    int llFormat = 0;                   // layout for FormatLatLong
    std::string_view databasePath;      // the site database file
    std::optional<geodesy::Site> home;  // the home site when one is set
    // false: the texts that only the window shows are not worked out: the east/north line is
    // left "" and the OS map caption and cell sizes are left unset (the command lines print
    // none of them, and writing them costs a good share of a line's time).
    bool windowTexts = true;
};

// What the window applies. A std::nullopt text means "leave that box as it is".
struct ResolveResult {
    ResolveKind kind = ResolveKind::kEmpty;
    bool positionChanged = false;
    double lat_deg = 0.0;  // position after the step (the old one when unchanged)
    double lon_deg = 0.0;
    double resolution_km = 0.0;
    // The position came from a grid reference whose length names no resolution, so
    // resolution_km is the one of the request: this result depends on what came before.
    bool keptResolution = false;
    // For kSite and kSiteLocationError: the class of the stored location (which box holds the
    // typed value); for typed input: the class of the input.
    geodesy::InputClass inputClass = geodesy::InputClass::kSiteName;
    // The class of the typed text itself (for a site, inputClass is that of its location).
    geodesy::InputClass typedClass = geodesy::InputClass::kSiteName;

    std::optional<std::string> inputText;      // InputText (and BearingCalc's Ipt)
    std::optional<std::string> locatorText;    // LocText
    std::optional<std::string> ngrText;        // NGRText
    std::optional<std::string> llText;         // LLText
    std::optional<std::string> eastNorthText;  // EastNorth: "E: 469511 , N: 178370" or ""
    std::optional<std::string> square10km;     // OSMap caption, e.g. "SU67"
    std::optional<std::string> xSizeText;      // Xdim: cell width "###m" or "~"
    std::optional<std::string> ySizeText;      // Ydim: cell height "###m" or "~"
    std::optional<std::string> sitename;       // database name, "" for typed positions; unchanged
                                               // when a found entry cannot be placed
    std::string message;                       // message-box text, "" when none
    // The figures behind eastNorthText, set with it unless it is "": the corner of a typed
    // square, or the unrounded easting and northing of a computed reference.
    std::optional<GridPoint> eastNorth;

    // Distance and bearings from home, recomputed when a home is given and the step resolved or
    // refreshed a position (not for kEmpty, kNoDatabase, kNoSuchSite, kRefusedLocator,
    // kRefusedGridRef).
    std::optional<geodesy::DistBearResult> distBear;
};

// The "&Use This" step: upper-case the input, classify it and resolve it through the grid
// reference, locator, latitude/longitude reader or the site database, deriving the forms that
// were not typed. Never throws for bad input or a bad file; the outcome is in kind.
ResolveResult ResolveInput(const ResolveRequest& request);

// A site's stored location (upper-cased, as a site file's location field holds it) resolved as
// "&Use This" resolves the location of a found site, with `resolution_km` as the current
// resolution (a grid reference whose length names none keeps it). kind is kSite when it names a
// position; otherwise kRefusedGridRef, kRefusedLocator or kSiteLocationError, and no position is
// set. The listing resolves every line of the database through this.
ResolveResult ResolveLocation(std::string_view location, double resolution_km, int llFormat,
                              bool windowTexts);

}  // namespace tormark
