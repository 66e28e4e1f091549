// The window's own texts for positions: the easting/northing line, the OS map button's caption,
// cell-size labels and the messages of the resolve step. Qt-free, so the model and the command
// lines share them with the windows.
#pragma once

#include <string>
#include <string_view>

#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"

namespace tormark {

// Message for a missing or unreadable site database (shown in a message box).
inline constexpr std::string_view kDatabaseMissing = "Site datbase not found";
// Input-box text when the name search reaches the "ENDENDEND" line.
inline constexpr std::string_view kSiteNotFound = "Not Found";
// Input-box text for a locator of odd length.
using geodesy::kLocatorError;  // "Locator error"
// Locator and grid-reference box text when a found entry's location cannot be read.
inline constexpr std::string_view kLocationError = "ERROR";
// Locator or grid-reference box text when the typed one names no place on its grid; the same
// text as the grid-reference box shows for a place off the grid.
inline constexpr std::string_view kNotValid = geodesy::kNgrNotValid;
// Size-label text for a typed latitude/longitude.
inline constexpr std::string_view kUnknownSize = "~";

// "E: 469511 , N: 178370": easting and northing in whole metres, each in the mask "######".
std::string EastNorthText(double e_m, double n_m);

// EastNorthText of a grid reference's unrounded easting and northing; "" when the position has
// no grid reference.
std::string EastNorthText(const geodesy::NgrText& ngr);

// The OS map button's caption: the 10 km square of a grid reference, e.g. "SU67"; "" when the
// position has no grid reference.
std::string OsMapCaption(const geodesy::NgrText& ngr);

// A bearing of the Pointing window in degrees with one decimal and the degree sign (UTF-8),
// e.g. "231.5°".
std::string BearingText(double bearing_deg);

// A cell side in whole metres with "m", in the mask "###m" (e.g. "4633m").
std::string CellSizeText(double size_m);

}  // namespace tormark
