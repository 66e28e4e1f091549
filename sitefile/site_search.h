// The site file's entries and the searches over them. A site file is a plain 8-bit text file, one
// entry per line, fields separated by "~": name~location[~further fields]. The location is a grid
// reference, a locator or a latitude/longitude (upper or lower case, blanks allowed). A line
// containing "ENDENDEND" ends the entries for the window's name search. The file is opened afresh
// and read from the start for every search and closed before the search returns; nothing is
// cached.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geodesy/upper_case.h"

namespace sitefile {

// The end-of-entries marker.
inline constexpr std::string_view kEndMarker = "ENDENDEND";
// Width of a ListSites item: the first 28 characters of the line.
inline constexpr std::size_t kListItemWidth = 28;

// The first two fields of an entry.
struct SiteFields {
    std::string name;      // all text before the first "~", unchanged (spaces and case kept)
    std::string location;  // text between the first and second "~" (or to the line end),
                           // upper-cased, blanks kept
};

// Splits one line, upper-casing the location by `letters`; std::nullopt for a line without "~".
std::optional<SiteFields> SplitSiteLine(std::string_view line,
                                        geodesy::Letters letters = geodesy::Letters::kLatin1);

enum class SiteSearchOutcome {
    kFound,        // fields hold the first matching entry
    kNotFound,     // the "ENDENDEND" line was reached
    kEndOfFile,    // the file ended without a match or end marker
    kFileMissing,  // the file is missing or could not be read
};

struct SiteSearchResult {
    SiteSearchOutcome outcome = SiteSearchOutcome::kEndOfFile;
    SiteFields fields;  // filled for kFound
};

// The window's name search ("&Use This"): the first line, in file order and before the
// "ENDENDEND" line, whose upper-cased (Latin-1) text contains the upper-cased input anywhere
// (name, location or later fields). Lines without "~" are skipped. Any line ends; the path as
// FindSiteFile takes it.
SiteSearchResult FindSiteByName(const std::string& typed_path, std::string_view input_text);

// The console tools' name search: the first line of the file, the last included (the end marker
// does not stop it), whose name, upper-cased (ASCII), contains the upper-cased input; a line
// without "~" has an empty name and location. Any line ends, as the window reads them; `path` is
// the file itself.
// Never kNotFound.
SiteSearchResult FindSiteByNameField(const std::string& path, std::string_view input_text);

struct SiteListResult {
    bool ok = false;                 // false: file missing or unreadable
    std::vector<std::string> items;  // first kListItemWidth characters of each listed line
};

// The window's listing ("&Lookup Database"): every line of the whole file (neither "ENDENDEND"
// nor a missing "~" stops it) that contains the upper-cased input, or every line when the input
// is empty; items in file order.
SiteListResult ListSites(const std::string& typed_path, std::string_view input_text);

}  // namespace sitefile
