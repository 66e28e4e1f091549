// The sites of the site file that the chart names: those within the radius that the mast top
// sees, on the horizon or in front of it, as a panorama names its peaks.
#pragma once

#include <string>
#include <vector>

#include "horizon_rays.h"
#include "mastview/plot_heights.h"
#include "mastview/radius_area.h"
#include "mastview/sweep.h"

namespace horizon {

// A site may lie this far below the highest angle met nearer on its ray and still count as seen
// (0.02 degree, 7 m at 20 km): a summit and the ray's samples beside it differ by about that.
inline constexpr double kSeenTolerance_rad = 0.02 / 57.29577951308232;

// Ground within this distance before a site counts as the site's own (two samples of the 3"
// grid): a summit is not hidden by the slope just below its top, which the ray may sample a
// little higher than the site's own sample.
inline constexpr double kSiteOwnGround_km = 0.2;

struct ChartSite {
    std::string name;
    int x = 0, y = 0;        // its plot sample
    double bearing_deg = 0;  // by the sweep's geometry: the ray that passes over it
    double t = 0;            // distance as a fraction of the radius
    double angle_rad = 0;    // elevation angle of its ground from the mast top
    bool seen = false;       // not hidden by nearer ground on its ray
};

// The sites of the file `sitesFile` (name~grid reference or locator per line) within the radius
// of `setup`'s plot, farther than the sweep's first step, with their bearings and distances as
// the sweep measures them; `area` places them. Lines without a readable position are passed over;
// no file gives none.
std::vector<ChartSite> SitesWithin(const std::string& sitesFile, const mastview::RadiusArea& area,
                                   const mastview::SweepSetup& setup);

// Looks each site's ground up in `heights` and decides whether the mast top sees it: its angle no
// more than kSeenTolerance_rad below the highest angle its ray reaches nearer than its own ground
// (kSiteOwnGround_km before it).
void JudgeSites(std::vector<ChartSite>& sites, const HorizonSweep& sweep,
                const mastview::SweepSetup& setup, const mastview::PlotHeights& heights);

}  // namespace horizon
