// Console position entry: a typed site name, National Grid Reference, Maidenhead locator or
// latitude/longitude turned
// into a WGS84 position; site lookup in "SITES.DAT"; the base-position line the tools print.
//
// The console tools classify by fixed character positions and search the site file by name
// (first match in file order). The conversions themselves are the geodesy library's console
// variants: ParseGridRefCorner, ParseLocatorCorner, FormatGridRef10m, FormatLocatorRounded and
// DistBearBetween.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "console/console.h"
#include "geodesy/distance_bearing.h"
#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"
#include "geodesy/types.h"

namespace console {

// The console resolved position.
struct ConsolePosition {
    std::string text;  // as typed; the site's full name when found by name
    double latitude_deg = 0;
    double longitude_deg = 0;
    bool found = false;
    // The site file did not exist: "<file> not found" has been printed and the tool must end.
    bool siteFileMissing = false;
};

// How a text is read, from its upper-cased characters 3, 4, 5 and 6.
enum class PositionForm { kSiteName, kGridRef, kLocator };
PositionForm ClassifyPosition(std::string_view text);

// Classifies and converts. A text that is wholly a latitude/longitude (geodesy's
// ReadWholeLatLong: "54.4543 -3.2117", "54 27 15N 3 12 42W", "54.4543N 3.2117W") is taken as one
// before the fixed positions are looked at; every other text as ClassifyPosition says. A site name
// is looked up by FindSite in sitesPath + "SITES.DAT".
ConsolePosition ResolvePosition(std::string_view text, const std::string& sitesPath,
                                Console& console);

// The site search alone: the first line of the site file whose name contains the upper-cased
// text (every line, the last included, can match). On success text becomes the name as written
// in the file and console colour 7 is set. A missing file prints its full name and " not found".
ConsolePosition FindSite(std::string_view text, const std::string& sitesPath, Console& console);

struct NearestSiteResult {
    std::string name;
    double distance_km = 0;
    // The site's own position, so that a marker goes where this site is even when a name search
    // for it would stop at an earlier site whose name contains it.
    double latitude_deg = 0;
    double longitude_deg = 0;
};
// The site of sitesPath + "sites.dat" nearest to the position (ties keep the earlier line);
// lines whose position is neither a grid reference nor a locator are skipped. nullopt when the
// file is missing or no line qualified (the caller keeps its name).
std::optional<NearestSiteResult> NearestSite(double latitude_deg, double longitude_deg,
                                             const std::string& sitesPath);

// The base-position line masks: terrainplot and terrain3d use a 12-character grid-reference
// field, visplot, pathprofile and horizon an 11-character one.
inline constexpr std::string_view kBaseLineMask =
    "Base Lat ###.####° Long ###.####°  \\        \\  \\          \\  ####m AGL";
inline constexpr std::string_view kBaseLineMaskShort =
    "Base Lat ###.####° Long ###.####°  \\        \\  \\         \\  ####m AGL";

// The base-position line: colour 6, column 10, the mask filled with latitude, longitude, locator,
// grid reference and ground height, a line end, colour 7.
void PrintBasePositionLine(Console& console, double latitude_deg, double longitude_deg,
                           const std::string& locator, const std::string& gridRef,
                           std::int32_t groundHeight_m, std::string_view mask = kBaseLineMask);

// Prints `prompt` without a line end and reads the position text as typed (blanks kept).
std::string AskPosition(Console& console, std::string_view prompt);

// The position prompt of terrainplot and terrain3d.
inline constexpr std::string_view kCentrePrompt = "Centre  of plot,   Site Name / Location        ";

}  // namespace console
