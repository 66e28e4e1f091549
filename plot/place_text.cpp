#include "plot/place_text.h"

#include <cmath>
#include <cstdio>

#include "geodesy/national_grid.h"

namespace plot {

namespace {

// A space that a title strip does not wrap at: a grid reference or a position stays on one line.
constexpr char kNoBreakSpace[] = "\u00A0";

}  // namespace

std::string PlaceText(std::string_view name, double lat_deg, double lon_deg) {
    char position[64];
    std::snprintf(position, sizeof position, "%.4f°%c%s%.4f°%c", std::fabs(lat_deg),
                  lat_deg < 0 ? 'S' : 'N', kNoBreakSpace, std::fabs(lon_deg),
                  lon_deg < 0 ? 'W' : 'E');
    const std::string gridRef = geodesy::FormatGridRef10m({lat_deg, lon_deg});
    std::string text(name);
    if (gridRef != "Not valid" && gridRef != text) {
        std::string unbroken = gridRef;
        if (const std::size_t space = unbroken.find(' '); space != std::string::npos)
            unbroken.replace(space, 1, kNoBreakSpace);
        text += (text.empty() ? "" : "  ") + unbroken;
    }
    return text + (text.empty() ? "" : "  ") + position;
}

}  // namespace plot
