#pragma once

// The listing file: every site of the database seen from home, with locator, grid reference,
// bearing, back bearing and distance, restricted to a distance range, a bearing sector and a
// part of the site name. Pure standard C++; the date line comes from the caller.

#include <string>

#include "site_session.h"

namespace tormark {

inline constexpr const char* kListingErrorMessage = "Path or filename error";
// Used when the file name box is empty (relative to the current folder).
inline constexpr const char* kDefaultListFile = "LISTFILE.TXT";
// Width of a site line, characters, trailing blanks included.
inline constexpr int kSiteLineWidth = 132;
// The distance that "List locals" puts in the maximum-distance box, km.
inline constexpr const char* kLocalsMaxDistance = "20";

struct ListingOutcome {
    bool ok = false;
    std::string message;   // message-box text when !ok; "Path or filename error", a line end
                           // and the path when the file cannot be written
    std::string fileName;  // the file name used (after an empty box was refilled)
    int sites = 0;         // site lines written
};

// One site line of kSiteLineWidth characters.
std::string SiteLine(const std::string& name, const std::string& locator, const std::string& ngr,
                     double bearing_deg, double backBearing_deg, double dist_km);

// The shortest plain decimal text of a number ("5", "2.5", "350").
std::string ShortestNumber(double value);

// Writes the listing of `session.databasePath` seen from the session's home. The conversions
// work on the session's current site as a resolution does, so afterwards Lat, Lon, Resolution,
// the easting/northing, the size labels and the 10 km square hold the last line converted.
// The file is written beside the target under a temporary name and renamed over it only when
// complete. `dateText` is the second header line (the window's date in the user's locale).
ListingOutcome WriteListing(const ListingBoxes& boxes, SiteSession& session,
                            const std::string& dateText);

}  // namespace tormark
