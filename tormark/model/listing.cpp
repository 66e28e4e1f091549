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
#include "files/atomic_write.h"
#include "files/find_ignoring_case.h"
#include "geodesy/constants.h"
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

// Converts one database line on the session's current site, through the resolution "&Use This"
// gives a found site. Lines without "~", the end marker, and lines whose location is unreadable
// give no site (they have no distance of their own) and leave the session as it was.
std::optional<ListedSite> ConvertLine(const std::string& line, SiteSession& s) {
    const std::optional<sitefile::SiteFields> fields = sitefile::SplitSiteLine(line);
    if (!fields) return std::nullopt;
    if (geodesy::UpperCase(line).find(sitefile::kEndMarker) != std::string::npos)
        return std::nullopt;
    const ResolveResult r =
        ResolveLocation(fields->location, s.resolution_km, s.latLongFormat, true);
    if (r.kind != ResolveKind::kSite) return std::nullopt;

    s.lat_deg = r.lat_deg;
    s.lon_deg = r.lon_deg;
    s.resolution_km = r.resolution_km;
    // Only the texts a listing leaves behind change: the position boxes stay empty while the
    // listing panel is open.
    s.boxes.eastNorth = r.eastNorthText.value_or("");
    s.boxes.hasEastNorth = r.eastNorth.has_value();
    if (r.eastNorth) {
        s.boxes.easting_m = r.eastNorth->easting_m;
        s.boxes.northing_m = r.eastNorth->northing_m;
    }
    if (r.square10km && !r.square10km->empty()) s.boxes.osMapCaption = *r.square10km;
    if (r.xSizeText) s.boxes.xdim = *r.xSizeText;
    if (r.ySizeText) s.boxes.ydim = *r.ySizeText;
    return ListedSite{
        fields->name,   r.locatorText.value_or(""), r.ngrText.value_or(""), r.lat_deg, r.lon_deg,
        r.resolution_km};
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
    if (from > 0 || to < geodesy::kFullCircle_deg)
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
    const std::string target = files::NativePath(outcome.fileName);
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

    if (!files::WriteFileAtomically(target, text)) {
        outcome.message = ListingError(target);
        return outcome;
    }
    outcome.ok = true;
    return outcome;
}

}  // namespace tormark
