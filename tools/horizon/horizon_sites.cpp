#include "horizon_sites.h"

#include <cmath>
#include <optional>

#include "console/console_constants.h"
#include "console/file_names.h"
#include "geodesy/maidenhead.h"
#include "geodesy/national_grid.h"
#include "sitefile/site_file_lines.h"
#include "sitefile/site_search.h"

namespace horizon {

namespace {

// A site's position text read as the console tools read it, by its characters 5 and 6: two
// digits make a grid reference, two locator letters a locator.
std::optional<geodesy::LatLon> SitePosition(const std::string& text) {
    if (text.size() < 6) return std::nullopt;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const auto locatorLetter = [](char c) { return c >= 'A' && c <= 'X'; };
    if (digit(text[4]) && digit(text[5])) return geodesy::ParseGridRefCorner(text);
    if (locatorLetter(text[4]) && locatorLetter(text[5])) return geodesy::ParseLocatorCorner(text);
    return std::nullopt;
}

}  // namespace

std::vector<ChartSite> SitesWithin(const std::string& sitesFile, const mastview::RadiusArea& area,
                                   const mastview::SweepSetup& setup) {
    std::vector<ChartSite> sites;
    const std::optional<std::string> file = console::FindFileIgnoringCase(sitesFile);
    if (!file || !console::IsRegularFile(*file)) return sites;  // a FIFO would block the run
    const double firstStep = 0.08 / setup.radius_km;            // the sweep's radial step
    sitefile::ForEachLine(*file, sitefile::LineEnds::kAny, [&](std::string_view line) {
        const std::optional<sitefile::SiteFields> fields =
            sitefile::SplitSiteLine(line, geodesy::Letters::kAscii);
        if (!fields) return true;
        const std::optional<geodesy::LatLon> p = SitePosition(fields->location);
        if (!p) return true;
        ChartSite site;
        site.name = fields->name;
        site.x = static_cast<int>(
            std::lround((p->lon_deg - area.lonW_deg) * console::kSamplesPerDegree));
        site.y = static_cast<int>(
            std::lround((p->lat_deg - area.latS_deg) * console::kSamplesPerDegree));
        // The sweep's geometry: sample (x, y) lies at u = 2x / nLon - 1, v = 2y / nLat - 1 of
        // the plot's ellipse, t = |(u, v)| of the radius, on the ray of bearing 90 - atan2(v, u).
        const double u = 2.0 * site.x / setup.nLon - 1, v = 2.0 * site.y / setup.nLat - 1;
        site.t = std::hypot(u, v);
        if (!(site.t > firstStep && site.t <= 1)) return true;
        double bearing = 90 - std::atan2(v, u) * console::kDegPerRad;
        if (bearing < 0) bearing += 360;
        site.bearing_deg = bearing;
        sites.push_back(std::move(site));
        return true;
    });
    return sites;
}

void JudgeSites(std::vector<ChartSite>& sites, const HorizonSweep& sweep,
                const mastview::SweepSetup& setup, const mastview::PlotHeights& heights) {
    if (sweep.rays.empty()) return;
    for (ChartSite& site : sites) {
        site.angle_rad =
            mastview::ElevationAngle_rad(setup, site.x, site.y, heights.At(site.x, site.y));
        const RayHorizon& ray = sweep.Nearest(site.bearing_deg);
        const double nearer = site.t - kSiteOwnGround_km / setup.radius_km;
        site.seen = site.angle_rad >= sweep.HighestBefore(ray, nearer) - kSeenTolerance_rad;
    }
}

}  // namespace horizon
