// Splitting site-file lines and searching them by name.
#include "sitefile/site_search.h"

#include "sitefile/site_file_lines.h"

namespace sitefile {

namespace {

using geodesy::Letters;
using geodesy::UpperAt;
using geodesy::UpperCase;

// True when line contains upper_needle (already upper case), comparing the line upper-cased.
bool ContainsUpper(std::string_view line, std::string_view upper_needle) {
    const std::size_t n = upper_needle.size();
    if (n == 0) return true;
    if (line.size() < n) return false;
    for (std::size_t i = 0, last = line.size() - n; i <= last; ++i) {
        if (UpperAt(line, i) != upper_needle[0]) continue;
        std::size_t k = 1;
        while (k < n && UpperAt(line, i + k) == upper_needle[k]) ++k;
        if (k == n) return true;
    }
    return false;
}

// Calls fn for every line of the file a typed path names, with any line end.
template <typename Fn>
bool ForEachTypedPathLine(const std::string& typed_path, Fn fn) {
    const std::optional<std::filesystem::path> path = FindSiteFile(typed_path);
    return path && ForEachLine(*path, LineEnds::kAny, fn);
}

}  // namespace

std::optional<SiteFields> SplitSiteLine(std::string_view line, Letters letters) {
    const std::size_t p1 = line.find('~');
    if (p1 == std::string_view::npos) return std::nullopt;
    const std::size_t p2 = line.find('~', p1 + 1);
    const std::string_view location =
        line.substr(p1 + 1, p2 == std::string_view::npos ? std::string_view::npos : p2 - p1 - 1);
    return SiteFields{std::string(line.substr(0, p1)), UpperCase(location, letters)};
}

SiteSearchResult FindSiteByName(const std::string& typed_path, std::string_view input_text) {
    SiteSearchResult result;
    const std::string needle = UpperCase(input_text);
    const bool ok = ForEachTypedPathLine(typed_path, [&](std::string_view line) {
        if (line.find(kEndMarker) != std::string_view::npos) {
            result.outcome = SiteSearchOutcome::kNotFound;
            return false;
        }
        // A line without "~" is not an entry: skip it and go on.
        if (line.find('~') == std::string_view::npos) return true;
        if (!ContainsUpper(line, needle)) return true;
        result.outcome = SiteSearchOutcome::kFound;
        result.fields = *SplitSiteLine(line);
        return false;
    });
    if (!ok) return SiteSearchResult{SiteSearchOutcome::kFileMissing, {}};
    return result;
}

SiteSearchResult FindSiteByNameField(const std::string& path, std::string_view input_text) {
    SiteSearchResult result;
    const std::string wanted = UpperCase(input_text, Letters::kAscii);
    const bool ok = ForEachLine(path, LineEnds::kAny, [&](std::string_view line) {
        SiteFields site = SplitSiteLine(line, Letters::kAscii).value_or(SiteFields{});
        if (UpperCase(site.name, Letters::kAscii).find(wanted) == std::string::npos) return true;
        result.outcome = SiteSearchOutcome::kFound;
        result.fields = std::move(site);
        return false;
    });
    if (!ok) return SiteSearchResult{SiteSearchOutcome::kFileMissing, {}};
    return result;
}

SiteListResult ListSites(const std::string& typed_path, std::string_view input_text) {
    SiteListResult result;
    const std::string needle = UpperCase(input_text);
    result.ok = ForEachTypedPathLine(typed_path, [&](std::string_view line) {
        if (ContainsUpper(line, needle)) result.items.emplace_back(line.substr(0, kListItemWidth));
        return true;
    });
    if (!result.ok) result.items.clear();
    return result;
}

}  // namespace sitefile
