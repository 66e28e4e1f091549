#include "plot/map_sites.h"

#include <fstream>

#include "console/file_names.h"
#include "console/position_entry.h"
#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"
#include "geodesy/upper_case.h"
#include "sitefile/site_search.h"

namespace plot {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsLocatorLetter(char c) {
    return c >= 'A' && c <= 'X';
}

}  // namespace

std::optional<SiteLine> ParseSiteLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    const std::optional<sitefile::SiteFields> fields =
        sitefile::SplitSiteLine(line, geodesy::Letters::kAscii);
    if (!fields) return std::nullopt;
    const std::string& position = fields->location;
    if (position.size() < 6) return std::nullopt;
    SiteLine site;
    site.name = fields->name;
    if (IsDigit(position[4]) && IsDigit(position[5])) {
        site.position = geodesy::ParseGridRefCorner(position);
    } else if (IsLocatorLetter(position[4]) && IsLocatorLetter(position[5])) {
        site.position = geodesy::ParseLocatorCorner(position);
    } else {
        return std::nullopt;
    }
    return site;
}

std::vector<SiteLine> ReadSiteLines(const std::string& sitesFile) {
    std::vector<SiteLine> sites;
    if (!console::IsRegularFile(sitesFile)) return sites;
    std::ifstream in(sitesFile, std::ios::binary);
    std::string text;
    while (std::getline(in, text))
        if (std::optional<SiteLine> site = ParseSiteLine(text)) sites.push_back(std::move(*site));
    return sites;
}

}  // namespace plot
