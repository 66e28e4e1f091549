#include "listing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <system_error>
#include <vector>

#include "display_texts.h"
#include "geodesy/display_mask.h"
#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"
#include "geodesy/position_input.h"
#include "sitefile/site_file_lines.h"
#include "sitefile/site_search.h"

namespace tormark {

namespace {

// Columns (1-based) of the fields of a site line.
constexpr int kNameColumn = 1;
constexpr std::size_t kNameWidth = 46;
constexpr int kLocatorColumn = 48;
constexpr int kNgrColumn = 60;
constexpr int kBearingColumn = 74;
constexpr int kBackBearingColumn = 81;
constexpr int kDegColumn = 89;
constexpr int kDistanceColumn = 96;
constexpr int kKmColumn = 103;
// An empty line follows every this many site lines.
constexpr int kSitesPerBlock = 10;

// Below these limits the header names the restriction.
constexpr double kUnlimitedMaxDistance_km = 9999;
constexpr double kFullCircle_deg = 360;

const char* const kCrLf = "\r\n";

// Writes `text` over `line` from a 1-based column; the line keeps its length.
void Overwrite(std::string& line, int column, const std::string& text) {
    const std::size_t start = static_cast<std::size_t>(column - 1);
    if (start >= line.size()) return;
    line.replace(start, std::min(text.size(), line.size() - start),
                 text.substr(0, line.size() - start));
}

// A site of the database with its position resolved, or nothing for lines without one.
struct ListedSite {
    std::string name, locator, ngr;
    double lat = 0, lon = 0, resolution = 0;
};

// Converts one database line on the session's current site. Lines without "~", the end
// marker, and lines whose location is unreadable give no site (they have no distance of their
// own).
std::optional<ListedSite> ConvertLine(const std::string& line, SiteSession& s) {
    const std::optional<sitefile::SiteFields> fields = sitefile::SplitSiteLine(line);
    if (!fields) return std::nullopt;
    if (geodesy::UpperCase(line).find(sitefile::kEndMarker) != std::string::npos)
        return std::nullopt;
    const geodesy::Classification kind = geodesy::ClassifyInput(fields->location);
    ListedSite site;
    site.name = fields->name;
    switch (kind.input_class) {
        case geodesy::InputClass::kGridRef: {
            const geodesy::NgrPosition p = geodesy::ParseGridRef(kind.text, s.resolution_km);
            if (!p.ok) return std::nullopt;
            site.lat = p.lat_deg;
            site.lon = p.lon_deg;
            site.resolution = p.resolution_km;
            site.ngr = kind.text;
            site.locator = geodesy::FormatLocator(p.lat_deg, p.lon_deg);
            s.boxes.eastNorth = EastNorthText(p.easting_m, p.northing_m);
            s.boxes.hasEastNorth = true;
            s.boxes.easting_m = p.easting_m;
            s.boxes.northing_m = p.northing_m;
            s.boxes.osMapCaption = geodesy::Square10km(kind.text);
            s.boxes.xdim = s.boxes.ydim = CellSizeText(p.resolution_km * 1000);
            break;
        }
        case geodesy::InputClass::kLocator: {
            const geodesy::LocatorPosition p = geodesy::ParseLocator(kind.text);
            if (!p.ok) return std::nullopt;
            site.lat = p.lat_deg;
            site.lon = p.lon_deg;
            site.resolution = p.resolution_km;
            site.locator = kind.text;
            s.boxes.xdim = CellSizeText(p.ew_size_m);
            s.boxes.ydim = CellSizeText(p.ns_size_m);
            break;
        }
        case geodesy::InputClass::kLatLong: {
            const geodesy::ParsedLatLong p = geodesy::ParseLatLong(kind.text);
            if (!p.ok) return std::nullopt;
            site.lat = p.lat_deg;
            site.lon = p.lon_deg;
            site.resolution = p.resolution_km;
            site.locator = geodesy::FormatLocator(p.lat_deg, p.lon_deg);
            s.boxes.xdim = s.boxes.ydim = std::string(kUnknownSize);
            break;
        }
        case geodesy::InputClass::kSiteName:
            return std::nullopt;
    }
    s.lat_deg = site.lat;
    s.lon_deg = site.lon;
    s.resolution_km = site.resolution;
    if (kind.input_class != geodesy::InputClass::kGridRef) {
        const geodesy::NgrText ngr = geodesy::FormatGridRef(site.lat, site.lon, site.resolution);
        site.ngr = ngr.text;
        s.boxes.eastNorth = EastNorthText(ngr);
        s.boxes.hasEastNorth = ngr.status == geodesy::NgrStatus::kOk;
        s.boxes.easting_m = ngr.easting_m;
        s.boxes.northing_m = ngr.northing_m;
        if (ngr.status == geodesy::NgrStatus::kOk) s.boxes.osMapCaption = OsMapCaption(ngr);
    }
    return site;
}

bool InSector(double bearing, double from, double to) {
    if (from < to) return from <= bearing && bearing <= to;
    if (from > to) return bearing >= from || bearing <= to;  // clockwise through north
    return false;
}

std::vector<std::string> HeaderLines(const std::string& dateText, const std::string& baseName,
                                     double minDist, double maxDist, double from, double to,
                                     const std::string& search) {
    std::vector<std::string> lines{"Generated from    Tormark  Orvel", dateText, "",
                                   "Distance and Bearings from " + baseName, ""};
    if (minDist > 0) lines.push_back("Minimum distance " + ShortestNumber(minDist));
    if (maxDist < kUnlimitedMaxDistance_km)
        lines.push_back("Maximum distance " + ShortestNumber(maxDist));
    if (from > 0 || to < kFullCircle_deg)
        lines.push_back("Bearings restricted to sites within" + ShortestNumber(from) + " to " +
                        ShortestNumber(to) + " deg");
    if (!search.empty()) lines.push_back("Only Sites with   '" + search + "'   in their name");
    lines.push_back("");
    lines.push_back(
        "   Sitename                                     Locator       NGR         To     Back  "
        "         Distance");
    lines.push_back("");
    return lines;
}

double BoxNumber(const std::string& text) {
    return geodesy::LeadingNumber(text);
}

// Writes `text` under a temporary name beside `path` and renames it over `path` only when it
// is complete, so a failure never destroys an earlier file. False when any step fails.
bool WriteWhole(const std::filesystem::path& path, const std::string& text) {
    std::random_device seed;
    const std::filesystem::path temporary =
        path.string() + ".tmp" + std::to_string(std::uniform_int_distribution<unsigned>()(seed));
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) return false;
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.close();
        if (!file) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return false;
    }
    return true;
}

