#include "console/position_entry.h"

#include "console/file_names.h"
#include "console/picture_mask.h"
#include "geodesy/distance_bearing.h"
#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"
#include "geodesy/upper_case.h"
#include "geodesy/whole_lat_long.h"
#include "sitefile/site_file_lines.h"
#include "sitefile/site_search.h"

namespace console {

namespace {

// Character n (1-based) of a text as a code, 0 when the text is shorter (the empty string, which
// sorts below "0").
int CharAt(std::string_view text, std::size_t n) {
    return n <= text.size() ? static_cast<unsigned char>(text[n - 1]) : 0;
}

bool IsDigitCode(int c) {
    return c >= '0' && c <= '9';
}
bool IsLocatorLetterCode(int c) {
    return c >= 'A' && c <= 'X';
}

// Decodes a site's position text by its characters 5 and 6; nullopt when it is neither a grid
// reference nor a locator.
std::optional<geodesy::LatLon> DecodeSitePosition(const std::string& position) {
    int c5 = CharAt(position, 5), c6 = CharAt(position, 6);
    if (IsDigitCode(c5) && IsDigitCode(c6)) return geodesy::ParseGridRefCorner(position);
    if (IsLocatorLetterCode(c5) && IsLocatorLetterCode(c6))
        return geodesy::ParseLocatorCorner(position);
    return std::nullopt;
}

// The site file of a tool's folder, found whatever the case of its name; nullopt when missing.
std::optional<std::string> OpenableSiteFile(const std::string& fileName) {
    auto found = FindFileIgnoringCase(fileName);
    if (found && FileExistsIgnoringCase(fileName)) return found;
    return std::nullopt;
}

}  // namespace

PositionForm ClassifyPosition(std::string_view text) {
    std::string upper = geodesy::UpperCase(text, geodesy::Letters::kAscii);
    if (CharAt(upper, 3) > '9' || CharAt(upper, 4) > '9') return PositionForm::kSiteName;
    int c5 = CharAt(upper, 5), c6 = CharAt(upper, 6);
    if (IsDigitCode(c5) && IsDigitCode(c6)) return PositionForm::kGridRef;
    if (IsLocatorLetterCode(c5) && IsLocatorLetterCode(c6)) return PositionForm::kLocator;
    return PositionForm::kSiteName;
}

ConsolePosition ResolvePosition(std::string_view text, const std::string& sitesPath,
                                Console& console) {
    ConsolePosition result;
    result.text = std::string(text);
    // Read first: the fixed character positions below would take "54.4543 -3.2117" for a grid
    // reference, and no grid reference, locator or site name is wholly a latitude/longitude.
    if (const auto typed = geodesy::ReadWholeLatLong(text)) {
        result.latitude_deg = typed->lat_deg;
        result.longitude_deg = typed->lon_deg;
        result.found = true;
        return result;
    }
    switch (ClassifyPosition(text)) {
        case PositionForm::kGridRef: {
            geodesy::LatLon p = geodesy::ParseGridRefCorner(text);
            result.latitude_deg = p.lat_deg;
            result.longitude_deg = p.lon_deg;
            result.found = true;
            return result;
        }
        case PositionForm::kLocator: {
            geodesy::LatLon p = geodesy::ParseLocatorCorner(text);
            result.latitude_deg = p.lat_deg;
            result.longitude_deg = p.lon_deg;
            result.found = true;
            return result;
        }
        case PositionForm::kSiteName:
            break;
    }
    return FindSite(text, sitesPath, console);
}

ConsolePosition FindSite(std::string_view text, const std::string& sitesPath, Console& console) {
    ConsolePosition result;
    result.text = std::string(text);
    std::string fileName = sitesPath + "SITES.DAT";
    const std::optional<std::string> file = OpenableSiteFile(fileName);
    const sitefile::SiteSearchResult search =
        file ? sitefile::FindSiteByNameField(*file, text)
             : sitefile::SiteSearchResult{sitefile::SiteSearchOutcome::kFileMissing, {}};
    if (search.outcome == sitefile::SiteSearchOutcome::kFileMissing) {
        console.PrintLine(fileName + " not found");
        result.siteFileMissing = true;
        return result;
    }
    if (search.outcome != sitefile::SiteSearchOutcome::kFound) return result;
    // The first matching line ends the search, whether or not its position can be read.
    console.SetColour(Colour::kLightGrey);
    if (auto position = DecodeSitePosition(search.fields.location)) {
        result.latitude_deg = position->lat_deg;
        result.longitude_deg = position->lon_deg;
        result.found = true;
        result.text = search.fields.name;
    }
    return result;
}

std::optional<NearestSiteResult> NearestSite(double latitude_deg, double longitude_deg,
                                             const std::string& sitesPath) {
    const std::optional<std::string> file = OpenableSiteFile(sitesPath + "sites.dat");
    if (!file) return std::nullopt;
    std::optional<NearestSiteResult> best;
    double bestDistance = 9999999;  // km
    sitefile::ForEachLine(*file, sitefile::LineEnds::kAny, [&](std::string_view line) {
        const sitefile::SiteFields site = sitefile::SplitSiteLine(line, geodesy::Letters::kAscii)
                                              .value_or(sitefile::SiteFields{});
        auto position = DecodeSitePosition(site.location);
        if (!position) return true;
        double d = geodesy::DistBearBetween({latitude_deg, longitude_deg}, *position).distance_km;
        if (d < bestDistance) {
            bestDistance = d;
            best = NearestSiteResult{site.name, d, position->lat_deg, position->lon_deg};
        }
        return true;
    });
    return best;
}

void PrintBasePositionLine(Console& console, double latitude_deg, double longitude_deg,
                           const std::string& locator, const std::string& gridRef,
                           std::int32_t groundHeight_m, std::string_view mask) {
    console.SetColour(Colour::kBrown);
    console.MoveToColumn(10);
    console.PrintLine(FormatMask(mask, {latitude_deg, longitude_deg, locator, gridRef,
                                        static_cast<double>(groundHeight_m)}));
    console.SetColour(Colour::kLightGrey);
}

std::string AskPosition(Console& console, std::string_view prompt) {
    return console.Ask(prompt);
}

}  // namespace console
