// visplot's coverage mode, between the dialogue and the end of the run: the transmitters placed
// on the plot, the received level at every sample (the best over all transmitters), the map with
// its legend, the covered area, and the best server picture.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/headless.h"
#include "coverage_options.h"
#include "mastview/area_loader.h"
#include "mastview/dialogue.h"

namespace visplot {

// A transmitter placed on the plot: its name for the legends, where it stands (plot samples)
// and its mast height above the ground there.
struct Transmitter {
    std::string name;
    double x = 0;
    double y = 0;
    double mast_m = 0;
};

// The transmitters of a run: the centre's first, then each --mast-at site. nullopt when one
// cannot be placed (not found, or outside the disc of the plot): the reason has been printed.
std::optional<std::vector<Transmitter>> PlaceTransmitters(const CoverageRequest& request,
                                                          const mastview::MastView& view,
                                                          console::Console& console);

// "Received level, centred on " + centre + "   Mast height ###m" + frequency and ERP.
std::string CoverageCaption(const mastview::MastView& view, const CoverageRequest& request);

// The picture written beside FILE.png for the best server: FILE-server.png.
std::string ServerPictureName(const std::string& pngFile);

// Draws the coverage map of the transmitters over the loaded heights, in a window of its own,
// with the map's furniture (the sites of `sitesFile`) and a title strip, and serves the user's
// clicks until Exit; with `geotiffFile`, first writes the levels there as a GeoTIFF.
// console::kExitNormal, or kExitRefused when the GeoTIFF (then nothing is drawn) or the best
// server picture could not be written.
int RunCoverage(const CoverageRequest& request, const std::vector<Transmitter>& transmitters,
                const mastview::MastView& view, const mastview::RadiusHeights& loaded,
                const std::optional<std::string>& geotiffFile,
                const console::HeadlessOptions& headless, console::Console& console,
                const std::string& sitesFile);

}  // namespace visplot