// Whether a file can be made at `path`: a scratch file beside it is created and removed again.
bool CanCreate(const std::filesystem::path& path) {
    std::random_device seed;
    const std::filesystem::path probe =
        path.string() + ".new" + std::to_string(std::uniform_int_distribution<unsigned>()(seed));
    const bool made = static_cast<bool>(std::ofstream(probe, std::ios::binary | std::ios::trunc));
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return made;
}

// The message of a listing that cannot be written, naming the file so that a wrong folder shows.
std::string ListingError(const std::string& path) {
    return std::string(kListingErrorMessage) + "\n" + path;
}

}  // namespace

std::string ShortestNumber(double value) {
    char buffer[400];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc()) return "0";
    return std::string(buffer, end);
}

std::string SiteLine(const std::string& name, const std::string& locator, const std::string& ngr,
                     double bearing_deg, double backBearing_deg, double dist_km) {
    std::string line(kSiteLineWidth, ' ');
    Overwrite(line, kNameColumn, name.substr(0, kNameWidth));
    Overwrite(line, kLocatorColumn, locator);
    Overwrite(line, kNgrColumn, ngr);
    Overwrite(line, kBearingColumn, geodesy::FormatMask(bearing_deg, "####0.0"));
    Overwrite(line, kBackBearingColumn, geodesy::FormatMask(backBearing_deg, "(####0.0)"));
    Overwrite(line, kDegColumn, "deg");
    Overwrite(line, kDistanceColumn, geodesy::FormatMask(dist_km, "####0.0"));
    Overwrite(line, kKmColumn, "km");
    return line;
}

std::string NativePath(const std::string& typed) {
    std::string path = typed;
#ifdef _WIN32
    std::replace(path.begin(), path.end(), '/', '\\');
#else
    std::replace(path.begin(), path.end(), '\\', '/');
#endif
    return path;
}

ListingOutcome WriteListing(const ListingBoxes& boxes, SiteSession& session,
                            const std::string& dateText) {
    ListingOutcome outcome;
    const std::optional<std::vector<std::string>> lines =
        sitefile::ReadSiteFileLines(session.databasePath);
    outcome.fileName = boxes.fileName.empty() ? kDefaultListFile : boxes.fileName;
    if (!lines) {
        outcome.message = std::string(kDatabaseMissing);
        return outcome;
    }

    // Converting the lines moves the current site: whether the file can be made is known first,
    // so that a failure leaves the site as it was.
    const std::string target = NativePath(outcome.fileName);
    if (!CanCreate(target)) {
        outcome.message = ListingError(target);
        return outcome;
    }

    const double minDist = BoxNumber(boxes.minDist);
    const double maxDist = BoxNumber(boxes.maxDist);
    const double from = BoxNumber(boxes.fromBear);
    const double to = BoxNumber(boxes.toBear);
    const std::string search = geodesy::UpperCase(boxes.search);
    // A box number beyond the double range ends the listing as any error does, before it can
    // reach the header as "inf".
    for (const double limit : {minDist, maxDist, from, to}) {
        if (!std::isfinite(limit)) {
            outcome.message = ListingError(target);
            return outcome;
        }
    }

    std::string text;
    for (const std::string& header :
         HeaderLines(dateText, session.homeName, minDist, maxDist, from, to, boxes.search))
        text += header + kCrLf;

    const geodesy::Site home{session.homeLat_deg, session.homeLon_deg, session.homeResolution_km};
    for (const std::string& line : *lines) {
        const std::optional<ListedSite> site = ConvertLine(line, session);
        if (!site) continue;
        session.distBear =
            geodesy::DistBear(geodesy::Site{site->lat, site->lon, site->resolution}, home);
        const geodesy::DistBearResult& d = session.distBear;
        if (!search.empty() && geodesy::UpperCase(site->name).find(search) == std::string::npos)
            continue;
        if (d.dist_km < minDist || d.dist_km > maxDist) continue;
        if (!InSector(d.bearing_deg, from, to)) continue;
        text += SiteLine(site->name, site->locator, site->ngr, d.bearing_deg, d.back_bearing_deg,
                         d.dist_km) +
                kCrLf;
        ++outcome.sites;
        if (outcome.sites % kSitesPerBlock == 0) text += kCrLf;
    }

    if (!WriteWhole(target, text)) {
        outcome.message = ListingError(target);
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

}  // namespace tormark
