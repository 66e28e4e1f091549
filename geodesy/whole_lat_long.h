// A typed text that is nothing but a latitude/longitude, told apart from site names, grid
// references and locators without guessing.
//
// The console tools classify a position by fixed character positions, which read
// "54.4543 -3.2117" as a grid reference and "54 27 15N 3 12 42W" as a site name. A text that is
// wholly a latitude/longitude starts with a digit and holds no letter but its two hemisphere
// letters, so no grid reference, locator or ordinary site name is one.
#pragma once

#include <optional>
#include <string_view>

#include "geodesy/types.h"

namespace geodesy {

// The position (WGS84 degrees) of a text in one of two forms, nullopt for any other text:
//  - hemisphere form, read by ParseLatLong: one to three numbers (degrees, minutes, seconds)
//    and a hemisphere letter for each coordinate, in either order, with blanks, commas,
//    apostrophes, double quotes and degree signs between them: "54.4543N 3.2117W",
//    "54 27 15N 3 12 42W", "54°27'15\"N, 3°12'42\"W", "3 12 42 W 54 27 15 N";
//  - signed form: two decimal numbers, latitude first, north and east positive, separated by
//    blanks or one comma: "54.4543 -3.2117", "54.4543,-3.2117".
// Nothing may follow the last hemisphere letter or number. A latitude beyond +-90 or a
// longitude beyond +-180 degrees, or minutes or seconds of 60 or more, is no position.
std::optional<LatLon> ReadWholeLatLong(std::string_view text);

}  // namespace geodesy
