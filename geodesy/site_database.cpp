// Reading and searching the site database file.
#include "geodesy/site_database.h"

namespace geodesy {

std::optional<SiteFields> SplitSiteLine(std::string_view) {
    return std::nullopt;
}  // TODO
std::optional<std::vector<std::string>> ReadDatabaseLines(const std::string&) {
    return std::nullopt;
}
SiteSearchResult FindSiteByName(const std::string&, std::string_view) {
    return SiteSearchResult{};
}
SiteListResult ListDatabase(const std::string&, std::string_view) {
    return SiteListResult{};
}

}  // namespace geodesy
