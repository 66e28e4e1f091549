// The site database: a plain 8-bit text file, one entry per line (CR, LF or CR LF line ends),
// fields separated by "~": name~location[~further fields]. The location is a grid reference or a
// locator (upper or lower case, blanks allowed after its fourth character). A line containing
// "ENDENDEND" ends the entries for the name search. The file is opened afresh and read from the
// start for every search and closed before the search returns; nothing is cached.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace geodesy {

// Message for a missing or unreadable database file (shown in a message box).
inline constexpr std::string_view kDatabaseMissing = "Site datbase not found";
// Input-box text when the name search reaches the "ENDENDEND" line.
inline constexpr std::string_view kSiteNotFound = "Not Found";
// The end-of-entries marker.
inline constexpr std::string_view kEndMarker = "ENDENDEND";
// Width of a ListDatabase item: the first 28 characters of the line.
inline constexpr std::size_t kListItemWidth = 28;

// The first two fields of an entry.
struct SiteFields {
    std::string name;      // all text before the first "~", unchanged (spaces and case kept)
    std::string location;  // text between the first and second "~" (or to the line end),
                           // upper-cased, blanks kept
};

// Splits one database line; std::nullopt for a line without "~".
std::optional<SiteFields> SplitSiteLine(std::string_view line);

// Reads every line of the file (without line ends). std::nullopt when the file is missing or
// cannot be read. The path may use "/" or "\" as separator; when it names no file, a file whose
// name differs only in letter case in the same folder is used (e.g. sites.dat for Sites.dat).
std::optional<std::vector<std::string>> ReadDatabaseLines(const std::string& path);

enum class SiteSearchOutcome {
    kFound,        // fields hold the first matching entry
    kNotFound,     // the "ENDENDEND" line was reached: show kSiteNotFound
    kEndOfFile,    // the file ended without a match or end marker: nothing is shown or changed
    kFileMissing,  // message is kDatabaseMissing
};

struct SiteSearchResult {
    SiteSearchOutcome outcome = SiteSearchOutcome::kEndOfFile;
    SiteFields fields;    // filled for kFound
    std::string message;  // kDatabaseMissing for kFileMissing, otherwise ""
};

// The "&Use This" name search: the first line, in file order and before the "ENDENDEND" line,
// whose upper-cased text contains the upper-cased input anywhere (name, location or later
// fields). Lines without "~" are skipped.
SiteSearchResult FindSiteByName(const std::string& path, std::string_view input_text);

struct SiteListResult {
    bool ok = false;                 // false: file missing or unreadable
    std::string message;             // kDatabaseMissing when !ok
    std::vector<std::string> items;  // first kListItemWidth characters of each listed line
};

// The "&Lookup Database" listing: every line of the whole file (neither "ENDENDEND" nor a
// missing "~" stops it) that contains the upper-cased input, or every line when the input is
// empty; items in file order.
SiteListResult ListDatabase(const std::string& path, std::string_view input_text);

}  // namespace geodesy
